// Files a drag from a file manager carries: its local file URLs as paths.
#pragma once

#include <QStringList>

class QDropEvent;

namespace skinwright::platform {

// The local files among the drag's URLs, in their order; URLs of other
// schemes are left out. A drag that started inside the program brings none:
// a row of a list dropped back on a window is no file to take.
QStringList DroppedFiles(const QDropEvent& event);

}  // namespace skinwright::platform
