// The resource lists: report-style list views of four columns, the name
// and the id and offsets as "0x%08X", with grid lines, whole-row selection
// and headers the user can drag into another order.
#pragma once

#include <windows.h>

#include <string>

#include "behaviour/shown_controls.h"
#include "core/packet_format.h"

namespace skinwright::win32 {

// Removes every row and column, then inserts the four columns given.
void SetUpResourceList(HWND list, const behaviour::ListColumns& columns);
// Removes every row; the list is not redrawn until the rows are all in.
void BeginRows(HWND list);
void AppendRow(HWND list, const ResourceEntry& row);
void EndRows(HWND list);
// The selected row, or -1.
int SelectedRow(HWND list);

}  // namespace skinwright::win32
