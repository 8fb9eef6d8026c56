#include "contact_sheet.h"

#include <string_view>

#include "html_text.h"

namespace skinwright::cli {
namespace {

// Cells as wide as their picture, at least 10em; pictures at their own size
// over a checkerboard, so that transparent pixels show as such.
constexpr std::string_view kStyle = R"(
body { font: 14px/1.4 sans-serif; margin: 1.5em; background: #f3f3f3; color: #222; }
h1 { font-size: 1.4em; margin: 0 0 0.3em; }
.comment { white-space: pre-wrap; margin: 0 0 0.3em; }
.counts { margin: 0 0 1em; color: #555; }
.sheet { display: flex; flex-wrap: wrap; gap: 0.75em; list-style: none; margin: 0; padding: 0; }
.sheet li {
  width: min-content; min-width: 10em; padding: 0.5em; overflow-wrap: anywhere;
  background: #fff; border: 1px solid #ccc; border-radius: 4px;
}
.sheet li.marked { border-color: #c00; box-shadow: 0 0 0 1px #c00; background: #fff4f4; }
.picture {
  display: flex; align-items: center; justify-content: center; min-height: 4em; margin-bottom: 0.4em;
  background: repeating-conic-gradient(#ddd 0 25%, #fff 0 50%) 0 0 / 16px 16px;
}
.picture img { display: block; }
.none { color: #c00; }
.sheet p { margin: 0; }
.name { font-weight: bold; }
.id, .facts { font-family: monospace; color: #555; }
.mark { color: #c00; font-weight: bold; }
)";

void AppendHeading(std::string& page, const SheetHeading& heading)
{
    page += "<header>\n<h1>" + HtmlEscaped(heading.title) + "</h1>\n";
    if (!heading.commentLines.empty()) {
        page += "<p class=\"comment\">";
        for (std::size_t i = 0; i < heading.commentLines.size(); ++i)
            page += (i == 0 ? "" : "\n") + HtmlEscaped(heading.commentLines[i]);
        page += "</p>\n";
    }
    page += "<p class=\"counts\">" + HtmlEscaped(heading.counts) + "</p>\n</header>\n";
}

void AppendPicture(std::string& page, const SheetCell& cell)
{
    page += "<div class=\"picture\">";
    if (cell.file.empty()) {
        page += "<span class=\"none\">no picture</span>";
    } else {
        page += "<img src=\"" + HtmlEscaped(RelativeUrl(cell.file)) + "\"";
        if (cell.hasSize)
            page += " width=\"" + std::to_string(cell.width) + "\" height=\"" + std::to_string(cell.height) + "\"";
        page += " alt=\"" + HtmlEscaped(cell.name) + "\">";
    }
    page += "</div>\n";
}

void AppendCell(std::string& page, const SheetCell& cell)
{
    page += cell.marks.empty() ? "<li>\n" : "<li class=\"marked\">\n";
    AppendPicture(page, cell);
    page += "<p class=\"name\">" + HtmlEscaped(cell.name) + "</p>\n";
    page += "<p class=\"id\">" + HtmlEscaped(cell.id) + "</p>\n";
    page += "<p class=\"facts\">" + HtmlEscaped(cell.facts) + "</p>\n";
    for (const std::string& mark : cell.marks)
        page += "<p class=\"mark\">" + HtmlEscaped(mark) + "</p>\n";
    page += "</li>\n";
}

}  // namespace

std::string ContactSheetPage(const SheetHeading& heading, const std::vector<SheetCell>& cells)
{
    std::string page = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>"
        + HtmlEscaped(heading.title) + "</title>\n<style>" + std::string(kStyle) + "</style>\n</head>\n<body>\n";
    AppendHeading(page, heading);
    page += "<ol class=\"sheet\">\n";
    for (const SheetCell& cell : cells)
        AppendCell(page, cell);
    page += "</ol>\n</body>\n</html>\n";
    return page;
}

}  // namespace skinwright::cli
