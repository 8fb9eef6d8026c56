// What the window tests read and write: whole files, and the texts of the
// message boxes the scripted dialogs were asked to show.
#pragma once

#include <ostream>

#include <gtest/gtest.h>

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <QStringList>

#include "platform/scripted_dialogs.h"

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

inline QStringList MessageTexts(const platform::ScriptedDialogs& dialogs)
{
    QStringList texts;
    for (const auto& call : dialogs.Messages())
        texts << call.request.text;
    return texts;
}

}  // namespace skinwright::test
