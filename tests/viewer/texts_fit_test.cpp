// Every text the three windows show fits its control in every language,
// measured with the control's own font offscreen.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTableView>
#include <QTemporaryDir>

#include "behaviour/scripted_dialogs.h"
#include "behaviour/translation.h"
#include "builder/builder_dialog.h"
#include "platform/paths.h"
#include "shell/about_dialog.h"
#include "shell/image_text_button.h"
#include "tests/support/languages.h"
#include "tests/support/picture_packets.h"
#include "viewer/viewer_dialog.h"

namespace skinwright::viewer {
namespace {

using Findings = std::vector<std::string>;

void Report(Findings& findings, const QWidget& control, const QString& text, QSize needed, QSize room)
{
    if (needed.width() <= room.width() && needed.height() <= room.height())
        return;
    findings.push_back(control.window()->windowTitle().toStdString() + ": \"" + text.toStdString() + "\" needs "
                       + std::to_string(needed.width()) + "x" + std::to_string(needed.height()) + " pixels, has "
                       + std::to_string(room.width()) + "x" + std::to_string(room.height()));
}

QSize OneLine(const QWidget& control, const QString& text)
{
    const QFontMetrics metrics = control.fontMetrics();
    return {metrics.horizontalAdvance(text), metrics.height()};
}

// Headings within their sections, with the header's margins.
void CheckList(const QTableView& list, Findings& findings)
{
    const QHeaderView& header = *list.horizontalHeader();
    const int margin = header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
    for (int section = 0; section < header.count(); ++section) {
        const QString heading = list.model()->headerData(section, Qt::Horizontal).toString();
        const QSize needed = OneLine(header, heading);
        Report(findings, list, heading, needed, {header.sectionSize(section) - 2 * margin, header.height()});
    }
}

void CheckControl(const QWidget& control, Findings& findings)
{
    if (const auto* list = qobject_cast<const QTableView*>(&control)) {
        CheckList(*list, findings);
    } else if (const auto* label = qobject_cast<const QLabel*>(&control); label && !label->text().isEmpty()) {
        const QRect room = label->contentsRect();
        const QSize needed = label->wordWrap()
            ? label->fontMetrics().boundingRect(room, Qt::TextWordWrap, label->text()).size()
            : OneLine(*label, label->text());
        Report(findings, control, label->text(), needed, room.size());
    } else if (const auto* button = qobject_cast<const shell::ImageTextButton*>(&control)) {
        // The picture, a gap and the caption inside the focus frame.
        const QSize caption = OneLine(*button, button->text());
        Report(findings, control, button->text(), {button->PictureSize().width() + 4 + caption.width(), caption.height()},
               button->rect().adjusted(4, 4, -4, -4).size());
    } else if (const auto* push = qobject_cast<const QAbstractButton*>(&control)) {
        const int margin = push->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, push)
                           + 2 * push->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, push);
        Report(findings, control, push->text(), OneLine(*push, push->text()), push->rect().size() - QSize(margin, 4));
    } else if (const auto* box = qobject_cast<const QPlainTextEdit*>(&control); box && box->isReadOnly()) {
        // Each line of a text shown whole, without scrolling sideways.
        const int room = box->viewport()->width() - 2 * static_cast<int>(box->document()->documentMargin());
        for (const QString& line : box->toPlainText().split(QLatin1Char('\n')))
            Report(findings, control, line, OneLine(*box, line.trimmed()), {room, box->height()});
    }
}

Findings CheckWindow(const QWidget& window)
{
    Findings findings;
    for (const QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        CheckControl(*child, findings);
    return findings;
}

class TextsFit : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override
    {
        behaviour::UseLanguage(GetParam());
        test::MakePacket(root.filePath("iconres.ezx").toStdString(), {"back.g", "battery_full.g", "call.g"},
                         [](std::size_t) { return std::string("GIF89a"); });
        setup = {.settingsFile = platform::ToFileSystemPath(root.filePath("Skinwright.ini")),
                 .programFolder = platform::ToFileSystemPath(root.path() + "/"),
                 .applicationName = "Skinwright",
                 .startPacket = platform::ToFileSystemPath(root.filePath("iconres.ezx"))};
    }
    void TearDown() override { behaviour::UseLanguage(""); }

    QTemporaryDir root;
    behaviour::ProgramSetup setup;
    behaviour::ScriptedDialogs dialogs;
};

TEST_P(TextsFit, EveryTextOfEachWindowFits)
{
    ViewerDialog viewer(setup, dialogs);
    viewer.show();
    builder::BuilderDialog builder(setup, dialogs);
    builder.show();
    shell::AboutDialog about;
    about.show();
    for (const QWidget* window : {static_cast<QWidget*>(&viewer), static_cast<QWidget*>(&builder),
                                  static_cast<QWidget*>(&about)})
        EXPECT_EQ(CheckWindow(*window), Findings{}) << window->windowTitle().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, TextsFit, ::testing::ValuesIn(test::EveryLanguage()), test::LanguageName());

}  // namespace
}  // namespace skinwright::viewer
