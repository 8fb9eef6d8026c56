// The About window: the program's icon, name and version, and the usage text
// that explains the Viewer and the Builder. The text can be selected and
// copied but not changed; OK, Enter on OK, Esc and the close box close it.
#pragma once

#include <QString>

#include "platform/template_dialog.h"

namespace skinwright::shell {

class AboutDialog : public platform::TemplateDialog {
public:
    explicit AboutDialog(QWidget* parent = nullptr);

    // The text shown, each line ending in CR LF.
    const QString& UsageText() const;

private:
    QString usageText_;
};

// Creates the About window, shows it modally and destroys it; the usage text
// is built anew at every opening.
void ShowAboutDialog(QWidget* parent);

}  // namespace skinwright::shell
