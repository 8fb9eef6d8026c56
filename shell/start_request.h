// What the command line asks of the program at start. The program is meant
// to be started without arguments, or by a file manager with one packet; any
// other command line starts it as without arguments.
#pragma once

#include <optional>

#include <QByteArray>
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

// A command-line argument as text; none when its bytes are no text in the
// system's encoding (UTF-8), so that no path made of it could name the file.
std::optional<QString> ArgumentText(const QByteArray& argument);

QString HelpText(const QString& applicationName);
QString VersionText(const QString& applicationName);

}  // namespace skinwright::shell
