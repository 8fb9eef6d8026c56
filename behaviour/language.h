// Which built-in language the user asks for.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace skinwright::behaviour {

using Environment = std::function<std::optional<std::string>(const char* name)>;

// The user's languages, most wanted first, as the environment names them:
// LANGUAGE's list, else the first of LC_ALL, LC_MESSAGES and LANG that is
// set. A locale of "C" or "POSIX" asks for English and LANGUAGE is then not
// read, as gettext does.
std::vector<std::string> WantedLanguages(const Environment& environment);

// The first wanted language that one of the catalogs speaks: "ll_CC" by its
// own catalog, else by the catalog "ll", else a wanted "ll" by the one
// catalog "ll_*". Codesets (".UTF-8") and modifiers ("@euro") are ignored,
// "-" reads as "_". Empty: English.
std::string CatalogFor(std::span<const std::string> wanted, std::span<const std::string_view> catalogs);

// Chooses the language the windows speak: on Windows the user's interface
// language, elsewhere the environment's.
void UseUserLanguage();

}  // namespace skinwright::behaviour
