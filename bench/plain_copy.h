// The baselines: copying files the way cat and cp do, with read and write on
// a 128 KiB buffer and nothing else.
#pragma once

#include <filesystem>
#include <vector>

namespace skinwright::bench {

inline constexpr std::size_t kPlainCopyBuffer = 128 * 1024;

// Appends the whole file to an open descriptor (cat). False on any error.
bool AppendFile(const std::filesystem::path& from, int to, std::vector<char>& buffer);

// Copies a file to a new or emptied file (cp). False on any error.
bool CopyFile(const std::filesystem::path& from, const std::filesystem::path& to, std::vector<char>& buffer);

}  // namespace skinwright::bench
