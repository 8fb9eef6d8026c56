#include "template_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "behaviour/translation.h"
#include "template_controls.h"

namespace skinwright::platform {
namespace {

constexpr int kOkId = 1;
constexpr int kCancelId = 2;

Qt::WindowFlags FlagsOf(const DialogTemplate& dialogTemplate)
{
    const bool appWindow = dialogTemplate.windowStyle & window_style::kAppWindow;
    Qt::WindowFlags flags = (appWindow ? Qt::Window : Qt::Dialog) | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::MSWindowsFixedSizeDialogHint;
    if (dialogTemplate.windowStyle & window_style::kSystemMenu)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (dialogTemplate.windowStyle & window_style::kMinimizeBox)
        flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

}  // namespace

TemplateDialog::TemplateDialog(const DialogTemplate& dialogTemplate, QWidget* parent,
                               const TemplateOptions& options)
    : QDialog(parent, FlagsOf(dialogTemplate))
{
    setWindowTitle(QString::fromStdString(behaviour::Tr(dialogTemplate.title)));
    setFont(DialogFont(QString::fromStdString(dialogTemplate.fontFamily), dialogTemplate.fontPointSize));
    baseUnits_ = BaseUnitsOf(font());
    setFixedSize(MapDialogRect(QRect(0, 0, dialogTemplate.width, dialogTemplate.height), baseUnits_).size());

    QWidget* previous = nullptr;
    QLabel* label = nullptr;  // the label just before, which names a field
    for (const ControlTemplate& control : dialogTemplate.controls) {
        QWidget* widget = MadeByFactory(control, options);
        if (widget)
            ApplyControlText(*widget, control);
        else
            widget = CreateControl(control, this, options.icon);
        widget->setGeometry(
            MapDialogRect(QRect(control.x, control.y, control.width, control.height), baseUnits_));
        if (control.id != kNoId) {
            widget->setObjectName(QStringLiteral("control%1").arg(control.id));
            controls_[control.id] = widget;
        }
        if (label && control.kind == ControlKind::Edit)
            label->setBuddy(widget);
        label = control.kind == ControlKind::StaticText ? qobject_cast<QLabel*>(widget) : nullptr;
        if (widget->focusPolicy() & Qt::TabFocus) {
            if (previous)
                setTabOrder(previous, widget);
            previous = widget;
        }
    }

    if (auto* ok = ControlAs<QPushButton>(kOkId))
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    if (auto* cancel = ControlAs<QPushButton>(kCancelId))
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* TemplateDialog::MadeByFactory(const ControlTemplate& control, const TemplateOptions& options)
{
    if (control.id == kNoId)
        return nullptr;
    const auto factory = options.factories.find(control.id);
    if (factory == options.factories.end() || !factory->second)
        return nullptr;
    QWidget* widget = factory->second(this);
    if (widget && widget->parentWidget() != this)
        widget->setParent(this);
    return widget;
}

QWidget* TemplateDialog::Control(int id) const
{
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

bool TemplateDialog::HandleClosingKeys(const QKeyEvent& event,
                                       const std::function<bool(behaviour::ClosingKey)>& closes)
{
    if (event.key() == Qt::Key_Escape && event.modifiers() == Qt::NoModifier) {
        if (closes(behaviour::ClosingKey::Escape))
            reject();
        return true;
    }
    if (event.key() != Qt::Key_Return && event.key() != Qt::Key_Enter)
        return false;
    if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
        button->click();
    else if (closes(behaviour::ClosingKey::Enter))
        accept();
    return true;
}

}  // namespace skinwright::platform
