#include "data/safe_write.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace rekol {
namespace {

bool Fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return false;
}

} // namespace

bool WriteFileSafely(const QString& path, const QByteArray& bytes, QString* error)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir()) {
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return Fail(error, device.errorString());
        if (device.write(bytes) != bytes.size())
            return Fail(error, device.errorString());
        return true;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Fail(error, file.errorString());
    // A short write (a full disk, a file size limit) can leave the error only
    // in flush(), and commit() would still rename the truncated file.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Fail(error, reason);
    }
    if (!file.commit())
        return Fail(error, file.errorString());
    return true;
}

} // namespace rekol
