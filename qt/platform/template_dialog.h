// A fixed-size dialog built from a dialog template. Every control with an id
// can be looked up by it; push buttons 1 and 2 accept and reject the dialog.
// Enter is left to the window: no push button is auto-default, and only a
// default push button of the template reacts to it.
#pragma once

#include <functional>
#include <map>

#include <QDialog>
#include <QIcon>

class QKeyEvent;

#include "behaviour/window_behaviour.h"
#include "dialog_units.h"
#include "template_controls.h"

namespace skinwright::platform {

// Makes the widget of one control in place of the standard one, for instance
// the owner-drawn Help button.
using ControlFactory = std::function<QWidget*(QWidget* parent)>;

struct TemplateOptions {
    std::map<int, ControlFactory> factories;  // by control id
    QIcon icon;                               // shown by ControlKind::Icon controls
};

class TemplateDialog : public QDialog {
public:
    explicit TemplateDialog(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr,
                            const TemplateOptions& options = {});

    // The control of that id, or nullptr.
    QWidget* Control(int id) const;

    template <class T>
    T* ControlAs(int id) const
    {
        return dynamic_cast<T*>(Control(id));
    }

    DialogBaseUnits BaseUnits() const { return baseUnits_; }

protected:
    // True when the key is Enter or Esc, which this then handles as Windows
    // does: Enter on a focused push button clicks it; otherwise the window
    // closes (accepted on Enter, rejected on Esc) if `closes` says so.
    bool HandleClosingKeys(const QKeyEvent& event, const std::function<bool(behaviour::ClosingKey)>& closes);

private:
    QWidget* MadeByFactory(const ControlTemplate& control, const TemplateOptions& options);

    DialogBaseUnits baseUnits_;
    std::map<int, QWidget*> controls_;
};

}  // namespace skinwright::platform
