// The set-up both windows give their resource list.
#pragma once

class QTableView;

namespace skinwright::shell {

class ResourceListModel;

// Shows the model with grid lines, rows as high as the font needs, headers
// the user can drag, no context menu, and its columns' widths; a number
// column is wider where the list's font needs more to show "0x" and eight
// hexadecimal digits whole.
void SetUpResourceList(QTableView& list, ResourceListModel& model);

}  // namespace skinwright::shell
