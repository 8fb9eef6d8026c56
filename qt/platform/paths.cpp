#include "paths.h"

#include <QFile>

#include "core/codepage.h"

namespace skinwright::platform {

std::filesystem::path ToFileSystemPath(const QString& path)
{
    const QByteArray encoded = QFile::encodeName(path);
    return std::filesystem::path(std::string(encoded.constData(), static_cast<std::size_t>(encoded.size())));
}

QString FromFileSystemPath(const std::filesystem::path& path)
{
    const std::string& encoded = path.native();
    return QFile::decodeName(QByteArray(encoded.data(), static_cast<qsizetype>(encoded.size())));
}

QString DisplayName(std::string_view cp1252)
{
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

}  // namespace skinwright::platform
