#include <map>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "behaviour/catalogs.h"
#include "behaviour/compiled_catalog.h"
#include "behaviour/language.h"
#include "behaviour/translation.h"

namespace skinwright::behaviour {
namespace {

const std::vector<std::string_view> kCatalogs{"de", "es", "pt_BR", "ru", "zh_CN"};

// The catalog the user gets from the environment's variables.
TEST(Language, TheEnvironmentChoosesTheCatalog)
{
    const struct {
        std::map<std::string, std::string> environment;
        std::string catalog;
    } cases[] = {
        {{}, ""},
        {{{"LANG", "de_DE.UTF-8"}}, "de"},
        {{{"LANG", "de_AT@euro"}}, "de"},
        {{{"LANG", "pt_BR.UTF-8"}}, "pt_BR"},
        {{{"LANG", "pt_PT.UTF-8"}}, ""},
        {{{"LANG", "zh_CN.UTF-8"}}, "zh_CN"},
        {{{"LANG", "zh-CN"}}, "zh_CN"},         // Windows writes its names so
        {{{"LANG", "zh_TW.UTF-8"}}, ""},        // traditional script: no catalog
        {{{"LANG", "fr_FR.UTF-8"}}, ""},
        {{{"LANG", "C"}}, ""},
        {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "ru"}}, ""},  // C is English whatever LANGUAGE says
        {{{"LANG", "POSIX"}}, ""},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "es_MX.UTF-8"}}, "es"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "es_MX.UTF-8"}, {"LC_ALL", "ru_RU.UTF-8"}}, "ru"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_ALL", ""}}, "de"},  // set but empty: the next one counts
        {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "fr:zh_CN:de"}}, "zh_CN"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "pt"}}, "pt_BR"},  // a bare language, one catalog for it
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en_GB:de"}}, "de"},
        {{{"LANG", "ru_RU.UTF-8"}, {"LANGUAGE", ":"}}, ""},
    };
    for (const auto& row : cases) {
        const Environment environment = [&](const char* name) -> std::optional<std::string> {
            const auto found = row.environment.find(name);
            return found == row.environment.end() ? std::nullopt : std::optional(found->second);
        };
        std::string shown;
        for (const auto& [name, value] : row.environment)
            shown += name + "=" + value + " ";
        EXPECT_EQ(CatalogFor(WantedLanguages(environment), kCatalogs), row.catalog) << shown;
    }
}

class Translation : public ::testing::Test {
protected:
    void TearDown() override { UseLanguage(""); }
};

TEST_F(Translation, EachLanguageSaysItsOwnWords)
{
    const struct {
        const char* language;
        const char* english;
        const char* shown;
    } cases[] = {
        {"de", "Help", "Hilfe"},
        {"es", "Remove", "Quitar"},
        {"pt_BR", "Remove", "Remover"},
        {"ru", "Remove All", "Удалить все"},
        {"zh_CN", "Remove All", "全部移除"},
        {"zh_CN", "a text no catalog holds", "a text no catalog holds"},
        {"fr", "Help", "Help"},
        {"", "Help", "Help"},
        {"de", "", ""},  // never the catalog's header
    };
    for (const auto& row : cases) {
        UseLanguage(row.language);
        EXPECT_EQ(Tr(row.english), row.shown) << row.language << ": " << row.english;
    }
}

// A catalog cut short anywhere finds a text whole or not at all.
TEST(CompiledCatalogBytes, ACatalogCutShortFindsTextsWholeOrNotAtAll)
{
    const std::string_view whole = BuiltInCatalogs().front().compiled;
    const std::optional<std::string_view> full = CompiledCatalog(whole).Find("Help");
    ASSERT_TRUE(full);
    for (std::size_t size = 0; size < whole.size(); ++size) {
        const std::optional<std::string_view> found = CompiledCatalog(whole.substr(0, size)).Find("Help");
        if (found) {
            EXPECT_EQ(*found, *full) << size;
        }
    }
    EXPECT_FALSE(CompiledCatalog("").Find("Help"));
    EXPECT_FALSE(CompiledCatalog(std::string(64, '\xff')).Find("Help"));
}

}  // namespace
}  // namespace skinwright::behaviour
