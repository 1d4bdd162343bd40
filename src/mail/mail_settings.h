#pragma once

#include <QString>

namespace rekol {

class PasswordStore;

// The mail transport's settings: section "Mail" of the settings file.
struct MailSettings {
    QString server;   // "Server": smtp://host:port or smtps://host:port
    QString from;     // "From": the sender's address
    QString user;     // "User": the log-on name, empty for none
    QString password; // from the keyring, else "Password"
};

// Reads section "Mail". The password is "Password" when the file holds one,
// else the keyring's (asked only when a user name is set). A file that holds
// a password is made readable by its owner only.
MailSettings ReadMailSettings(const QString& settingsPath, PasswordStore* keyring);

// Writes section "Mail", keeping everything else in the file. The password
// goes to the keyring when it takes it (and "Password" is removed), else into
// the file, which is then readable by its owner only.
bool SaveMailSettings(const QString& settingsPath, const MailSettings& settings, PasswordStore* keyring,
                      QString* error = nullptr);

} // namespace rekol
