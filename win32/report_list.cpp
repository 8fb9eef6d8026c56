#include "report_list.h"

#include <commctrl.h>

#include "core/codepage.h"
#include "wide_text.h"

namespace skinwright::win32 {
namespace {

constexpr int kNameWidth = 200;
constexpr int kNumberWidth = 80;

void SetCell(HWND list, int row, int column, const std::string& text)
{
    std::wstring wide = WideFromUtf8(text);
    LVITEMW cell = {};
    cell.iSubItem = column;
    cell.pszText = wide.data();
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
}

// The widths are pixels at 96 dots per inch; a screen of more dots gets
// them in proportion, so the texts that fit there fit on it too.
int ScaledWidth(HWND list, int width)
{
    const HDC context = GetDC(list);
    const int dotsPerInch = GetDeviceCaps(context, LOGPIXELSX);
    ReleaseDC(list, context);
    return dotsPerInch > 96 ? MulDiv(width, dotsPerInch, 96) : width;
}

void InsertColumn(HWND list, int column, const std::string& heading, int width)
{
    std::wstring wide = WideFromUtf8(heading);
    LVCOLUMNW entry = {};
    entry.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    entry.fmt = LVCFMT_LEFT;
    entry.cx = ScaledWidth(list, width);
    entry.pszText = wide.data();
    entry.iSubItem = column;
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&entry));
}

}  // namespace

void SetUpResourceList(HWND list, const std::string& nameHeading)
{
    const DWORD extended = LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP | LVS_EX_FULLROWSELECT;
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    while (SendMessageW(list, LVM_DELETECOLUMN, 0, 0) != FALSE) {
    }
    InsertColumn(list, 0, nameHeading, kNameWidth);
    InsertColumn(list, 1, "Resource ID", kNumberWidth);
    InsertColumn(list, 2, "ID Offset", kNumberWidth);
    InsertColumn(list, 3, "Data Offset", kNumberWidth);
}

void BeginRows(HWND list)
{
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
}

void AppendRow(HWND list, const ResourceEntry& row)
{
    std::wstring name = WideFromUtf8(Cp1252ToUtf8(row.Name()));
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    item.pszText = name.data();
    const int index = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    SetCell(list, index, 1, FormatHex32(row.id));
    SetCell(list, index, 2, FormatHex32(static_cast<std::uint32_t>(row.idOffset)));
    SetCell(list, index, 3, FormatHex32(static_cast<std::uint32_t>(row.dataOffset)));
}

void EndRows(HWND list)
{
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

int SelectedRow(HWND list)
{
    return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

}  // namespace skinwright::win32
