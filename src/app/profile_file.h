#pragma once

#include <QString>
#include <QStringList>

namespace rekol {

// A settings file in the private-profile format: "[Section]" lines followed
// by "Key=Value" lines. Sections and keys match without regard to case;
// values are read with blanks around them and one pair of enclosing quotes
// removed, and written as given. Lines the program does not know are kept as
// they are, so other sections survive every write.
class ProfileFile {
public:
    // Reads `path`; a file that cannot be read holds nothing.
    explicit ProfileFile(QString path);

    // The value of `key` in `section`, at most MaxValueLength characters, or
    // `fallback` when the key is missing.
    QString ReadString(const QString& section, const QString& key, const QString& fallback = {}) const;
    // Sets `key` in `section`, adding the key or the section when missing.
    // A line break in `value` would start a line of its own in the file, so
    // line breaks are written as blanks; a value with blanks around it or in
    // a pair of quotes is written quoted, so that it reads back unchanged.
    void WriteString(const QString& section, const QString& key, const QString& value);
    // Removes `key` from `section` when it is there.
    void RemoveKey(const QString& section, const QString& key);
    // Writes the file (folder created when missing) so that a failure leaves
    // the previous file whole; false when it could not be written.
    bool Save() const;

    static constexpr int MaxValueLength = 4095;

private:
    // Index of the "[section]" line, or -1.
    int FindSection(const QString& section) const;
    // Index of the key's line inside the section starting at `header`, or -1.
    int FindKey(int header, const QString& key) const;
    // Index after the section's last non-blank line.
    int SectionEnd(int header) const;

    QString path_;
    QStringList lines_;
    QString newline_ = QStringLiteral("\n");
};

} // namespace rekol
