#include "art.h"

#include <QString>

namespace skinwright::art {

QPixmap Bitmap(int id)
{
    return QPixmap(QStringLiteral(":/skinwright/bitmap%1.xpm").arg(id));
}

QIcon AppIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/skinwright/icon128_32.xpm"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/skinwright/icon128_16.xpm"), QSize(16, 16));
    return icon;
}

}  // namespace skinwright::art
