#include "translation.h"

#include <optional>

#include "catalogs.h"
#include "compiled_catalog.h"

namespace skinwright::behaviour {
namespace {

struct InUse {
    std::string_view language;
    std::optional<CompiledCatalog> catalog;
};

InUse& Current()
{
    static InUse current;
    return current;
}

}  // namespace

bool UseLanguage(std::string_view language)
{
    InUse& current = Current();
    for (const Catalog& catalog : BuiltInCatalogs()) {
        if (catalog.language == language) {
            current.language = catalog.language;
            current.catalog.emplace(catalog.compiled);
            return true;
        }
    }
    current.language = {};
    current.catalog.reset();
    return false;
}

std::string_view LanguageInUse()
{
    return Current().language;
}

std::string Tr(std::string_view english)
{
    // The catalog's own header is kept under the empty text.
    const InUse& current = Current();
    if (current.catalog && !english.empty()) {
        if (const std::optional<std::string_view> found = current.catalog->Find(english))
            return std::string(*found);
    }
    return std::string(english);
}

std::string TrFormat(std::string_view english, const std::vector<std::string>& values)
{
    return FillIn(Tr(english), values);
}

}  // namespace skinwright::behaviour
