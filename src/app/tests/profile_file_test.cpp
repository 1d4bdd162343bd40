#include "app/profile_file.h"
#include "app/settings_path.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace rekol;

namespace {

class ProfileFileTest : public ::testing::Test {
protected:
    QString Write(const QByteArray& bytes)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QByteArray Contents() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir dir;
    QString path = dir.filePath("rekol.ini");
};

} // namespace

TEST_F(ProfileFileTest, ReadsLikeThePrivateProfileCalls)
{
    Write("; comment\r\n[other]\r\nLoadPath=wrong\r\n[ LAST ]\r\n  loadpath =  C:\\Datos\\Grupo5.k09  \r\n"
          "Post=\"Ana Ruiz\"\r\nQuoted='x\"\r\n");
    const ProfileFile profile(path);
    EXPECT_EQ(profile.ReadString("Last", "LoadPath"), QString("C:\\Datos\\Grupo5.k09"));
    EXPECT_EQ(profile.ReadString("last", "POST"), QString("Ana Ruiz"));   // one pair of quotes removed
    EXPECT_EQ(profile.ReadString("Last", "Quoted"), QString("'x\""));     // unmatched quotes stay
    EXPECT_EQ(profile.ReadString("Last", "Missing", "def"), QString("def"));
    EXPECT_EQ(profile.ReadString("Nowhere", "Post"), QString());
}

TEST_F(ProfileFileTest, LongValuesAreCutAtTheReadBuffer)
{
    Write("[Last]\nPost=" + QByteArray(5000, 'x') + "\n");
    EXPECT_EQ(ProfileFile(path).ReadString("Last", "Post").size(), ProfileFile::MaxValueLength);
}

TEST_F(ProfileFileTest, MissingOrUnreadableFileGivesDefaults)
{
    EXPECT_EQ(ProfileFile(dir.filePath("none.ini")).ReadString("Last", "LoadPath", "d"), QString("d"));
    EXPECT_EQ(ProfileFile(dir.path()).ReadString("Last", "LoadPath"), QString());
}

TEST_F(ProfileFileTest, WritesValuesUnchangedAndKeepsEverythingElse)
{
    Write("[Mail]\r\nServer=smtp://127.0.0.1:2525\r\n\r\n[Last]\r\nPost=Old\r\n; kept\r\n");
    ProfileFile profile(path);
    profile.WriteString("Last", "LoadPath", "C:\\Datos\\Grupo 5.k09");
    profile.WriteString("Last", "Post", "José Muñoz");
    ASSERT_TRUE(profile.Save());
    EXPECT_EQ(Contents(), QByteArray("[Mail]\r\nServer=smtp://127.0.0.1:2525\r\n\r\n[Last]\r\nPost=Jos\xC3\xA9 Mu\xC3\xB1oz\r\n"
                                     "; kept\r\nLoadPath=C:\\Datos\\Grupo 5.k09\r\n"));
    const ProfileFile again(path);
    EXPECT_EQ(again.ReadString("Last", "LoadPath"), QString("C:\\Datos\\Grupo 5.k09"));
    EXPECT_EQ(again.ReadString("Mail", "Server"), QString("smtp://127.0.0.1:2525"));
}

TEST_F(ProfileFileTest, NewFileGetsTheSectionInItsOwnFolder)
{
    path = dir.filePath("sub/folder/rekol.ini");
    ProfileFile profile(path);
    profile.WriteString("Last", "LoadPath", "");
    profile.WriteString("Last", "Post", "");
    ASSERT_TRUE(profile.Save());
    EXPECT_EQ(Contents(), QByteArray("[Last]\nLoadPath=\nPost=\n"));
}

// A name from a group file must not be able to add settings of its own.
TEST_F(ProfileFileTest, LineBreaksInAValueCannotStartNewEntries)
{
    ProfileFile profile(path);
    profile.WriteString("Last", "Post", "Ana\n[Mail]\r\nServer=smtp://evil");
    ASSERT_TRUE(profile.Save());
    const ProfileFile again(path);
    EXPECT_EQ(again.ReadString("Mail", "Server"), QString());
    EXPECT_EQ(again.ReadString("Last", "Post"), QString("Ana [Mail] Server=smtp://evil"));
}

TEST_F(ProfileFileTest, FailedSaveLeavesTheOldFile)
{
    Write("[Last]\nPost=Old\n");
    ProfileFile profile(dir.filePath("rekol.ini/not-a-folder/x.ini"));
    profile.WriteString("Last", "Post", "New");
    EXPECT_FALSE(profile.Save());
    EXPECT_EQ(Contents(), QByteArray("[Last]\nPost=Old\n"));
}

TEST(SettingsPath, EnvironmentVariableWinsOverTheUserFolder)
{
    qputenv("REKOL_SETTINGS", "/tmp/elsewhere/r.ini");
    EXPECT_EQ(DefaultSettingsPath(), QString("/tmp/elsewhere/r.ini"));
    qunsetenv("REKOL_SETTINGS");
    EXPECT_TRUE(DefaultSettingsPath().endsWith("/rekol/rekol.ini"));
    EXPECT_TRUE(DefaultSettingsPath().startsWith('/'));
}
