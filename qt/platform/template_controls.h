// Creates the Qt widget for one control of a dialog template.
#pragma once

#include <QIcon>

#include "res/templates/dialog_template.h"

class QWidget;

namespace skinwright::platform {

// The templates are data every front end makes its windows from.
using templates::ControlKind;
using templates::ControlTemplate;
using templates::DialogTemplate;
using templates::kNoId;
using templates::StyleFlags;
namespace style = templates::style;
namespace window_style = templates::window_style;

// The widget for the control's kind and style, with its text, as a child of
// parent. Geometry and tab order are the dialog's business.
QWidget* CreateControl(const ControlTemplate& control, QWidget* parent, const QIcon& icon);

// Applies the template's text to a widget of any kind, so that a widget made
// by a caller's factory gets the caption the template gives it.
void ApplyControlText(QWidget& widget, const ControlTemplate& control);

// A label's text as Windows shows it without the no-mnemonic style: "&&"
// becomes "&" and any other "&" is dropped.
QString WithoutMnemonics(const QString& text);

}  // namespace skinwright::platform
