#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

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

TEST_F(Settings, LongValuesComeBackCutTo1023Characters)
{
    const QString e = QString::fromUtf8("\xC3\xA9"), euro = QString::fromUtf8("\xE2\x82\xAC");
    struct Case {
        QString written;
        QString read;
    };
    const Case cases[] = {
        {QString(1500, u'x'), QString(1023, u'x')},
        {QString(1000, u'x') + e.repeated(16), QString(1000, u'x') + e.repeated(16)},
        {QString(1022, u'a') + euro, QString(1022, u'a') + euro},
        {QString(1023, u'a') + euro, QString(1023, u'a')},
        {e.repeated(1500), e.repeated(1023)},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(WriteSetting(path_, kDefaultSection, kLastResFileKey, c.written));
        EXPECT_EQ(ReadSetting(path_, kDefaultSection, kLastResFileKey, ""), c.read) << c.written.size();
    }
}

class SettingsPlace : public ::testing::Test {
protected:
    SettingsPlace()
    {
        qputenv("HOME", home_.toUtf8());
        qunsetenv("XDG_CONFIG_HOME");
    }
    ~SettingsPlace() override
    {
        QFile::setPermissions(readOnly_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("HOME", savedHome_);
        if (savedConfigHome_.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", savedConfigHome_);
    }

    // A program folder its user cannot create files in, as /usr/bin is. Root
    // can create files in any folder it may not write; not in its own /proc.
    QString ReadOnlyProgramFolder()
    {
        if (geteuid() == 0)
            return "/proc/self/";
        QFile::setPermissions(readOnly_.path(), QFile::ReadOwner | QFile::ExeOwner);
        return readOnly_.path() + "/";
    }

    QTemporaryDir root_;
    QTemporaryDir readOnly_;
    QString home_ = root_.filePath("home");
    QByteArray savedHome_ = qgetenv("HOME");
    QByteArray savedConfigHome_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME") ? qgetenv("XDG_CONFIG_HOME") : QByteArray();
};

TEST_F(SettingsPlace, APortableProgramKeepsItsFileBesideItUnderItsOwnName)
{
    EXPECT_EQ(SettingsFilePathFor(root_.path() + "/", "Copy"), root_.path() + "/Copy.ini");
}

TEST_F(SettingsPlace, AnInstalledProgramKeepsItsFileInTheUsersConfigurationFolder)
{
    const QString program = ReadOnlyProgramFolder();
    EXPECT_EQ(SettingsFilePathFor(program, "Copy"), home_ + "/.config/Copy.ini");
    const QString configHome = root_.filePath("config");
    qputenv("XDG_CONFIG_HOME", configHome.toUtf8());
    EXPECT_EQ(SettingsFilePathFor(program, "Copy"), configHome + "/Copy.ini");
}

TEST_F(SettingsPlace, TheInstalledProgramsFolderIsNeverThePlaceEvenForRoot)
{
    EXPECT_EQ(SettingsFilePathFor("/usr/bin/", "Skinwright"), home_ + "/.config/Skinwright.ini");
}

TEST_F(SettingsPlace, TheFirstWriteMakesAMissingConfigurationFolder)
{
    const QString path = home_ + "/.config/Skinwright.ini";
    ASSERT_TRUE(WriteSetting(path, kDefaultSection, kLastResFileKey, "/phone/iconres.ezx"));
    EXPECT_EQ(ReadSetting(path, kDefaultSection, kLastResFileKey, ""), "/phone/iconres.ezx");
}

}  // namespace
}  // namespace skinwright::shell
