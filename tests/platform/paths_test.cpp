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
#ifdef _WIN32
    EXPECT_TRUE(IsNetworkPath("\\\\server\\share"));
    EXPECT_FALSE(IsNetworkPath("C:\\themes"));
#else
    EXPECT_FALSE(IsNetworkPath("//server/share"));
    EXPECT_FALSE(IsNetworkPath("/home/user"));
#endif
}

TEST(Paths, Cp1252NamesToTextAndBack)
{
    EXPECT_EQ(DisplayName("caf\xE9.g"), QString::fromUtf8("caf\xC3\xA9.g"));
    EXPECT_EQ(ToFileSystemPath(QString::fromUtf8("/t/caf\xC3\xA9")).string(), "/t/caf\xC3\xA9");
}

}  // namespace
}  // namespace skinwright::platform
