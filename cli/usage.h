// What skinpack prints for "help".
#pragma once

#include <string_view>

namespace skinwright::cli {

std::string_view UsageText();

}  // namespace skinwright::cli
