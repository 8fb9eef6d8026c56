// What the window tests read and write: whole files, files dropped from a
// file manager, and the texts of the message boxes the scripted dialogs were
// asked to show.
#pragma once

#include <ostream>

#include <gtest/gtest.h>

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>

#include "behaviour/settings_file.h"
#include "platform/paths.h"
#include "behaviour/scripted_dialogs.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace skinwright::test {

// The file's bytes; empty when it cannot be read.
inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A file that cannot be written whole fails the test.
inline void WriteAll(const QString& path, QByteArrayView bytes)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes.data(), bytes.size()) == bytes.size())
        << path.toStdString();
}

// The files land on `target` as a file manager's drag would bring them: it
// enters, moves and drops. The application hands a drop only to the widget
// that took the drag on entering.
inline void DropFiles(QWidget& target, const QStringList& paths)
{
    QMimeData carried;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    carried.setUrls(urls);
    const QPoint at(4, 4);
    QDragEnterEvent enter(at, Qt::CopyAction, &carried, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&target, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &carried, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&target, &move);
    QDropEvent drop(at, Qt::CopyAction, &carried, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&target, &drop);
}

// A key of the settings file, as the windows read and write it.
inline QString ReadSetting(const QString& settings, std::string_view section, std::string_view key,
                           std::string_view fallback)
{
    return QString::fromStdString(
        behaviour::ReadSetting(platform::ToFileSystemPath(settings), section, key, fallback));
}

inline void WriteSetting(const QString& settings, std::string_view section, std::string_view key,
                         const QString& value)
{
    behaviour::WriteSetting(platform::ToFileSystemPath(settings), section, key, value.toStdString());
}

inline QStringList MessageTexts(const behaviour::ScriptedDialogs& dialogs)
{
    QStringList texts;
    for (const std::string& text : dialogs.MessageTexts())
        texts << QString::fromStdString(text);
    return texts;
}

// Paths as the dialogs take and give them, and back.
inline std::filesystem::path Path(const QString& path)
{
    return platform::ToFileSystemPath(path);
}

inline std::vector<std::filesystem::path> Paths(const QStringList& paths)
{
    std::vector<std::filesystem::path> converted;
    for (const QString& path : paths)
        converted.push_back(Path(path));
    return converted;
}

inline QString Text(const std::filesystem::path& path)
{
    return platform::FromFileSystemPath(path);
}

}  // namespace skinwright::test
