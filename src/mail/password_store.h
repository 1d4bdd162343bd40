#pragma once

#include <QString>

#include <memory>
#include <optional>

namespace rekol {

// Where the mail password is kept when the system has a keyring.
class PasswordStore {
public:
    virtual ~PasswordStore() = default;
    // The stored password; nothing when there is none or the keyring cannot be reached.
    virtual std::optional<QString> ReadPassword(const QString& key) = 0;
    // False when the keyring cannot take it.
    virtual bool WritePassword(const QString& key, const QString& password) = 0;
    virtual void DeletePassword(const QString& key) = 0;
};

// The system keyring, or nothing when the program was built without one.
std::unique_ptr<PasswordStore> SystemPasswordStore();

} // namespace rekol
