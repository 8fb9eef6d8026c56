// Skinwright starts into the Viewer and ends when the Viewer closes. Its one
// argument, when it has one, is the packet the Viewer opens.
#include <cstdio>

#include <QApplication>
#include <QFile>

#include "platform/modal.h"
#include "platform/qt_system_dialogs.h"
#include "platform/termination_signals.h"
#include "shell/application_name.h"
#include "shell/settings_file.h"
#include "shell/start_request.h"
#include "viewer/viewer_dialog.h"

namespace {

// An argument that is no text cannot name its file through the windows'
// text: it is left out, and said so when `report` is set.
QStringList ArgumentsOf(int argc, char** argv, bool report)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        if (const std::optional<QString> text = skinwright::shell::ArgumentText(argv[i]))
            arguments << *text;
        else if (report)
            std::fprintf(stderr, "%s: %s: the name is not valid UTF-8, the encoding of file names here, "
                         "so it cannot be opened\n", argv[0], QFile::decodeName(argv[i]).toUtf8().constData());
    }
    return arguments;
}

int Print(const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    using skinwright::shell::StartRequest;

    // Help and version need no display, so they are answered before the
    // application object connects to one.
    const QString name = skinwright::shell::ApplicationNameFromPath(QFile::decodeName(argv[0]));
    const StartRequest asked = skinwright::shell::ParseStartArguments(ArgumentsOf(argc, argv, false));
    if (asked.action == StartRequest::Action::PrintHelp)
        return Print(skinwright::shell::HelpText(name));
    if (asked.action == StartRequest::Action::PrintVersion)
        return Print(skinwright::shell::VersionText(name));

    // The application object takes out the options meant for Qt (such as
    // -platform); what is left is the program's own command line.
    QApplication application(argc, argv);
    QApplication::setApplicationName(skinwright::shell::ApplicationName());
    const StartRequest request = skinwright::shell::ParseStartArguments(ArgumentsOf(argc, argv, true));
    skinwright::platform::QuitOnTerminationSignals();

    skinwright::platform::QtSystemDialogs dialogs;
    const QString programFolder = skinwright::shell::ProgramFolder();
    const QString applicationName = QApplication::applicationName();
    skinwright::viewer::ViewerDialog viewer({dialogs, skinwright::shell::SettingsFilePath(), programFolder,
                                             applicationName, request.packet,
                                             skinwright::shell::KeepsFilesBesideProgram(programFolder, applicationName)});
    skinwright::platform::RunModal(viewer);
    return 0;
}
