#include <gtest/gtest.h>

#include "behaviour/program_setup.h"
#include "platform/paths.h"
#include "shell/application_name.h"

namespace skinwright::shell {
namespace {

// The tests run from a folder they may write, as a copied program does.
TEST(SettingsFile, LivesBesideTheExecutableUnderTheApplicationName)
{
    EXPECT_EQ(behaviour::DecideProgramSetup(platform::ToFileSystemPath(ProgramFolder()),
                                            ApplicationName().toStdString(), {})
                  .settingsFile,
              platform::ToFileSystemPath(ProgramFolder() + ApplicationName() + ".ini"));
}

}  // namespace
}  // namespace skinwright::shell
