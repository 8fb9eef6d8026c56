#include "language.h"

#include <cstdlib>
#include <vector>

#include "catalogs.h"
#include "translation.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace skinwright::behaviour {
namespace {

// "pt-BR.UTF-8@euro" -> "pt_BR".
std::string Bare(std::string_view name)
{
    std::string bare(name.substr(0, name.find_first_of(".@")));
    for (char& c : bare) {
        if (c == '-')
            c = '_';
    }
    return bare;
}

std::string_view LanguagePart(std::string_view name)
{
    return name.substr(0, name.find('_'));
}

#ifdef _WIN32
std::string UserInterfaceLanguage()
{
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    if (LCIDToLocaleName(MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT), name, LOCALE_NAME_MAX_LENGTH, 0) == 0)
        return {};
    std::string ascii;
    for (const wchar_t* c = name; *c != L'\0'; ++c)
        ascii += static_cast<char>(*c & 0x7f);
    return ascii;
}
#else
std::optional<std::string> FromEnvironment(const char* name)
{
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0')
        return std::nullopt;
    return std::string(value);
}
#endif

}  // namespace

std::vector<std::string> WantedLanguages(const Environment& environment)
{
    std::optional<std::string> locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment(name);
        if (locale && !locale->empty())
            break;
    }
    if (!locale || locale->empty() || *locale == "C" || locale->starts_with("C.") || *locale == "POSIX")
        return {};
    std::vector<std::string> wanted;
    if (const std::optional<std::string> list = environment("LANGUAGE"); list && !list->empty()) {
        std::string_view rest = *list;
        while (!rest.empty()) {
            const std::size_t colon = rest.find(':');
            if (colon != 0)
                wanted.emplace_back(rest.substr(0, colon));
            rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
        }
        return wanted;
    }
    wanted.push_back(*locale);
    return wanted;
}

std::string CatalogFor(std::span<const std::string> wanted, std::span<const std::string_view> catalogs)
{
    for (const std::string& name : wanted) {
        const std::string bare = Bare(name);
        if (bare.empty())
            continue;
        for (const std::string_view catalog : catalogs) {
            if (catalog == bare)
                return std::string(catalog);
        }
        const std::string_view language = LanguagePart(bare);
        for (const std::string_view catalog : catalogs) {
            if (catalog == language)
                return std::string(catalog);
        }
        if (language.size() != bare.size())
            continue;
        std::vector<std::string_view> sameLanguage;
        for (const std::string_view catalog : catalogs) {
            if (LanguagePart(catalog) == language)
                sameLanguage.push_back(catalog);
        }
        if (sameLanguage.size() == 1)
            return std::string(sameLanguage.front());
    }
    return {};
}

void UseUserLanguage()
{
#ifdef _WIN32
    const std::vector<std::string> wanted{UserInterfaceLanguage()};
#else
    const std::vector<std::string> wanted = WantedLanguages(FromEnvironment);
#endif
    std::vector<std::string_view> catalogs;
    for (const Catalog& catalog : BuiltInCatalogs())
        catalogs.push_back(catalog.language);
    UseLanguage(CatalogFor(wanted, catalogs));
}

}  // namespace skinwright::behaviour
