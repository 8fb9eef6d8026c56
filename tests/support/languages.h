// The windows' languages for tests that run once in each: English (empty)
// and every built-in catalog.
#pragma once

#include <string>
#include <vector>

#include "behaviour/catalogs.h"

namespace skinwright::test {

inline std::vector<std::string> EveryLanguage()
{
    std::vector<std::string> languages{""};
    for (const behaviour::Catalog& catalog : behaviour::BuiltInCatalogs())
        languages.emplace_back(catalog.language);
    return languages;
}

// A test's name for a language: "en" for English.
struct LanguageName {
    template <class ParamInfo>
    std::string operator()(const ParamInfo& language) const
    {
        return language.param.empty() ? std::string("en") : language.param;
    }
};

}  // namespace skinwright::test
