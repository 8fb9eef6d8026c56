#include <gtest/gtest.h>

#include "behaviour/private_profile.h"
#include "tests/support/files.h"

namespace skinwright::behaviour {
namespace {

class PrivateProfile : public ::testing::Test {
protected:
    void Put(const std::string& contents) { test::WriteFile(path_, contents); }
    std::string Contents() const
    {
        return std::filesystem::exists(path_) ? test::ReadFile(path_) : std::string("<missing>");
    }
    std::string Read(std::string_view section, std::string_view key, std::string_view fallback = "<default>",
                     std::size_t limit = 1024) const
    {
        return ReadProfileString(path_, section, key, fallback, limit);
    }

    test::TempFolder folder_;
    std::filesystem::path path_ = folder_ / "skinwright.ini";
};

TEST_F(PrivateProfile, FindsSectionsAndKeysWithoutRegardToCase)
{
    Put("[Default]\r\nlastresfile=/a/b.ezx\r\n [ BUILD ] \nWorkFolder = /w/\nCommnets=x=y\n");
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"default", "LastResFile", "/a/b.ezx"},
        {"DEFAULT", "LASTRESFILE", "/a/b.ezx"},
        {"build", "workfolder", " /w/"},
        {"build", "Commnets", "x=y"},
        {" build\t", "\tWorkFolder ", " /w/"},
        {"build", "LastResFile", "<default>"},
        {"missing", "LastResFile", "<default>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Read(c.section, c.key), c.value) << c.section << "/" << c.key;
}

TEST_F(PrivateProfile, EmptyValueIsNotMissing)
{
    Put("[default]\nLastResFile=\n");
    EXPECT_EQ(Read("default", "LastResFile"), "");
    EXPECT_EQ(Read("default", "OutputFolder"), "<default>");
}

TEST_F(PrivateProfile, MissingFileReadsAsDefaults)
{
    EXPECT_EQ(Read("default", "OutputFolder", "/home/"), "/home/");
    EXPECT_EQ(FindProfileString(path_, "default", "OutputFolder"), std::nullopt);
}

TEST_F(PrivateProfile, WriteCreatesFileSectionAndKey)
{
    ASSERT_TRUE(WriteProfileString(path_, "default", "LastResFile", "/a.ezx"));
    ASSERT_TRUE(WriteProfileString(path_, "default", "OutputFolder", "/out/"));
    ASSERT_TRUE(WriteProfileString(path_, "build", "WorkFolder", "/w/"));
    EXPECT_EQ(Contents(), "[default]\nLastResFile=/a.ezx\nOutputFolder=/out/\n[build]\nWorkFolder=/w/\n");
}

TEST_F(PrivateProfile, NamesWrittenWithSpacesAroundThemAreWrittenWithout)
{
    ASSERT_TRUE(WriteProfileString(path_, "# ", " LastResFile\t", "/a.ezx"));
    ASSERT_TRUE(WriteProfileString(path_, "#", "LastResFile", "/b.ezx"));
    EXPECT_EQ(Contents(), "[#]\nLastResFile=/b.ezx\n");
}

// A key another program wrote with spaces around it is the same key: its
// line is replaced, not joined by a second one.
TEST_F(PrivateProfile, AKeyStoredWithSpacesAroundItIsReplaced)
{
    Put("[build]\n WorkFolder\t= /old/\nCommnets=x\n");
    ASSERT_TRUE(WriteProfileString(path_, "build", "WorkFolder", "/new/"));
    EXPECT_EQ(Contents(), "[build]\nWorkFolder=/new/\nCommnets=x\n");
}

TEST_F(PrivateProfile, WriteReplacesTheValueAndKeepsEverythingElse)
{
    Put("; mine\r\n[default]\r\nlastresfile=old\r\nOther=1\r\n\r\n[build]\r\nWorkFolder=/w/\r\n");
    ASSERT_TRUE(WriteProfileString(path_, "Default", "LastResFile", "new"));
    ASSERT_TRUE(WriteProfileString(path_, "default", "OutputFolder", "/out/"));
    EXPECT_EQ(Contents(),
              "; mine\r\n[default]\r\nLastResFile=new\r\nOther=1\r\nOutputFolder=/out/\r\n\r\n"
              "[build]\r\nWorkFolder=/w/\r\n");
}

TEST_F(PrivateProfile, OtherLinesKeepTheirOwnLineEnds)
{
    // The first line sets the file's line end; a value may end in a CR of its own.
    Put("[default]\nA=x\r\r\nB=y\r\n[build]\nC=z");
    ASSERT_TRUE(WriteProfileString(path_, "default", "OutputFolder", "/out/"));
    EXPECT_EQ(Contents(), "[default]\nA=x\r\r\nB=y\r\nOutputFolder=/out/\n[build]\nC=z\n");
    EXPECT_EQ(Read("default", "A"), "x\r");
}

TEST_F(PrivateProfile, ALastLineEndingInACrKeepsWhatItSaid)
{
    // The file's line end is CR LF.
    Put("[default]\r\nLastResFile=/a.ezx\r");
    ASSERT_TRUE(WriteProfileString(path_, "build", "WorkFolder", "/w/"));
    EXPECT_EQ(Read("default", "LastResFile"), "/a.ezx");
    Put("[build]\r\n[default]\r");
    ASSERT_TRUE(WriteProfileString(path_, "default", "LastResFile", "/a.ezx"));
    EXPECT_EQ(Contents(), "[build]\r\n[default]\r\nLastResFile=/a.ezx\r\n");
}

TEST_F(PrivateProfile, EveryByteButLineBreaksAndNulRoundTrips)
{
    std::string value;
    for (int byte = 1; byte < 256; ++byte) {
        if (byte != '\r' && byte != '\n')
            value += static_cast<char>(byte);
    }
    ASSERT_TRUE(WriteProfileString(path_, "build", "Commnets", value));
    EXPECT_EQ(Read("build", "Commnets"), value);
    ASSERT_TRUE(WriteProfileString(path_, "build", "Commnets", "a\x02\x03" "b"));
    EXPECT_EQ(Read("build", "Commnets"), "a\x02\x03" "b");
}

TEST_F(PrivateProfile, AValueCannotStartLinesOfItsOwn)
{
    ASSERT_TRUE(WriteProfileString(path_, "default", "LastResFile", "/a.ezx\n[build]\nWorkFolder=/evil/"));
    EXPECT_EQ(Read("default", "LastResFile"), "/a.ezx");
    EXPECT_EQ(Read("build", "WorkFolder"), "<default>");
    EXPECT_FALSE(WriteProfileString(path_, "default", "Key=", "x"));
    EXPECT_FALSE(WriteProfileString(path_, "de]fault", "Key", "x"));
}

TEST_F(PrivateProfile, LimitKeepsLimitLessOneBytes)
{
    Put("[default]\nLastResFile=" + std::string(1500, 'p') + "\n");
    EXPECT_EQ(Read("default", "LastResFile"), std::string(1023, 'p'));
    EXPECT_EQ(Read("default", "LastResFile", "", 1), "");
    EXPECT_EQ(Read("default", "Missing", "abcdef", 4), "abc");
}

// The limit counts characters, as in a file of one byte a character.
TEST_F(PrivateProfile, LimitCountsCharactersNotBytes)
{
    struct Case {
        std::string value;
        std::string read;
    };
    const std::string a1021(1021, 'a');
    const std::string euro = "\xE2\x82\xAC";
    const Case cases[] = {
        {a1021 + "\xC3\xA9\xC3\xA9", a1021 + "\xC3\xA9\xC3\xA9"},   // 1023 characters in 1025 bytes
        {a1021 + "a" + euro, a1021 + "a" + euro},                    // 1023 characters in 1025 bytes
        {a1021 + "aa" + euro, a1021 + "aa"},                         // the 1024th character goes whole
        {a1021 + "a\xE9\xE9", a1021 + "a\xE9"},                      // bytes that start no character count one each
        {a1021 + "a\xC3", a1021 + "a\xC3"},
    };
    for (const Case& c : cases) {
        Put("[s]\nk=" + c.value + "\n");
        EXPECT_EQ(Read("s", "k"), c.read) << c.value.substr(1020);
    }
}

TEST_F(PrivateProfile, ReplacingLeavesNoTemporaryFileBehind)
{
    Put("[default]\nLastResFile=old\n");
    ASSERT_TRUE(WriteProfileString(path_, "default", "LastResFile", "new"));
    EXPECT_EQ(test::ListFolder(folder_.Path()), std::vector<std::string>{"skinwright.ini"});
}

TEST_F(PrivateProfile, WriteIntoAMissingFolderFails)
{
    const std::filesystem::path path = folder_ / "missing" / "skinwright.ini";
    EXPECT_FALSE(WriteProfileString(path, "default", "LastResFile", "x"));
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace skinwright::behaviour
