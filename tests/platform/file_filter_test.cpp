#include <QFileDialog>

#include <gtest/gtest.h>

#include "platform/file_filter.h"
#include "platform/qt_system_dialogs.h"

namespace skinwright::platform {
namespace {

TEST(FileFilter, BarSeparatedFiltersBecomeQtNameFilters)
{
    struct Case {
        QString filter;
        QStringList expected;
    };
    const Case cases[] = {
        {"GIF File(*.gif)|*.gif|All Files(*.*)|*.*||",
         {"GIF File(*.gif) (*.[gG][iI][fF])", "All Files(*.*) (*)"}},
        {"Motorola Skin File(*.ezx)|*.ezx|All Files(*.*)|*.*||",
         {"Motorola Skin File(*.ezx) (*.[eE][zZ][xX])", "All Files(*.*) (*)"}},
        {"Pictures|*.gif;*.PNG||", {"Pictures (*.[gG][iI][fF] *.[pP][nN][gG])"}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToQtNameFilters(c.filter), c.expected) << c.filter.toStdString();
}

TEST(FileFilter, PatternsMatchWithoutRegardToCase)
{
    const QStringList patterns = {ToQtPattern("*.gif")};
    for (const QString name : {"a.gif", "A.GIF", "b.Gif"})
        EXPECT_TRUE(QDir::match(patterns, name)) << name.toStdString();
    EXPECT_FALSE(QDir::match(patterns, "a.gift"));
    EXPECT_TRUE(QDir::match(QStringList{ToQtPattern("*.*")}, "headerfile"));
}

TEST(FileDialogSetup, SaveDialogStartsInTheFolderOfAFullInitialName)
{
    behaviour::FileRequest request;
    request.save = true;
    request.defaultExtension = "gif";
    request.initialName = (QDir::tempPath() + "/name.gif").toStdString();
    request.filter = "GIF File(*.gif)|*.gif|All Files(*.*)|*.*||";
    request.confirmOverwrite = true;
    QFileDialog dialog;
    ConfigureFileDialog(dialog, request);

    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog.defaultSuffix(), "gif");
    EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), QDir(QDir::tempPath()).canonicalPath());
    EXPECT_EQ(dialog.nameFilters(), ToQtNameFilters(QString::fromStdString(request.filter)));
}

TEST(FileDialogSetup, OpenModesFollowMultiSelectAndOverwriteFlag)
{
    behaviour::FileRequest request;
    request.multiSelect = true;
    QFileDialog dialog;
    ConfigureFileDialog(dialog, request);
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFiles);
    EXPECT_TRUE(dialog.testOption(QFileDialog::DontConfirmOverwrite));

    request.multiSelect = false;
    ConfigureFileDialog(dialog, request);
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
}

}  // namespace
}  // namespace skinwright::platform
