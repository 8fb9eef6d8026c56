#include <cmath>

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include "platform/template_dialog.h"
#include "res/templates/dialog_templates.h"

namespace skinwright::platform {
namespace {

using namespace templates;

// Base units measured here from the dialog's own font.
DialogBaseUnits Measured(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, metrics.height()};
}

int Scaled(int dialogUnits, int baseUnit, int divisor)
{
    return static_cast<int>(std::lround(dialogUnits * static_cast<double>(baseUnit) / divisor));
}

TEST(DialogUnits, RoundToNearestPixel)
{
    struct Case {
        DialogBaseUnits units;
        QRect dialogUnits;
        QRect pixels;
    };
    const Case cases[] = {
        {{7, 13}, {7, 10, 65, 8}, {12, 16, 114, 13}},
        {{7, 13}, {2, 4, 0, 0}, {4, 7, 0, 0}},  // 3.5 and 6.5 round up
        {{6, 16}, {494, 231, 494, 231}, {741, 462, 741, 462}},
        {{8, 15}, {1, 1, 3, 5}, {2, 2, 6, 9}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MapDialogRect(c.dialogUnits, c.units), c.pixels) << c.dialogUnits.x() << "," << c.dialogUnits.y();
}

TEST(TemplateDialog, UsesTheDialogFontOrTheSystemFontAt8Points)
{
    TemplateDialog dialog(ViewerTemplate());
    EXPECT_EQ(dialog.font().pointSize(), 8);
    const QString expected = QFontDatabase::families().contains(QStringLiteral("MS Sans Serif"))
                                 ? QStringLiteral("MS Sans Serif")
                                 : QApplication::font().family();
    EXPECT_EQ(dialog.font().family(), expected);
}

TEST(TemplateDialog, PlacesEveryControlInPixelsOfTheMeasuredBaseUnits)
{
    for (const DialogTemplate* dialogTemplate : {&ViewerTemplate(), &AboutTemplate()}) {
        TemplateDialog dialog(*dialogTemplate);
        const DialogBaseUnits units = Measured(dialog.font());
        ASSERT_GT(units.cx, 0);
        ASSERT_GT(units.cy, 0);
        EXPECT_EQ(dialog.BaseUnits().cx, units.cx);
        EXPECT_EQ(dialog.BaseUnits().cy, units.cy);

        const QSize size(Scaled(dialogTemplate->width, units.cx, 4), Scaled(dialogTemplate->height, units.cy, 8));
        EXPECT_EQ(dialog.minimumSize(), size);
        EXPECT_EQ(dialog.maximumSize(), size);
        EXPECT_EQ(dialog.windowTitle().toStdString(), dialogTemplate->title);

        for (const ControlTemplate& control : dialogTemplate->controls) {
            if (control.id == kNoId)
                continue;
            const QRect expected(Scaled(control.x, units.cx, 4), Scaled(control.y, units.cy, 8),
                                 Scaled(control.width, units.cx, 4), Scaled(control.height, units.cy, 8));
            ASSERT_NE(dialog.Control(control.id), nullptr) << control.id;
            EXPECT_EQ(dialog.Control(control.id)->geometry(), expected) << control.id;
        }
    }
}

TEST(TemplateDialog, FindsEachViewerControlByIdWithItsKindAndText)
{
    TemplateDialog dialog(ViewerTemplate());
    EXPECT_NE(dialog.ControlAs<QLineEdit>(viewer::kPathField), nullptr);
    EXPECT_NE(dialog.ControlAs<QTableView>(viewer::kResourceList), nullptr);
    EXPECT_NE(dialog.ControlAs<QLabel>(viewer::kPictureArea), nullptr);

    const std::pair<int, QString> buttons[] = {
        {viewer::kPickButton, "?"},
        {viewer::kSaveAsButton, "Save As ..."},
        {viewer::kSaveAllButton, "Save All ..."},
        {viewer::kBuildButton, "Build New Resource Packet ..."},
        {viewer::kHelpButton, "Help"},
    };
    for (const auto& [id, text] : buttons) {
        auto* button = dialog.ControlAs<QPushButton>(id);
        ASSERT_NE(button, nullptr) << id;
        EXPECT_EQ(button->text(), text);
        EXPECT_FALSE(button->autoDefault()) << id;
        EXPECT_FALSE(button->isDefault()) << id;
    }

    auto* status = dialog.ControlAs<QLabel>(viewer::kStatusLine);
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->text(), "No opened resource packet.");
    EXPECT_EQ(status->alignment(), Qt::AlignHCenter | Qt::AlignVCenter);

    EXPECT_EQ(dialog.ControlAs<QLabel>(viewer::kPathField), nullptr);
    EXPECT_EQ(dialog.Control(kNoId), nullptr);
    EXPECT_EQ(dialog.Control(4242), nullptr);
}

TEST(TemplateDialog, TabOrderFollowsTheTable)
{
    TemplateDialog dialog(ViewerTemplate());
    const int expected[] = {viewer::kPathField,    viewer::kPickButton,  viewer::kResourceList,
                            viewer::kSaveAsButton, viewer::kSaveAllButton, viewer::kBuildButton,
                            viewer::kHelpButton};
    QWidget* widget = dialog.Control(expected[0]);
    for (std::size_t i = 1; i < std::size(expected); ++i) {
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus) && widget != &dialog);
        EXPECT_EQ(widget, dialog.Control(expected[i])) << "after control " << expected[i - 1];
    }
}

// A list view is left with Tab and Shift+Tab whether or not it holds rows.
TEST(TemplateDialog, TabAndShiftTabLeaveAListView)
{
    for (const int rows : {0, 3}) {
        TemplateDialog dialog(ViewerTemplate());
        QStandardItemModel model(rows, 4);
        auto* list = dialog.ControlAs<QTableView>(viewer::kResourceList);
        list->setModel(&model);
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));

        list->setFocus();
        QTest::keyClick(list, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), dialog.Control(viewer::kSaveAsButton)) << rows << " rows";
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), dialog.Control(viewer::kPickButton)) << rows << " rows";
    }
}

TEST(TemplateDialog, AboutOkIsTheDefaultButtonAndAcceptsTheDialog)
{
    TemplateDialog dialog(AboutTemplate());
    auto* ok = dialog.ControlAs<QPushButton>(about::kOkButton);
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isDefault());
    EXPECT_FALSE(ok->autoDefault());

    auto* usage = dialog.ControlAs<QPlainTextEdit>(about::kUsageText);
    ASSERT_NE(usage, nullptr);
    EXPECT_TRUE(usage->isReadOnly());
    EXPECT_EQ(usage->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(usage->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    dialog.show();
    ok->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(TemplateDialog, EnterWithoutDefaultButtonClicksNothing)
{
    TemplateDialog dialog(ViewerTemplate());
    int clicks = 0;
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        QObject::connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
    dialog.show();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(dialog.Control(viewer::kPathField), &enter);
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(dialog.isVisible());
}

class OwnButton : public QPushButton {
public:
    using QPushButton::QPushButton;
};

TEST(TemplateDialog, AFactoryMakesTheControlOfItsId)
{
    TemplateOptions options;
    options.factories[viewer::kHelpButton] = [](QWidget* parent) { return new OwnButton(parent); };
    TemplateDialog dialog(ViewerTemplate(), nullptr, options);
    auto* help = dialog.ControlAs<OwnButton>(viewer::kHelpButton);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->parentWidget(), &dialog);
    EXPECT_EQ(help->text(), "Help");
    EXPECT_FALSE(help->autoDefault());
    EXPECT_EQ(help->geometry(), MapDialogRect({435, 29, 41, 30}, dialog.BaseUnits()));
}

TEST(TemplateDialog, AmpersandsOfLabelsFollowTheirMnemonicStyle)
{
    DialogTemplate dialogTemplate;
    dialogTemplate.width = 100;
    dialogTemplate.height = 50;
    dialogTemplate.controls = {
        {10, ControlKind::StaticText, style::kNone, "Save && &Go&", 0, 0, 50, 8},
        {11, ControlKind::StaticText, style::kNoMnemonic, "Save && &Go", 0, 10, 50, 8},
    };
    TemplateDialog dialog(dialogTemplate);
    EXPECT_EQ(dialog.ControlAs<QLabel>(10)->text(), "Save & Go");
    EXPECT_EQ(dialog.ControlAs<QLabel>(11)->text(), "Save && &Go");
}

}  // namespace
}  // namespace skinwright::platform
