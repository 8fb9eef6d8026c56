// The windows' texts in the user's language. The English texts are the
// keys; a text with no translation in the language is shown in English.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/outcome.h"

namespace skinwright::behaviour {

// The language the windows speak from now on: a built-in catalog's name
// ("ru", "pt_BR"), or anything else for English. Says whether a catalog
// was found.
bool UseLanguage(std::string_view language);
// The catalog in use; empty for English.
std::string_view LanguageInUse();

// An English text in the language in use (UTF-8).
std::string Tr(std::string_view english);
// A text with values, its "%s" and "%d" filled in after translating.
std::string TrFormat(std::string_view english, const std::vector<std::string>& values);

// An outcome's words in the language in use.
template <class Code>
std::string Translated(const Outcome<Code>& outcome)
{
    return outcome.format.empty() ? outcome.what : TrFormat(outcome.format, outcome.values);
}

}  // namespace skinwright::behaviour
