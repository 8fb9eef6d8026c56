// Skinwright starts into the Viewer and ends when the Viewer closes.
#include <QApplication>

#include "platform/modal.h"
#include "platform/qt_system_dialogs.h"
#include "shell/application_name.h"
#include "shell/settings_file.h"
#include "viewer/viewer_dialog.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QString name = skinwright::shell::ApplicationName();
    QApplication::setApplicationName(name);

    skinwright::platform::QtSystemDialogs dialogs;
    skinwright::viewer::ViewerDialog viewer(
        {dialogs, skinwright::shell::SettingsFilePath(), skinwright::shell::ProgramFolder(), name});
    skinwright::platform::RunModal(viewer);
    return 0;
}
