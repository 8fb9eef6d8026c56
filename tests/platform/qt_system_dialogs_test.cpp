#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

#include <functional>

#include "platform/folder_browser_dialog.h"
#include "platform/modal.h"
#include "platform/paths.h"
#include "platform/qt_system_dialogs.h"

namespace skinwright::platform {
namespace {

using behaviour::FolderBrowser;
using behaviour::FolderRequest;
using behaviour::MessageAnswer;
using behaviour::MessageButtons;
using behaviour::MessageIcon;
using behaviour::MessageRequest;

std::optional<std::filesystem::path> Folder(const QString& path)
{
    return ToFileSystemPath(path);
}

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

TEST_F(QtMessages, ALongNameWrapsInsteadOfRunningOffTheBox)
{
    const QString text = "These files cannot become resources and were not added:\n" + QString(128, u'n')
                         + ".gif: the name would be longer than a resource name can be (127 bytes)";
    QString shown;
    int widestPiece = 0, labelWidth = 0;
    SetModalRunner([&](QDialog& dialog) {
        const auto* label = dialog.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        shown = label->text();
        labelWidth = label->contentsRect().width();
        for (const QString& piece : shown.split(QRegularExpression(QStringLiteral("[\\s\\x{200B}]"))))
            widestPiece = std::max(widestPiece, label->fontMetrics().horizontalAdvance(piece));
        return 0;
    });
    MessageRequest request;
    request.text = text.toStdString();
    QtSystemDialogs().ShowMessage(request);
    EXPECT_EQ(shown.remove(QChar(0x200B)), text);
    EXPECT_LE(widestPiece, labelWidth);
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
        browser.SetSelection(ToFileSystemPath(start));
        browser.SetStatusText("initial");
    };
    request.onSelectionChanged = [&](FolderBrowser& browser, const std::filesystem::path& path) {
        changes.append(FromFileSystemPath(path));
        browser.SetStatusText(path.string());
    };

    std::optional<QString> shownSelection;
    QString shownStatus;
    SetModalRunner([&](QDialog& dialog) {
        auto& browser = dynamic_cast<FolderBrowserDialog&>(dialog);
        shownSelection = browser.SelectedFolder();
        browser.SetSelection(ToFileSystemPath(target));
        shownStatus = browser.StatusText();
        return int(QDialog::Accepted);
    });

    EXPECT_EQ(QtSystemDialogs().BrowseForFolder(request), Folder(target));
    EXPECT_EQ(shownSelection, start);
    EXPECT_EQ(shownStatus, target);
    EXPECT_EQ(changes, QStringList({start, target}));
}

TEST_F(FolderBrowsing, CancelReturnsNone)
{
    QTemporaryDir root;
    FolderRequest request;
    request.onInitialized = [&](FolderBrowser& browser) { browser.SetSelection(ToFileSystemPath(root.path())); };
    SetModalRunner([](QDialog& dialog) {
        dynamic_cast<FolderBrowserDialog&>(dialog).reject();
        return int(QDialog::Rejected);
    });
    EXPECT_EQ(QtSystemDialogs().BrowseForFolder(request), std::nullopt);
}

// Far more folders beside the initial folder's parents than the tree can
// show at once, so that the initial folder lies far below the top once they
// are listed.
class DeepFolderBrowsing : public WithModalRunner {
protected:
    DeepFolderBrowsing()
    {
        for (int i = 0; i < 300; ++i)
            QDir(root.path()).mkpath(QStringLiteral("skin%1").arg(i, 3, 10, QLatin1Char('0')));
        QDir().mkpath(start);
    }

    // Opens the browser at `start` and runs `inspect` on its tree once every
    // folder on the way down is listed and sorted.
    void Browse(const std::function<void(QTreeView&)>& inspect)
    {
        FolderRequest request;
        request.onInitialized = [&](FolderBrowser& browser) { browser.SetSelection(ToFileSystemPath(start)); };
        SetModalRunner([&](QDialog& dialog) {
            QTreeView& tree = *dynamic_cast<FolderBrowserDialog&>(dialog).Tree();
            const auto* model = dynamic_cast<QFileSystemModel*>(tree.model());
            const QModelIndex skins = model->index(root.path());
            EXPECT_TRUE(QTest::qWaitFor([&] { return model->rowCount(skins) == 300; }, 10000));
            QTest::qWait(100);
            inspect(tree);
            return int(QDialog::Rejected);
        });
        QtSystemDialogs().BrowseForFolder(request);
    }

    QTemporaryDir root;
    const QString start = root.path() + "/skin250/work/pictures/icons";
};

TEST_F(DeepFolderBrowsing, TheInitialFolderIsScrolledIntoView)
{
    Browse([](QTreeView& tree) {
        const QRect shown = tree.visualRect(tree.currentIndex());
        EXPECT_TRUE(tree.viewport()->rect().contains(shown)) << "item at " << shown.y();
    });
}

TEST_F(DeepFolderBrowsing, TheTreeStaysWhereTheUserScrolledIt)
{
    Browse([](QTreeView& tree) {
        tree.verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
        tree.model()->sort(0, Qt::DescendingOrder);
        EXPECT_EQ(tree.verticalScrollBar()->value(), 0);
    });
}

}  // namespace
}  // namespace skinwright::platform
