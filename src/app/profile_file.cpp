#include "app/profile_file.h"
#include "data/safe_write.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace rekol {
namespace {

// The name of a "[name]" line, or a null string for any other line.
QString SectionName(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(QLatin1Char('[')))
        return {};
    const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    return (close < 0 ? trimmed.mid(1) : trimmed.mid(1, close - 1)).trimmed();
}

QString KeyOf(const QString& line)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    return eq < 0 ? line.trimmed() : line.left(eq).trimmed();
}

QString ValueOf(const QString& line)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    QString value = eq < 0 ? QString() : line.mid(eq + 1).trimmed();
    if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
        value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value;
}

} // namespace

ProfileFile::ProfileFile(QString path)
    : path_(std::move(path))
{
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString text = QString::fromUtf8(file.readAll());
    if (text.contains(QLatin1String("\r\n")))
        newline_ = QStringLiteral("\r\n");
    lines_ = text.split(QLatin1Char('\n'));
    for (QString& line : lines_) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    // The split leaves an empty last line after the final line break.
    if (!lines_.isEmpty() && lines_.back().isEmpty())
        lines_.removeLast();
}

int ProfileFile::FindSection(const QString& section) const
{
    for (int i = 0; i < lines_.size(); ++i) {
        const QString name = SectionName(lines_[i]);
        if (!name.isNull() && name.compare(section, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int ProfileFile::FindKey(int header, const QString& key) const
{
    for (int i = header + 1; i < lines_.size() && SectionName(lines_[i]).isNull(); ++i) {
        if (lines_[i].contains(QLatin1Char('=')) && KeyOf(lines_[i]).compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int ProfileFile::SectionEnd(int header) const
{
    int end = header + 1;
    for (int i = header + 1; i < lines_.size() && SectionName(lines_[i]).isNull(); ++i) {
        if (!lines_[i].trimmed().isEmpty())
            end = i + 1;
    }
    return end;
}

QString ProfileFile::ReadString(const QString& section, const QString& key, const QString& fallback) const
{
    const int header = FindSection(section);
    const int line = header < 0 ? -1 : FindKey(header, key);
    if (line < 0)
        return fallback;
    return ValueOf(lines_[line]).left(MaxValueLength);
}

void ProfileFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    QString flat = value;
    flat.replace(QLatin1String("\r\n"), QLatin1String(" "));
    flat.replace(QLatin1Char('\r'), QLatin1Char(' '));
    flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
    // Reading trims blanks and one pair of quotes: a value that would lose
    // something that way is written inside quotes, so it reads back as it was.
    const bool quoted = flat != flat.trimmed() ||
                        (flat.size() >= 2 && (flat.front() == QLatin1Char('"') || flat.front() == QLatin1Char('\'')) &&
                         flat.back() == flat.front());
    const QString entry = key + QLatin1Char('=') + (quoted ? QLatin1Char('"') + flat + QLatin1Char('"') : flat);

    int header = FindSection(section);
    if (header < 0) {
        if (!lines_.isEmpty() && !lines_.back().trimmed().isEmpty())
            lines_.append(QString());
        lines_.append(QLatin1Char('[') + section + QLatin1Char(']'));
        header = static_cast<int>(lines_.size()) - 1;
    }
    const int line = FindKey(header, key);
    if (line >= 0)
        lines_[line] = entry;
    else
        lines_.insert(SectionEnd(header), entry);
}

void ProfileFile::RemoveKey(const QString& section, const QString& key)
{
    const int header = FindSection(section);
    const int line = header < 0 ? -1 : FindKey(header, key);
    if (line >= 0)
        lines_.removeAt(line);
}

bool ProfileFile::Save() const
{
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder))
        return false;
    QString text;
    for (const QString& line : lines_)
        text += line + newline_;
    return WriteFileSafely(path_, text.toUtf8());
}

} // namespace rekol
