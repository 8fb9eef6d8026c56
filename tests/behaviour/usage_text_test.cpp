#include <gtest/gtest.h>

#include "behaviour/usage_text.h"

namespace skinwright::behaviour {
namespace {

const char* const kUsageText =
    "There are 2 modules in this application, Viewer & Builder\r\n"
    "Support E680/A768/A768I/A780\r\n"
    "\r\n"
    "Viewer(First Dialog):\r\n"
    "Open an existing iconres.ezx file, export related\r\n"
    "sub-resources and header info, get ready for Builder.\r\n"
    "\r\n"
    "Builder(Second Page, Click \"Build New Resource Packet ...\" to launch\r\n"
    "1 - Choose Work Folder, where your picture files locating\r\n"
    "2 - Edit your Resource List, can Add or Remove\r\n"
    "3 - Compile new iconres.ezx packet file\r\n"
    "\r\n"
    "Then apply it through TELNET or MTF theme packet\r\n"
    "GOOD LUCK!\r\n";

TEST(UsageTextTest, IsTheFourteenLinesWithCarriageReturnLineFeed)
{
    EXPECT_EQ(BuildUsageText(), kUsageText);
}

}  // namespace
}  // namespace skinwright::behaviour
