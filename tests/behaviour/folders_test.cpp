#include <cstdlib>

#include <gtest/gtest.h>

#include "behaviour/folders.h"

namespace skinwright::behaviour {
namespace {

TEST(Folders, EnsureTrailingSeparator)
{
#ifdef _WIN32
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\themes", "C:\\themes\\"}, {"C:\\themes\\", "C:\\themes\\"}, {"C:/themes/", "C:/themes/"}, {"", ""}};
#else
    const std::pair<std::string, std::string> cases[] = {
        {"/home/user", "/home/user/"}, {"/home/user/", "/home/user/"}, {"/", "/"}, {"", ""}};
#endif
    for (const auto& [folder, expected] : cases) {
        EXPECT_EQ(EnsureTrailingSeparator(folder), expected) << folder;
        EXPECT_EQ(EnsureTrailingSeparator(std::filesystem::path(folder)), std::filesystem::path(expected)) << folder;
    }
}

// The shell's folder browser selects nothing for a folder given with a
// separator at its end.
TEST(Folders, WithoutTrailingSeparator)
{
#ifdef _WIN32
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\themes\\", "C:\\themes"}, {"C:\\themes", "C:\\themes"}, {"C:\\", "C:\\"}, {"C:/a//", "C:/a"}, {"", ""}};
#else
    const std::pair<std::string, std::string> cases[] = {
        {"/home/user/", "/home/user"}, {"/home/user", "/home/user"}, {"/", "/"}, {"/a//", "/a"}, {"", ""}};
#endif
    for (const auto& [folder, expected] : cases)
        EXPECT_EQ(WithoutTrailingSeparator(folder), std::filesystem::path(expected)) << folder;
}

// A folder no file can be made in is not proposed.
TEST(Folders, WritableOrFallsBackWhereNoFileCanBeMade)
{
    const std::filesystem::path here = std::filesystem::temp_directory_path();
    const std::filesystem::path fallback = here / "fallback";
    EXPECT_EQ(WritableOr(here, fallback), EnsureTrailingSeparator(here));
    EXPECT_EQ(WritableOr(here / "no such folder", fallback), EnsureTrailingSeparator(fallback));
}

TEST(Folders, DefaultFolderIsHomeWithSeparator)
{
#ifdef _WIN32
    EXPECT_EQ(DefaultFolder(), std::filesystem::path("C:\\"));
#else
    EXPECT_EQ(DefaultFolder(), std::filesystem::path(std::string(std::getenv("HOME")) + "/"));
#endif
}

TEST(Folders, NetworkPaths)
{
#ifdef _WIN32
    EXPECT_TRUE(IsNetworkPath("\\\\server\\share"));
    EXPECT_FALSE(IsNetworkPath("C:\\themes"));
#else
    EXPECT_FALSE(IsNetworkPath("//server/share"));
    EXPECT_FALSE(IsNetworkPath("/home/user"));
#endif
}

}  // namespace
}  // namespace skinwright::behaviour
