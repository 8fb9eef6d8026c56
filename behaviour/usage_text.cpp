#include "usage_text.h"

#include <array>

namespace skinwright::behaviour {

std::string BuildUsageText()
{
    // One segment per paragraph step; an empty line belongs to the segment
    // before it.
    static constexpr std::array<const char*, 11> kSegments{
        "There are 2 modules in this application, Viewer & Builder\r\n",
        "Support E680/A768/A768I/A780\r\n"
        "\r\n",
        "Viewer(First Dialog):\r\n",
        "Open an existing iconres.ezx file, export related\r\n",
        "sub-resources and header info, get ready for Builder.\r\n"
        "\r\n",
        "Builder(Second Page, Click \"Build New Resource Packet ...\" to launch\r\n",
        "1 - Choose Work Folder, where your picture files locating\r\n",
        "2 - Edit your Resource List, can Add or Remove\r\n",
        "3 - Compile new iconres.ezx packet file\r\n"
        "\r\n",
        "Then apply it through TELNET or MTF theme packet\r\n",
        "GOOD LUCK!\r\n",
    };
    std::string text;
    for (const char* segment : kSegments)
        text += segment;
    return text;
}

}  // namespace skinwright::behaviour
