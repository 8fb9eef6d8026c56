// Skinwright starts into the Viewer and ends when the Viewer closes. Its one
// argument, when it has one, is the packet the Viewer opens.
#include <cstdio>
#include <string>
#include <vector>

#include <QApplication>
#include <QFile>

#include "behaviour/application_name.h"
#include "behaviour/program_setup.h"
#include "behaviour/start_request.h"
#include "core/codepage.h"
#include "platform/language.h"
#include "platform/modal.h"
#include "platform/paths.h"
#include "platform/qt_system_dialogs.h"
#include "platform/termination_signals.h"
#include "shell/application_name.h"
#include "viewer/viewer_dialog.h"

namespace {

using skinwright::behaviour::StartRequest;

// An argument that is no UTF-8 cannot name its file through the windows'
// text: it is left out, and said so when `report` is set.
StartRequest RequestOf(int argc, char** argv, bool report)
{
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        if (skinwright::IsValidUtf8(argv[i]))
            arguments.emplace_back(argv[i]);
        else if (report)
            std::fprintf(stderr, "%s: %s: the name is not valid UTF-8, the encoding of file names here, "
                         "so it cannot be opened\n", argv[0], QFile::decodeName(argv[i]).toUtf8().constData());
    }
    return skinwright::behaviour::ParseStartArguments(arguments, std::filesystem::current_path());
}

int Print(const std::string& text)
{
    std::fputs(text.c_str(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace skinwright;

    // Help and version need no display, so they are answered before the
    // application object connects to one.
    const std::string name = behaviour::ApplicationNameFromPath(argv[0]);
    const StartRequest asked = RequestOf(argc, argv, false);
    if (asked.action == StartRequest::Action::PrintHelp)
        return Print(behaviour::HelpText(name));
    if (asked.action == StartRequest::Action::PrintVersion)
        return Print(behaviour::VersionText(name));

    // The application object takes out the options meant for Qt (such as
    // -platform); what is left is the program's own command line.
    QApplication application(argc, argv);
    QApplication::setApplicationName(shell::ApplicationName());
    platform::SpeakUserLanguage(application);
    const StartRequest request = RequestOf(argc, argv, true);
    platform::QuitOnTerminationSignals();

    platform::QtSystemDialogs dialogs;
    const behaviour::ProgramSetup setup = behaviour::DecideProgramSetup(
        platform::ToFileSystemPath(shell::ProgramFolder()), QApplication::applicationName().toStdString(),
        request.packet);
    viewer::ViewerDialog viewer(setup, dialogs);
    platform::RunModal(viewer);
    return 0;
}
