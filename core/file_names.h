// Paths and the UTF-8 text they are given and shown in. On Linux a path's
// bytes are its text. On Windows a path is wide characters: text converts
// from and to UTF-8 (never the ANSI code page), and a path too long for the
// classic limit of 260 characters takes the "\\?\" form that lifts it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace skinwright {

std::filesystem::path PathFromUtf8(std::string_view text);
// The "\\?\" form, where a path has it, is not shown.
std::string PathToUtf8(const std::filesystem::path& path);

}  // namespace skinwright
