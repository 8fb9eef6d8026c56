#include "dropped_files.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace skinwright::platform {

QStringList DroppedFiles(const QDropEvent& event)
{
    QStringList files;
    if (event.source() != nullptr || event.mimeData() == nullptr)
        return files;
    for (const QUrl& url : event.mimeData()->urls()) {
        if (url.isLocalFile())
            files << url.toLocalFile();
    }
    return files;
}

}  // namespace skinwright::platform
