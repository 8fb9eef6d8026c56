#include "paths.h"

#include <QDir>
#include <QFile>

#include "core/codepage.h"

namespace skinwright::platform {

QString EnsureTrailingSeparator(const QString& folder)
{
    if (folder.isEmpty() || folder.endsWith(u'/'))
        return folder;
    return folder + u'/';
}

QString DefaultFolder()
{
#ifdef _WIN32
    return QStringLiteral("C:\\");
#else
    return EnsureTrailingSeparator(QDir::homePath());
#endif
}

bool IsNetworkPath([[maybe_unused]] const QString& path)
{
#ifdef _WIN32
    return path.startsWith(u'\\');
#else
    return false;
#endif
}

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
