#include <QDir>

#include <gtest/gtest.h>

#include "platform/paths.h"

namespace skinwright::platform {
namespace {

TEST(Paths, EnsureTrailingSeparator)
{
    const std::pair<QString, QString> cases[] = {
        {"/home/user", "/home/user/"},
        {"/home/user/", "/home/user/"},
        {"/", "/"},
        {"", ""},
    };
    for (const auto& [folder, expected] : cases)
        EXPECT_EQ(EnsureTrailingSeparator(folder), expected) << folder.toStdString();
}

TEST(Paths, DefaultFolderIsHomeWithSeparator)
{
    EXPECT_EQ(DefaultFolder(), QDir::homePath() + "/");
}

TEST(Paths, NetworkPaths)
{
    EXPECT_TRUE(IsNetworkPath("\\\\server\\share"));
    EXPECT_TRUE(IsNetworkPath("//server/share"));
    EXPECT_FALSE(IsNetworkPath("/home/user"));
    EXPECT_FALSE(IsNetworkPath("\\folder"));
}

TEST(Paths, Cp1252NamesToTextAndBack)
{
    EXPECT_EQ(DisplayName("caf\xE9.g"), QString::fromUtf8("caf\xC3\xA9.g"));
    EXPECT_EQ(ToCp1252(QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC")), std::string("caf\xE9 \x80"));
    EXPECT_EQ(ToCp1252(QString::fromUtf8("\xE4\xB8\xAD")), std::nullopt);
    EXPECT_EQ(ToFileSystemPath(QString::fromUtf8("/t/caf\xC3\xA9")).string(), "/t/caf\xC3\xA9");
}

TEST(Paths, ResourceFileNamesStayInTheirFolder)
{
    EXPECT_EQ(ResourceFileName("../../etc/x.g"), ".._.._etc_x.g");
    EXPECT_EQ(ResourceFileName("icon\xE9.g"), QString::fromUtf8("icon\xC3\xA9.g"));
}

}  // namespace
}  // namespace skinwright::platform
