#include "about_dialog.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/modal.h"
#include "res/art/art.h"
#include "res/templates/dialog_templates.h"
#include "behaviour/usage_text.h"

namespace skinwright::shell {

namespace {

platform::TemplateOptions AboutOptions()
{
    platform::TemplateOptions options;
    options.icon = art::AppIcon();
    return options;
}

// The usage text takes Enter itself, as a multi-line edit does, so Enter in
// it does not close the window; being read-only, it changes nothing either.
class EnterKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : TemplateDialog(templates::AboutTemplate(), parent, AboutOptions()),
      usageText_(QString::fromStdString(behaviour::BuildUsageText()))
{
    setWindowIcon(art::AppIcon());
    if (auto* usage = ControlAs<QPlainTextEdit>(templates::about::kUsageText)) {
        usage->setPlainText(QString(usageText_).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        usage->installEventFilter(new EnterKeeper(usage));
        // Read-only text sits on the window's own background, as a label does.
        QPalette palette = usage->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        usage->setPalette(palette);
    }
    if (auto* ok = ControlAs<QPushButton>(templates::about::kOkButton))
        ok->setFocus();
}

const QString& AboutDialog::UsageText() const
{
    return usageText_;
}

void ShowAboutDialog(QWidget* parent)
{
    AboutDialog dialog(parent);
    platform::RunModal(dialog);
}

}  // namespace skinwright::shell
