// The windows' text is UTF-16, the behaviour's UTF-8: every string crosses
// here, never through the ANSI code page.
#pragma once

#include <string>
#include <string_view>

namespace skinwright::win32 {

std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

}  // namespace skinwright::win32
