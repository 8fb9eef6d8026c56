#include <gtest/gtest.h>

#include "behaviour/application_name.h"

namespace skinwright::behaviour {
namespace {

// The caption of every message box and the settings file's name, from the
// path the system gives for the running program.
TEST(ApplicationName, IsTheProgramsFileNameWithoutItsExtension)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/usr/bin/Skinwright", "Skinwright"},
        {"C:\\Program Files\\Skinwright\\Skinwright.exe", "Skinwright"},
        {"Skinwright.exe", "Skinwright"},
        {"D:Theme.Tool.exe", "Theme.Tool"},
        {"/opt/skin/my.skinwright", "my"},
    };
    for (const auto& [path, name] : cases)
        EXPECT_EQ(ApplicationNameFromPath(path), name) << path;
}

}  // namespace
}  // namespace skinwright::behaviour
