// Private-profile (INI) files read and written by key, as byte strings.
// Every byte of a value other than CR, LF and NUL is kept as it is.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace skinwright::behaviour {

// The key's value, or none when the file, the section or the key is missing.
std::optional<std::string> FindProfileString(const std::filesystem::path& file, std::string_view section,
                                             std::string_view key);

// The key's value, or the default when it is missing; at most limit - 1
// characters of either come back, never part of one, as from a file in a
// one-byte code page: a byte that starts no UTF-8 character counts as one.
// A key present with an empty value reads empty.
std::string ReadProfileString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                              std::string_view defaultValue, std::size_t limit);

// Sets the key, creating file, section and key as needed and keeping the
// rest of the file. The file is replaced whole by renaming a completed
// temporary file, so it is never left half written. False on failure.
bool WriteProfileString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                        std::string_view value);

}  // namespace skinwright::behaviour
