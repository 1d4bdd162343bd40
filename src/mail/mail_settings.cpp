#include "mail/mail_settings.h"

#include "mail/password_store.h"
#include "app/profile_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace rekol {
namespace {

const QString kSection = QStringLiteral("Mail");
const QString kPassword = QStringLiteral("Password");
constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions kOthers = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                             QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                             QFileDevice::WriteOther | QFileDevice::ExeOther;

QString KeyringKey(const QString& server, const QString& user)
{
    return user + QLatin1Char(' ') + server;
}

// Makes the file readable and writable by its owner only, creating it empty
// when it does not exist, so that a password is never written into a file
// others can read.
bool RestrictToOwner(const QString& path)
{
    QFile file(path);
    if (!file.exists() && !file.open(QIODevice::WriteOnly))
        return false;
    file.close();
    return !(file.permissions() & kOthers) || file.setPermissions(kOwnerOnly);
}

} // namespace

MailSettings ReadMailSettings(const QString& settingsPath, PasswordStore* keyring)
{
    const ProfileFile file(settingsPath);
    MailSettings settings;
    settings.server = file.ReadString(kSection, QStringLiteral("Server"));
    settings.from = file.ReadString(kSection, QStringLiteral("From"));
    settings.user = file.ReadString(kSection, QStringLiteral("User"));
    settings.password = file.ReadString(kSection, kPassword);
    if (!settings.password.isEmpty())
        RestrictToOwner(settingsPath);
    else if (!settings.user.isEmpty() && keyring)
        settings.password = keyring->ReadPassword(KeyringKey(settings.server, settings.user)).value_or(QString());
    return settings;
}

bool SaveMailSettings(const QString& settingsPath, const MailSettings& settings, PasswordStore* keyring,
                      QString* error)
{
    ProfileFile file(settingsPath);
    const QString oldKey = KeyringKey(file.ReadString(kSection, QStringLiteral("Server")),
                                      file.ReadString(kSection, QStringLiteral("User")));
    const QString key = KeyringKey(settings.server, settings.user);
    std::optional<QString> filePassword;
    if (keyring && oldKey != key)
        keyring->DeletePassword(oldKey);
    if (settings.password.isEmpty()) {
        if (keyring)
            keyring->DeletePassword(key);
    } else if (!keyring || !keyring->WritePassword(key, settings.password)) {
        filePassword = settings.password;
    }

    const QFileInfo info(settingsPath);
    if (!QDir().mkpath(info.absolutePath())) {
        if (error)
            *error = QStringLiteral("cannot create the folder %1").arg(info.absolutePath());
        return false;
    }
    if (filePassword && !RestrictToOwner(settingsPath)) {
        if (error)
            *error = QStringLiteral("cannot make %1 private").arg(settingsPath);
        return false;
    }
    file.WriteString(kSection, QStringLiteral("Server"), settings.server);
    file.WriteString(kSection, QStringLiteral("From"), settings.from);
    file.WriteString(kSection, QStringLiteral("User"), settings.user);
    if (filePassword)
        file.WriteString(kSection, kPassword, *filePassword);
    else
        file.RemoveKey(kSection, kPassword);
    if (!file.Save()) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(settingsPath);
        return false;
    }
    return true;
}

} // namespace rekol
