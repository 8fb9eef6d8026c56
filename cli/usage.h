// What skinpack prints for --help and --version.
#pragma once

#include <string>
#include <string_view>

namespace skinwright::cli {

std::string_view UsageText();
std::string VersionText();

}  // namespace skinwright::cli
