// The page of a contact sheet: a heading with the packet's name, comment and
// counts, then one cell per resource in the packet's order, each with its
// picture (a file beside the page), name, id, facts and what is wrong with
// it. Plain HTML and CSS: no script, nothing from the network.
#pragma once

#include <string>
#include <vector>

namespace skinwright::cli {

// Every text as shown: UTF-8, control characters written out; the page escapes it.
struct SheetHeading {
    std::string title;                      // the packet's file name
    std::vector<std::string> commentLines;  // none for an empty comment
    std::string counts;
};

struct SheetCell {
    std::string name;
    std::string id;
    std::string file;  // the picture's file beside the page; empty when none was written
    bool hasSize = false;
    int width = 0;
    int height = 0;
    std::string facts;
    std::vector<std::string> marks;  // what is wrong, one sentence each
};

std::string ContactSheetPage(const SheetHeading& heading, const std::vector<SheetCell>& cells);

}  // namespace skinwright::cli
