#include "settings_file.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "application_name.h"
#include "platform/private_profile.h"

namespace skinwright::shell {
namespace {

std::string_view View(const QByteArray& bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

QString SettingsFileName(const QString& applicationName)
{
    return applicationName + QStringLiteral(".ini");
}

}  // namespace

// The folder the package installs the program into is never the settings'
// place, even for root, who may write there: a file root left there would
// otherwise become every user's, and theirs to lose.
bool KeepsFilesBesideProgram(const QString& programFolder, const QString& applicationName)
{
    if (QDir(programFolder) == QDir(QStringLiteral(SKINWRIGHT_INSTALLED_FOLDER)))
        return false;
    return QFileInfo::exists(programFolder + SettingsFileName(applicationName)) || QFileInfo(programFolder).isWritable();
}

QString SettingsFilePath()
{
    return SettingsFilePathFor(ProgramFolder(), ApplicationName());
}

QString SettingsFilePathFor(const QString& programFolder, const QString& applicationName)
{
    const QString fileName = SettingsFileName(applicationName);
    if (KeepsFilesBesideProgram(programFolder, applicationName))
        return programFolder + fileName;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)).filePath(fileName);
}

QString ReadSetting(const QString& path, std::string_view section, std::string_view key,
                    const QString& defaultValue)
{
    const QByteArray fallback = defaultValue.toUtf8();
    return QString::fromStdString(platform::ReadProfileString(path, section, key, View(fallback), kReadLimit));
}

bool WriteSetting(const QString& path, std::string_view section, std::string_view key, const QString& value)
{
    // The user's configuration folder may not exist yet on a new account.
    QDir().mkpath(QFileInfo(path).absolutePath());
    return platform::WriteProfileString(path, section, key, View(value.toUtf8()));
}

QString EncodeComments(const QString& comments)
{
    QString stored = comments;
    stored.replace(u'\r', QChar(2));
    stored.replace(u'\n', QChar(3));
    return stored;
}

QString DecodeComments(const QString& stored)
{
    QString comments = stored;
    comments.replace(QChar(2), u'\r');
    comments.replace(QChar(3), u'\n');
    return comments;
}

}  // namespace skinwright::shell
