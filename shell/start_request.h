// What the command line asks of the program at start. The program is meant
// to be started without arguments, or by a file manager with one packet; any
// other command line starts it as without arguments.
#pragma once

#include <QString>
#include <QStringList>

namespace skinwright::shell {

struct StartRequest {
    enum class Action { Run, PrintHelp, PrintVersion };
    Action action = Action::Run;
    QString packet;  // absolute; empty when no packet was given
};

// `arguments` without the program's own name.
StartRequest ParseStartArguments(const QStringList& arguments);

QString HelpText(const QString& applicationName);
QString VersionText(const QString& applicationName);

}  // namespace skinwright::shell
