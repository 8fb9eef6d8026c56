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
    return EnsureTrailingSeparator(QDir::homePath());
}

bool IsNetworkPath(const QString& path)
{
    return path.startsWith(QStringLiteral("\\\\")) || path.startsWith(QStringLiteral("//"));
}

std::filesystem::path ToFileSystemPath(const QString& path)
{
    const QByteArray encoded = QFile::encodeName(path);
    return std::filesystem::path(std::string(encoded.constData(), static_cast<std::size_t>(encoded.size())));
}

QString DisplayName(std::string_view cp1252)
{
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

QString ResourceFileName(std::string_view cp1252)
{
    QString name = DisplayName(cp1252);
    name.replace(u'/', u'_');
    return name;
}

std::optional<std::string> ToCp1252(const QString& text)
{
    return Utf8ToCp1252(text.toStdString());
}

}  // namespace skinwright::platform
