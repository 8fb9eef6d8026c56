#include "template_controls.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "behaviour/translation.h"
#include "multi_line_edit.h"
#include "report_list_view.h"

namespace skinwright::platform {
namespace {

bool Has(const ControlTemplate& control, StyleFlags flag)
{
    return (control.style & flag) != 0;
}

QWidget* CreateStaticText(const ControlTemplate& control, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    const Qt::Alignment horizontal = Has(control, style::kCenter) ? Qt::AlignHCenter : Qt::AlignLeft;
    const Qt::Alignment vertical = Has(control, style::kCenterVertically) ? Qt::AlignVCenter : Qt::AlignTop;
    label->setAlignment(horizontal | vertical);
    return label;
}

QWidget* CreateEdit(const ControlTemplate& control, QWidget* parent)
{
    if (!Has(control, style::kMultiLine)) {
        auto* edit = new QLineEdit(parent);
        edit->setFrame(Has(control, style::kBorder));
        edit->setReadOnly(Has(control, style::kReadOnly));
        return edit;
    }
    auto* edit = new MultiLineEdit(parent);
    edit->setFrameShape(Has(control, style::kBorder) ? QFrame::StyledPanel : QFrame::NoFrame);
    edit->setVerticalScrollBarPolicy(Has(control, style::kVerticalScrollBar) ? Qt::ScrollBarAlwaysOn
                                                                              : Qt::ScrollBarAlwaysOff);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setLineWrapMode(Has(control, style::kAutoHScroll) ? QPlainTextEdit::NoWrap
                                                            : QPlainTextEdit::WidgetWidth);
    edit->setTabChangesFocus(true);
    if (Has(control, style::kReadOnly)) {
        edit->setReadOnly(true);
        edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    return edit;
}

QWidget* CreateButton(const ControlTemplate& control, QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setDefault(control.kind == ControlKind::DefaultPushButton);
    return button;
}

QWidget* CreateListView(const ControlTemplate& control, QWidget* parent)
{
    auto* list = new ReportListView(parent);
    list->setFrameShape(Has(control, style::kBorder) ? QFrame::StyledPanel : QFrame::NoFrame);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the list, as it leaves a Windows list view, instead of
    // moving from cell to cell.
    list->setTabKeyNavigation(false);
    list->setWordWrap(false);
    list->verticalHeader()->hide();
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(Has(control, style::kSingleSelection) ? QAbstractItemView::SingleSelection
                                                                 : QAbstractItemView::ExtendedSelection);
    list->horizontalHeader()->setStretchLastSection(false);
    list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    if (Has(control, style::kShowSelectionAlways)) {
        QPalette palette = list->palette();
        for (const auto role : {QPalette::Highlight, QPalette::HighlightedText})
            palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
        list->setPalette(palette);
    }
    return list;
}

QWidget* CreateIcon(QWidget* parent, const QIcon& icon)
{
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (!icon.isNull())
        label->setPixmap(icon.pixmap(32, 32));
    return label;
}

QWidget* CreatePicture(const ControlTemplate& control, QWidget* parent)
{
    auto* label = new QLabel(parent);
    if (Has(control, style::kBorder)) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
    }
    label->setAlignment(Qt::AlignCenter);
    label->setScaledContents(false);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    return label;
}

}  // namespace

QWidget* CreateControl(const ControlTemplate& control, QWidget* parent, const QIcon& icon)
{
    QWidget* widget = nullptr;
    switch (control.kind) {
    case ControlKind::StaticText: widget = CreateStaticText(control, parent); break;
    case ControlKind::Edit: widget = CreateEdit(control, parent); break;
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
    case ControlKind::OwnerDrawButton: widget = CreateButton(control, parent); break;
    case ControlKind::ListView: widget = CreateListView(control, parent); break;
    case ControlKind::Icon: widget = CreateIcon(parent, icon); break;
    case ControlKind::Picture: widget = CreatePicture(control, parent); break;
    }
    ApplyControlText(*widget, control);
    return widget;
}

void ApplyControlText(QWidget& widget, const ControlTemplate& control)
{
    const QString text = QString::fromStdString(behaviour::Tr(control.text));
    if (!control.name.empty())
        widget.setAccessibleName(QString::fromStdString(behaviour::Tr(control.name)));
    if (auto* button = dynamic_cast<QPushButton*>(&widget)) {
        button->setAutoDefault(false);
        button->setText(text);
    } else if (auto* label = dynamic_cast<QLabel*>(&widget)) {
        if (control.kind == ControlKind::StaticText)
            label->setText(Has(control, style::kNoMnemonic) ? text : WithoutMnemonics(text));
    } else if (auto* line = dynamic_cast<QLineEdit*>(&widget)) {
        line->setText(text);
    } else if (auto* plain = dynamic_cast<QPlainTextEdit*>(&widget)) {
        plain->setPlainText(text);
    }
}

QString WithoutMnemonics(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            if (i + 1 < text.size() && text[i + 1] == u'&')
                shown += text[++i];
            continue;
        }
        shown += text[i];
    }
    return shown;
}

}  // namespace skinwright::platform
