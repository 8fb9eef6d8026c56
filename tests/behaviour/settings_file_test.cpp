#include <cstdlib>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <gtest/gtest.h>

#include "behaviour/program_setup.h"
#include "behaviour/settings_file.h"
#include "tests/support/files.h"

namespace skinwright::behaviour {
namespace {

TEST(SettingsFile, CommentsTravelOnOneLine)
{
    const std::pair<std::string, std::string> cases[] = {
        {"a\r\nb", "a\x02\x03" "b"},
        {"\n\r", "\x03\x02"},
        {"plain", "plain"},
        {"", ""},
    };
    for (const auto& [comments, stored] : cases) {
        EXPECT_EQ(EncodeComments(comments), stored) << comments;
        EXPECT_EQ(DecodeComments(stored), comments) << comments;
    }
}

class Settings : public ::testing::Test {
protected:
    test::TempFolder folder_;
    std::filesystem::path path_ = folder_ / "skinwright.ini";
};

TEST_F(Settings, FirstRunGivesDefaultsAndAnEmptyValueStaysEmpty)
{
    EXPECT_EQ(ReadSetting(path_, kViewerSection, kOutputFolderKey, "/home/u/"), "/home/u/");
    ASSERT_TRUE(WriteSetting(path_, kViewerSection, kOutputFolderKey, ""));
    EXPECT_EQ(ReadSetting(path_, kViewerSection, kOutputFolderKey, "/home/u/"), "");
}

TEST_F(Settings, CommentsOfTwoLinesAreStoredAsFourBytes)
{
    ASSERT_TRUE(WriteSetting(path_, kBuilderSection, kCommentsKey, EncodeComments("a\r\nb")));
    EXPECT_EQ(test::ReadFile(path_), "[build]\nCommnets=a\x02\x03" "b\n");
    EXPECT_EQ(DecodeComments(ReadSetting(path_, kBuilderSection, kCommentsKey, "")), "a\r\nb");
}

TEST_F(Settings, AValueWrittenInTheAnsiCodePageComesBackAsUtf8)
{
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\Th\xE8me\\iconres.ezx", "C:\\Th\xC3\xA8me\\iconres.ezx"},
        {"caf\xC3\xA9 \x80", "caf\xC3\x83\xC2\xA9 \xE2\x82\xAC"},
        {"caf\xC3\xA9", "caf\xC3\xA9"},
    };
    for (const auto& [stored, read] : cases) {
        test::WriteFile(path_, "[default]\r\nLastResFile=" + stored + "\r\n");
        EXPECT_EQ(ReadSetting(path_, kViewerSection, kPacketPathKey, ""), read) << stored;
    }
}

TEST_F(Settings, LongValuesComeBackCutTo1023Characters)
{
    const auto repeated = [](std::string_view text, int times) {
        std::string whole;
        for (int i = 0; i < times; ++i)
            whole += text;
        return whole;
    };
    const std::string e = "\xC3\xA9", euro = "\xE2\x82\xAC";
    struct Case {
        std::string written;
        std::string read;
    };
    const Case cases[] = {
        {std::string(1500, 'x'), std::string(1023, 'x')},
        {std::string(1000, 'x') + repeated(e, 16), std::string(1000, 'x') + repeated(e, 16)},
        {std::string(1022, 'a') + euro, std::string(1022, 'a') + euro},
        {std::string(1023, 'a') + euro, std::string(1023, 'a')},
        {repeated(e, 1500), repeated(e, 1023)},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(WriteSetting(path_, kViewerSection, kPacketPathKey, c.written));
        EXPECT_EQ(ReadSetting(path_, kViewerSection, kPacketPathKey, ""), c.read) << c.written.size();
    }
}

#ifndef _WIN32
class SettingsPlace : public ::testing::Test {
protected:
    SettingsPlace()
    {
        setenv("HOME", home_.c_str(), 1);
        unsetenv("XDG_CONFIG_HOME");
    }
    ~SettingsPlace() override
    {
        chmod(readOnly_.Path().c_str(), 0700);
        Restore("HOME", savedHome_);
        Restore("XDG_CONFIG_HOME", savedConfigHome_);
    }

    static std::optional<std::string> Saved(const char* name)
    {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    }
    static void Restore(const char* name, const std::optional<std::string>& value)
    {
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }

    // A program folder its user cannot create files in, as /usr/bin is. Root
    // can create files in any folder it may not write; not in its own /proc.
    std::filesystem::path ReadOnlyProgramFolder()
    {
        if (geteuid() == 0)
            return "/proc/self/";
        chmod(readOnly_.Path().c_str(), 0500);
        return readOnly_.Path() / "";
    }

    test::TempFolder root_;
    test::TempFolder readOnly_;
    std::filesystem::path home_ = root_ / "home";
    std::optional<std::string> savedHome_ = Saved("HOME");
    std::optional<std::string> savedConfigHome_ = Saved("XDG_CONFIG_HOME");
};

TEST_F(SettingsPlace, APortableProgramKeepsItsFileBesideItUnderItsOwnName)
{
    const ProgramSetup setup = DecideProgramSetup(root_.Path(), "Copy", "/phone/iconres.ezx");
    EXPECT_EQ(setup.settingsFile, root_.Path() / "Copy.ini");
    EXPECT_TRUE(setup.portable);
    EXPECT_EQ(setup.programFolder, root_.Path() / "");
    EXPECT_EQ(setup.applicationName, "Copy");
    EXPECT_EQ(setup.startPacket, "/phone/iconres.ezx");
}

TEST_F(SettingsPlace, AnInstalledProgramKeepsItsFileInTheUsersConfigurationFolder)
{
    const std::filesystem::path program = ReadOnlyProgramFolder();
    EXPECT_EQ(DecideProgramSetup(program, "Copy", {}).settingsFile, home_ / ".config/Copy.ini");
    const std::filesystem::path configHome = root_ / "config";
    setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
    EXPECT_EQ(DecideProgramSetup(program, "Copy", {}).settingsFile, configHome / "Copy.ini");
}

TEST_F(SettingsPlace, TheInstalledProgramsFolderIsNeverThePlaceEvenForRoot)
{
    EXPECT_EQ(DecideProgramSetup("/usr/bin/", "Skinwright", {}).settingsFile, home_ / ".config/Skinwright.ini");
}

TEST_F(SettingsPlace, TheFirstWriteMakesAMissingConfigurationFolder)
{
    const std::filesystem::path path = home_ / ".config/Skinwright.ini";
    ASSERT_TRUE(WriteSetting(path, kViewerSection, kPacketPathKey, "/phone/iconres.ezx"));
    EXPECT_EQ(ReadSetting(path, kViewerSection, kPacketPathKey, ""), "/phone/iconres.ezx");
}
#endif

#ifdef _WIN32
// An installed program lies under Program Files, which an administrator may
// write: it keeps its settings in %APPDATA% all the same, so that none are
// left in its folder when it is removed. A copy elsewhere keeps them beside it.
TEST(SettingsPlaceOnWindows, AProgramUnderProgramFilesIsInstalled)
{
    const wchar_t* programFiles = _wgetenv(L"ProgramFiles");
    const wchar_t* appData = _wgetenv(L"APPDATA");
    ASSERT_NE(programFiles, nullptr);
    ASSERT_NE(appData, nullptr);
    const std::filesystem::path installed = std::filesystem::path(programFiles) / L"Skinwright";
    const ProgramSetup setup = DecideProgramSetup(installed, "Skinwright", {});
    EXPECT_FALSE(setup.portable);
    EXPECT_EQ(setup.settingsFile, std::filesystem::path(appData) / L"Skinwright.ini");

    test::TempFolder copy;
    EXPECT_TRUE(DecideProgramSetup(copy.Path(), "Skinwright", {}).portable);
}
#endif

}  // namespace
}  // namespace skinwright::behaviour
