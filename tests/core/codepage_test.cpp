#include <gtest/gtest.h>

#include "core/codepage.h"

namespace skinwright {
namespace {

TEST(Codepage, EveryByteSurvivesTheRoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const auto back = Utf8ToCp1252(Cp1252ToUtf8(all));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, all);
}

TEST(Codepage, KnownCharacters)
{
    EXPECT_EQ(Cp1252ToUtf8("caf\xE9"), "caf\xC3\xA9");
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");      // euro sign
    EXPECT_EQ(Cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
    EXPECT_EQ(Utf8ToCp1252("\xE2\x84\xA2"), std::optional<std::string>("\x99"));  // trade mark
}

TEST(Codepage, RefusesWhatItCannotRepresent)
{
    for (std::string_view text : {"\xE2\x82\xAD", "\xF0\x9F\x98\x80", "\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xFF"})
        EXPECT_FALSE(Utf8ToCp1252(text)) << text;
    // C1 controls other than the five undefined bytes have no Windows-1252 byte.
    EXPECT_FALSE(Utf8ToCp1252("\xC2\x80"));
}

TEST(Codepage, TellsUtf8FromOtherBytes)
{
    EXPECT_TRUE(IsValidUtf8("caf\xC3\xA9.ezx"));
    EXPECT_FALSE(IsValidUtf8("caf\xE9.ezx"));
}

}  // namespace
}  // namespace skinwright
