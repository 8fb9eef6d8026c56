#include "application_name.h"

#include <QCoreApplication>
#include <QDir>

#include "behaviour/application_name.h"

namespace skinwright::shell {

QString ApplicationName()
{
    return QString::fromStdString(
        behaviour::ApplicationNameFromPath(QCoreApplication::applicationFilePath().toStdString()));
}

QString ProgramFolder()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/");
}

}  // namespace skinwright::shell
