#include "application_name.h"

#include <QCoreApplication>
#include <QDir>

namespace skinwright::shell {

QString ApplicationNameFromPath(const QString& modulePath)
{
    qsizetype start = -1;
    for (const QChar separator : {QChar('\\'), QChar('/'), QChar(':')})
        start = std::max(start, modulePath.lastIndexOf(separator));
    QString name = modulePath.mid(start + 1);
    const qsizetype dot = name.lastIndexOf('.');
    return dot < 0 ? name : name.left(dot);
}

QString ApplicationName()
{
    return ApplicationNameFromPath(QCoreApplication::applicationFilePath());
}

QString ProgramFolder()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/");
}

}  // namespace skinwright::shell
