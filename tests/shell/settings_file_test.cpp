#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "shell/application_name.h"
#include "shell/settings_file.h"

namespace skinwright::shell {
namespace {

TEST(SettingsFile, LivesBesideTheExecutableUnderTheApplicationName)
{
    EXPECT_EQ(SettingsFilePath(), ProgramFolder() + ApplicationName() + ".ini");
}

TEST(SettingsFile, CommentsTravelOnOneLine)
{
    const std::pair<QString, QString> cases[] = {
        {"a\r\nb", QString("a") + QChar(2) + QChar(3) + "b"},
        {"\n\r", QString(QChar(3)) + QChar(2)},
        {"plain", "plain"},
        {"", ""},
    };
    for (const auto& [comments, stored] : cases) {
        EXPECT_EQ(EncodeComments(comments), stored) << comments.toStdString();
        EXPECT_EQ(DecodeComments(stored), comments) << comments.toStdString();
    }
}

class Settings : public ::testing::Test {
protected:
    QTemporaryDir folder_;
    QString path_ = folder_.filePath("skinwright.ini");
};

TEST_F(Settings, FirstRunGivesDefaultsAndAnEmptyValueStaysEmpty)
{
    EXPECT_EQ(ReadSetting(path_, kDefaultSection, kOutputFolderKey, "/home/u/"), "/home/u/");
    ASSERT_TRUE(WriteSetting(path_, kDefaultSection, kOutputFolderKey, ""));
    EXPECT_EQ(ReadSetting(path_, kDefaultSection, kOutputFolderKey, "/home/u/"), "");
}

TEST_F(Settings, CommentsOfTwoLinesAreStoredAsFourBytes)
{
    ASSERT_TRUE(WriteSetting(path_, kBuildSection, kCommentsKey, EncodeComments("a\r\nb")));
    QFile file(path_);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("[build]\nCommnets=a\x02\x03" "b\n"));
    EXPECT_EQ(DecodeComments(ReadSetting(path_, kBuildSection, kCommentsKey, "")), "a\r\nb");
}

TEST_F(Settings, LongValuesComeBackCutToWholeCharacters)
{
    ASSERT_TRUE(WriteSetting(path_, kDefaultSection, kLastResFileKey, QString(1500, u'x')));
    EXPECT_EQ(ReadSetting(path_, kDefaultSection, kLastResFileKey, ""), QString(1023, u'x'));

    const QString accented(1500, QChar(0xE9));  // two bytes each in UTF-8
    ASSERT_TRUE(WriteSetting(path_, kDefaultSection, kLastResFileKey, accented));
    EXPECT_EQ(ReadSetting(path_, kDefaultSection, kLastResFileKey, ""), accented.left(511));
}

}  // namespace
}  // namespace skinwright::shell
