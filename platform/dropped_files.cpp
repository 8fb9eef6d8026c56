#include "dropped_files.h"

#include <QMimeData>
#include <QUrl>

namespace skinwright::platform {

QStringList DroppedFiles(const QMimeData& data)
{
    QStringList files;
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile())
            files << url.toLocalFile();
    }
    return files;
}

}  // namespace skinwright::platform
