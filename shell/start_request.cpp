#include "start_request.h"

#include <QDir>
#include <QFile>

namespace skinwright::shell {

StartRequest ParseStartArguments(const QStringList& arguments)
{
    StartRequest request;
    if (arguments.size() != 1)
        return request;
    const QString& argument = arguments.front();
    if (argument == "--help" || argument == "-h")
        request.action = StartRequest::Action::PrintHelp;
    else if (argument == "--version")
        request.action = StartRequest::Action::PrintVersion;
    else if (!argument.isEmpty() && !argument.startsWith(u'-'))
        request.packet = QDir::current().absoluteFilePath(argument);
    return request;
}

std::optional<QString> ArgumentText(const QByteArray& argument)
{
    QString text = QFile::decodeName(argument);
    if (QFile::encodeName(text) != argument)
        return std::nullopt;
    return text;
}

QString HelpText(const QString& applicationName)
{
    return QStringLiteral(
               "Usage: %1 [PACKET]\n"
               "\n"
               "Shows the pictures of an icon-resource packet (iconres.ezx) of Motorola EZX\n"
               "phones, exports them, and builds new packets from GIF pictures.\n"
               "\n"
               "With PACKET the Viewer opens that packet; without it, the packet it showed\n"
               "last. Any other command line starts the program as without arguments.\n"
               "\n"
               "Options:\n"
               "  -h, --help     show this help and exit\n"
               "      --version  show the version and exit\n"
               "\n"
               "The windows remember their paths and the Builder's comments in %1.ini\n"
               "beside the executable when its folder can be written or already holds that\n"
               "file, otherwise in $XDG_CONFIG_HOME (by default ~/.config).\n"
               "\n"
               "skinpack(1) does the same work from the command line.\n")
        .arg(applicationName);
}

QString VersionText(const QString& applicationName)
{
    return applicationName + " " + SKINWRIGHT_VERSION + "\n";
}

}  // namespace skinwright::shell
