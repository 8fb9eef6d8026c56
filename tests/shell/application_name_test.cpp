#include <gtest/gtest.h>

#include "behaviour/settings_file.h"
#include "platform/paths.h"
#include "shell/application_name.h"

namespace skinwright::shell {
namespace {

// The tests run from a folder they may write, as a copied program does.
TEST(SettingsFile, LivesBesideTheExecutableUnderTheApplicationName)
{
    EXPECT_EQ(behaviour::SettingsFilePathFor(platform::ToFileSystemPath(ProgramFolder()),
                                             ApplicationName().toStdString()),
              platform::ToFileSystemPath(ProgramFolder() + ApplicationName() + ".ini"));
}

}  // namespace
}  // namespace skinwright::shell
