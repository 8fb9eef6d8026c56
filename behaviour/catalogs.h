// The translations built into the program: one compiled gettext catalog
// (a .mo file's bytes) for each language beside English.
#pragma once

#include <span>
#include <string_view>

namespace skinwright::behaviour {

struct Catalog {
    std::string_view language;  // "de", "pt_BR", "zh_CN"
    std::string_view compiled;
};

std::span<const Catalog> BuiltInCatalogs();

}  // namespace skinwright::behaviour
