// A text with its values filled in: "%s" and "%d" take the values in turn,
// "%1$s" names one by its place, "%%" is a percent sign. Texts shown to the
// user are written this way so that a translation may move the values.
#pragma once

#include <span>
#include <string>
#include <string_view>

// Marks a text for the translations' catalogs where it is written, without
// translating it there: the windows translate it when they show it.
#define N_(text) text

namespace skinwright {

// A value beyond those given, or a "%" not followed by a known form, is
// kept as it stands.
std::string FillIn(std::string_view format, std::span<const std::string> values);

}  // namespace skinwright
