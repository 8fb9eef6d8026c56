// Files a drag from a file manager carries: its local file URLs as paths.
#pragma once

#include <QStringList>

class QMimeData;

namespace skinwright::platform {

// The local files among the data's URLs, in their order; URLs of other
// schemes are left out.
QStringList DroppedFiles(const QMimeData& data);

}  // namespace skinwright::platform
