#include "mail/mail_settings.h"
#include "mail/password_store.h"
#include "app/profile_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

using namespace rekol;

namespace {

class FakeKeyring : public PasswordStore {
public:
    std::optional<QString> ReadPassword(const QString& key) override
    {
        const auto it = entries.find(key);
        return it == entries.end() ? std::nullopt : std::optional<QString>(it->second);
    }
    bool WritePassword(const QString& key, const QString& password) override
    {
        if (!available)
            return false;
        entries[key] = password;
        return true;
    }
    void DeletePassword(const QString& key) override { entries.erase(key); }

    bool available = true;
    std::map<QString, QString> entries;
};

constexpr QFileDevice::Permissions kOthers = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther |
                                             QFileDevice::WriteOther;

class MailSettingsTest : public ::testing::Test {
protected:
    QString Raw(const QString& key) const
    {
        return ProfileFile(path).ReadString(QStringLiteral("Mail"), key, QStringLiteral("<none>"));
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("conf/rekol.ini"));
    MailSettings settings{QStringLiteral("smtps://smtp.example.org:465"), QStringLiteral("rek@example.org"),
                          QStringLiteral("rek"), QStringLiteral(" s3cret;=")};
};

TEST_F(MailSettingsTest, WithoutKeyringThePasswordStaysInAPrivateFile)
{
    ASSERT_TRUE(SaveMailSettings(path, settings, nullptr));
    EXPECT_EQ(Raw(QStringLiteral("Password")), settings.password);
    EXPECT_EQ(QFile(path).permissions() & kOthers, QFileDevice::Permissions());
    const MailSettings read = ReadMailSettings(path, nullptr);
    EXPECT_EQ(read.server, settings.server);
    EXPECT_EQ(read.from, settings.from);
    EXPECT_EQ(read.user, settings.user);
    EXPECT_EQ(read.password, settings.password);
}

TEST_F(MailSettingsTest, KeyringTakesThePasswordOutOfTheFile)
{
    FakeKeyring keyring;
    keyring.available = false;
    ASSERT_TRUE(SaveMailSettings(path, settings, &keyring));
    EXPECT_EQ(Raw(QStringLiteral("Password")), settings.password) << "no keyring at first: kept in the file";

    keyring.available = true;
    ASSERT_TRUE(SaveMailSettings(path, settings, &keyring));
    EXPECT_EQ(Raw(QStringLiteral("Password")), QStringLiteral("<none>"));
    EXPECT_EQ(ReadMailSettings(path, &keyring).password, settings.password);
    EXPECT_EQ(ReadMailSettings(path, nullptr).password, QString());

    MailSettings other = settings;
    other.user = QStringLiteral("otro");
    other.password = QStringLiteral("nueva");
    ASSERT_TRUE(SaveMailSettings(path, other, &keyring));
    ASSERT_EQ(keyring.entries.size(), 1u) << "the old account's password does not linger";
    EXPECT_EQ(ReadMailSettings(path, &keyring).password, QStringLiteral("nueva"));

    other.password.clear();
    ASSERT_TRUE(SaveMailSettings(path, other, &keyring));
    EXPECT_TRUE(keyring.entries.empty());
    EXPECT_EQ(ReadMailSettings(path, &keyring).password, QString());
}

TEST_F(MailSettingsTest, KeepsTheOtherSections)
{
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("conf"))));
    ProfileFile file(path);
    file.WriteString(QStringLiteral("Last"), QStringLiteral("LoadPath"), QStringLiteral("/g/Grupo.k09"));
    file.WriteString(QStringLiteral("Last"), QStringLiteral("Post"), QStringLiteral("Ruiz, Ana"));
    ASSERT_TRUE(file.Save());
    ASSERT_TRUE(SaveMailSettings(path, settings, nullptr));
    const ProfileFile again(path);
    EXPECT_EQ(again.ReadString(QStringLiteral("Last"), QStringLiteral("LoadPath")), QStringLiteral("/g/Grupo.k09"));
    EXPECT_EQ(again.ReadString(QStringLiteral("Last"), QStringLiteral("Post")), QStringLiteral("Ruiz, Ana"));
}

TEST_F(MailSettingsTest, ReadingAFileWithAPasswordMakesItPrivate)
{
    ASSERT_TRUE(SaveMailSettings(path, settings, nullptr));
    QFile(path).setPermissions(QFile(path).permissions() | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    ReadMailSettings(path, nullptr);
    EXPECT_EQ(QFile(path).permissions() & kOthers, QFileDevice::Permissions());
}

// The system keyring, where none can be reached: the password goes into the
// private file, and quickly.
TEST_F(MailSettingsTest, UnreachableSystemKeyringFallsBackToTheFile)
{
    std::unique_ptr<PasswordStore> keyring = SystemPasswordStore();
    if (!keyring)
        GTEST_SKIP() << "built without a keyring";
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/rekol-test-bus");
    qunsetenv("DISPLAY");
    int argc = 1;
    char name[] = "mail_settings_test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(SaveMailSettings(path, settings, keyring.get()));
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_EQ(Raw(QStringLiteral("Password")), settings.password);
    EXPECT_EQ(QFile(path).permissions() & kOthers, QFileDevice::Permissions());
}

} // namespace
