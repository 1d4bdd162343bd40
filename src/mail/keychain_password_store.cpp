#include "mail/password_store.h"

#ifdef REKOL_HAVE_KEYCHAIN

#include <QEventLoop>
#include <QTimer>

#include <qt6keychain/keychain.h>

#include <functional>

namespace rekol {
namespace {

const QString kService = QStringLiteral("Rekol");
constexpr int kKeyringTimeoutMs = 10000;

// Runs a keyring job to its end and hands it to `done` when it succeeded.
// False when it failed or took too long (a keyring that asks the user to
// unlock it gets that long). Jobs delete themselves once they end, also
// after the wait was given up.
bool Run(QKeychain::Job* job, const std::function<void(QKeychain::Job&)>& done = {})
{
    QEventLoop loop;
    bool finished = false;
    bool ok = false;
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&](QKeychain::Job* ended) {
        finished = true;
        ok = ended->error() == QKeychain::NoError;
        if (ok && done)
            done(*ended);
        loop.quit();
    });
    QTimer::singleShot(kKeyringTimeoutMs, &loop, &QEventLoop::quit);
    job->start();
    if (!finished)
        loop.exec();
    return ok;
}

class KeychainPasswordStore : public PasswordStore {
public:
    std::optional<QString> ReadPassword(const QString& key) override
    {
        auto* job = new QKeychain::ReadPasswordJob(kService);
        job->setKey(key);
        std::optional<QString> password;
        Run(job, [&](QKeychain::Job& ended) { password = static_cast<QKeychain::ReadPasswordJob&>(ended).textData(); });
        return password;
    }

    bool WritePassword(const QString& key, const QString& password) override
    {
        auto* job = new QKeychain::WritePasswordJob(kService);
        job->setKey(key);
        job->setTextData(password);
        return Run(job);
    }

    void DeletePassword(const QString& key) override
    {
        auto* job = new QKeychain::DeletePasswordJob(kService);
        job->setKey(key);
        Run(job);
    }
};

} // namespace

std::unique_ptr<PasswordStore> SystemPasswordStore()
{
    return std::make_unique<KeychainPasswordStore>();
}

} // namespace rekol

#else

namespace rekol {

std::unique_ptr<PasswordStore> SystemPasswordStore()
{
    return nullptr;
}

} // namespace rekol

#endif
