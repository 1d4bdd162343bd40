#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace rekol {

// A settings file in private-profile (INI) format, read and written the way
// the classic profile functions do: "[Section]" lines, "Key=Value" lines,
// section and key names matched without regard to case, blanks around names
// and values ignored, one pair of double quotes around a value removed. A
// write changes only the lines of its own keys; every other byte of the file
// stays as it was. The file is UTF-8.
class ProfileFile {
public:
    explicit ProfileFile(QString path);

    const QString& Path() const { return path_; }
    // The value, or `fallback` when the file, the section or the key is missing.
    QString GetString(const QString& section, const QString& key, const QString& fallback = {}) const;
    // Sets (a value) or removes (nothing) each key of `section` in one write
    // that replaces the file safely. Values with a line break are refused.
    bool WriteStrings(const QString& section, const std::vector<std::pair<QString, std::optional<QString>>>& entries,
                      QString* error = nullptr);

private:
    QByteArray ReadBytes() const;

    QString path_;
};

} // namespace rekol
