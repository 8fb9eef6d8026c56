#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeView>

#include <gtest/gtest.h>

#include "platform/folder_browser_dialog.h"
#include "platform/modal.h"
#include "platform/qt_system_dialogs.h"

namespace skinwright::platform {
namespace {

class WithModalRunner : public ::testing::Test {
protected:
    void TearDown() override { SetModalRunner({}); }
};

using QtMessages = WithModalRunner;

TEST_F(QtMessages, YesNoAnswersTheButtonClickedAndNoWhenClosed)
{
    struct Case {
        std::optional<QMessageBox::StandardButton> click;
        MessageAnswer expected;
    };
    const Case cases[] = {
        {QMessageBox::Yes, MessageAnswer::Yes},
        {QMessageBox::No, MessageAnswer::No},
        {std::nullopt, MessageAnswer::No},
    };
    for (const Case& c : cases) {
        QString caption;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        SetModalRunner([&](QDialog& dialog) {
            auto& box = dynamic_cast<QMessageBox&>(dialog);
            caption = box.windowTitle();
            icon = box.icon();
            if (c.click)
                box.button(*c.click)->click();
            return 0;
        });
        MessageRequest request;
        request.text = "Replace?";
        request.caption = "skinwright";
        request.buttons = MessageButtons::YesNo;
        EXPECT_EQ(QtSystemDialogs().ShowMessage(request), c.expected);
        EXPECT_EQ(caption, "skinwright");
        EXPECT_EQ(icon, QMessageBox::Warning);
    }
}

TEST_F(QtMessages, NoIconShowsNone)
{
    QMessageBox::Icon icon = QMessageBox::Warning;
    SetModalRunner([&](QDialog& dialog) {
        icon = dynamic_cast<QMessageBox&>(dialog).icon();
        return 0;
    });
    MessageRequest request;
    request.icon = MessageIcon::None;
    EXPECT_EQ(QtSystemDialogs().ShowMessage(request), MessageAnswer::Ok);
    EXPECT_EQ(icon, QMessageBox::NoIcon);
}

using FolderBrowsing = WithModalRunner;

TEST_F(FolderBrowsing, StartsAtTheInitialFolderAndReturnsTheSelection)
{
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath("skins/new"));
    const QString start = root.path() + "/skins";
    const QString target = root.path() + "/skins/new";

    QStringList changes;
    FolderRequest request;
    request.title = "Please select folder:";
    request.onInitialized = [&](FolderBrowser& browser) {
        browser.SetSelection(start);
        browser.SetStatusText("initial");
    };
    request.onSelectionChanged = [&](FolderBrowser& browser, const QString& path) {
        changes.append(path);
        browser.SetStatusText(path);
    };

    std::optional<QString> shownSelection;
    QString shownStatus;
    SetModalRunner([&](QDialog& dialog) {
        auto& browser = dynamic_cast<FolderBrowserDialog&>(dialog);
        shownSelection = browser.SelectedFolder();
        browser.SetSelection(target);
        shownStatus = browser.StatusText();
        return int(QDialog::Accepted);
    });

    EXPECT_EQ(QtSystemDialogs().BrowseForFolder(request), target);
    EXPECT_EQ(shownSelection, start);
    EXPECT_EQ(shownStatus, target);
    EXPECT_EQ(changes, QStringList({start, target}));
}

TEST_F(FolderBrowsing, CancelReturnsNone)
{
    QTemporaryDir root;
    FolderRequest request;
    request.onInitialized = [&](FolderBrowser& browser) { browser.SetSelection(root.path()); };
    SetModalRunner([](QDialog& dialog) {
        dynamic_cast<FolderBrowserDialog&>(dialog).reject();
        return int(QDialog::Rejected);
    });
    EXPECT_EQ(QtSystemDialogs().BrowseForFolder(request), std::nullopt);
}

}  // namespace
}  // namespace skinwright::platform
