#include "usage_text.h"

#include <array>
#include <string_view>

#include "core/filled_text.h"
#include "translation.h"

namespace skinwright::behaviour {

std::string BuildUsageText()
{
    static constexpr std::array<std::string_view, 14> kLines{
        N_("There are 2 modules in this application, Viewer & Builder"),
        N_("Support E680/A768/A768I/A780"),
        "",
        N_("Viewer(First Dialog):"),
        N_("Open an existing iconres.ezx file, export related"),
        N_("sub-resources and header info, get ready for Builder."),
        "",
        N_("Builder(Second Page, Click \"Build New Resource Packet ...\" to launch"),
        N_("1 - Choose Work Folder, where your picture files locating"),
        N_("2 - Edit your Resource List, can Add or Remove"),
        N_("3 - Compile new iconres.ezx packet file"),
        "",
        N_("Then apply it through TELNET or MTF theme packet"),
        N_("GOOD LUCK!"),
    };
    std::string text;
    for (const std::string_view line : kLines)
        text += Tr(line) + "\r\n";
    return text;
}

}  // namespace skinwright::behaviour
