// What both front ends show the same way: how much each field holds, the
// resource lists' columns and the texts of their cells, the About menu
// item. The front ends only read it.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/filled_text.h"
#include "core/packet_format.h"

namespace skinwright::behaviour {

// Characters each field holds.
inline constexpr int kPathFieldLimit = 1024;
inline constexpr int kWorkFolderLimit = 1024;
inline constexpr int kCommentsLimit = 8192;

// The columns of a resource list: name, id, name offset, data offset; all
// left-aligned, widths in pixels at 96 dots per inch. Headings are shown
// translated.
struct ListColumn {
    std::string_view heading;
    int width;
};
using ListColumns = std::array<ListColumn, 4>;
inline constexpr ListColumns kViewerColumns = {{
    {N_("Possible Resource Name"), 200}, {N_("Resource ID"), 80}, {N_("ID Offset"), 80}, {N_("Data Offset"), 80}}};
inline constexpr ListColumns kBuilderColumns = {{
    {N_("Resource Name"), 200}, {N_("Resource ID"), 80}, {N_("ID Offset"), 80}, {N_("Data Offset"), 80}}};

// A column's width on screen, from its width at the screen's DPI: a number
// column is widened to hold its widest text with the list's margins
// (`widestNumber`), so that no id or offset is cut.
int ShownColumnWidth(std::size_t column, int scaledWidth, int widestNumber);

// A cell of a row, by column index (UTF-8): the name, or a number as
// "0x%08X". A column moved by the user keeps its index.
std::string CellText(const ResourceEntry& row, int column);

// The item the Viewer adds to its system menu (its context menu on Linux).
inline constexpr std::string_view kAboutMenuText = N_("About Skinwright(&A) and Help ...");

}  // namespace skinwright::behaviour
