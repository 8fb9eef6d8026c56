#include "report_list.h"

#include <commctrl.h>

#include <algorithm>
#include <string_view>

#include "behaviour/translation.h"
#include "dpi.h"
#include "wide_text.h"

namespace skinwright::win32 {
namespace {

void SetCell(HWND list, int row, int column, const std::string& text)
{
    std::wstring wide = WideFromUtf8(text);
    LVITEMW cell = {};
    cell.iSubItem = column;
    cell.pszText = wide.data();
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
}

// The widths are pixels at 96 dots per inch; a screen of more dots gets
// them in proportion.
int ScaledWidth(HWND list, int width)
{
    const UINT dotsPerInch = WindowDpi(list);
    return dotsPerInch > kStandardDpi ? MulDiv(width, static_cast<int>(dotsPerInch), kStandardDpi) : width;
}

// What the widest "0x%08X" text needs in the list's font, with the list's
// margin of 6 pixels (at 96 DPI) on either side. Digits differ in width, so
// the whole text is measured for each.
int WidestNumberWidth(HWND list)
{
    const HDC context = GetDC(list);
    const HGDIOBJ oldFont = SelectObject(context, reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)));
    int widest = 0;
    for (const wchar_t digit : std::wstring_view(L"0123456789ABCDEF")) {
        const std::wstring number = L"0x" + std::wstring(8, digit);
        SIZE extent = {};
        GetTextExtentPoint32W(context, number.c_str(), static_cast<int>(number.size()), &extent);
        widest = std::max(widest, static_cast<int>(extent.cx));
    }
    SelectObject(context, oldFont);
    ReleaseDC(list, context);
    return widest + 2 * ScaledWidth(list, 6);
}

void InsertColumn(HWND list, int column, std::string_view heading, int width)
{
    std::wstring wide = WideFromUtf8(behaviour::Tr(heading));
    LVCOLUMNW entry = {};
    entry.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    entry.fmt = LVCFMT_LEFT;
    entry.cx = width;
    entry.pszText = wide.data();
    entry.iSubItem = column;
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&entry));
}

}  // namespace

void SetUpResourceList(HWND list, const behaviour::ListColumns& columns)
{
    const DWORD extended = LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP | LVS_EX_FULLROWSELECT;
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    while (SendMessageW(list, LVM_DELETECOLUMN, 0, 0) != FALSE) {
    }
    const int widestNumber = WidestNumberWidth(list);
    for (std::size_t column = 0; column < columns.size(); ++column)
        InsertColumn(list, static_cast<int>(column), columns[column].heading,
                     behaviour::ShownColumnWidth(column, ScaledWidth(list, columns[column].width), widestNumber));
}

void BeginRows(HWND list)
{
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
}

void AppendRow(HWND list, const ResourceEntry& row)
{
    std::wstring name = WideFromUtf8(behaviour::CellText(row, 0));
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    item.pszText = name.data();
    const int index = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    for (int column = 1; column < 4; ++column)
        SetCell(list, index, column, behaviour::CellText(row, column));
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
