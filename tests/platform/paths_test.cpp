#include <gtest/gtest.h>

#include "platform/paths.h"

namespace skinwright::platform {
namespace {

TEST(Paths, Cp1252NamesToTextAndBack)
{
    EXPECT_EQ(DisplayName("caf\xE9.g"), QString::fromUtf8("caf\xC3\xA9.g"));
    EXPECT_EQ(ToFileSystemPath(QString::fromUtf8("/t/caf\xC3\xA9")).string(), "/t/caf\xC3\xA9");
}

}  // namespace
}  // namespace skinwright::platform
