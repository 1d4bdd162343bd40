#pragma once

#include <QByteArray>
#include <QString>

namespace rekol {

// Replaces the file at `path` with `bytes` so that a failure never leaves a
// truncated or half-written file: the bytes go to a temporary file in the same
// folder, which is renamed over the target only when every write succeeded.
// A target that exists and is not a regular file (a device) is written
// directly, never replaced. On failure `error` receives the reason.
bool WriteFileSafely(const QString& path, const QByteArray& bytes, QString* error = nullptr);

} // namespace rekol
