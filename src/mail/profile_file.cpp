#include "mail/profile_file.h"

#include "data/safe_write.h"

#include <QFile>

namespace rekol {
namespace {

// One line of the file, without its line ending.
struct Line {
    QByteArray raw;
    QByteArray ending;
    QString Text() const { return QString::fromUtf8(raw); }
};

std::vector<Line> SplitLines(const QByteArray& bytes)
{
    std::vector<Line> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        QByteArray ending = "\n";
        if (end < 0) {
            end = bytes.size();
            ending.clear();
        }
        qsizetype textEnd = end;
        if (textEnd > start && bytes.at(textEnd - 1) == '\r') {
            --textEnd;
            ending.prepend('\r');
        }
        lines.push_back({bytes.mid(start, textEnd - start), ending});
        start = end + 1;
    }
    return lines;
}

// The section a "[Name]" line opens, or nothing for any other line.
std::optional<QString> SectionName(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    if (close < 0)
        return std::nullopt;
    return trimmed.mid(1, close - 1).trimmed();
}

// The key of a "Key=Value" line, or nothing.
std::optional<QString> KeyName(const QString& line)
{
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0 || line.trimmed().startsWith(QLatin1Char(';')))
        return std::nullopt;
    return line.left(equals).trimmed();
}

QString ValueOf(const QString& line)
{
    QString value = line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
        value = value.mid(1, value.size() - 2);
    return value;
}

// The text to store so that reading it back gives `value` exactly.
QString StoredValue(const QString& value)
{
    const bool quote = value != value.trimmed() ||
                       (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')));
    return quote ? QLatin1Char('"') + value + QLatin1Char('"') : value;
}

bool Same(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

ProfileFile::ProfileFile(QString path) : path_(std::move(path)) {}

QByteArray ProfileFile::ReadBytes() const
{
    QFile file(path_);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString ProfileFile::GetString(const QString& section, const QString& key, const QString& fallback) const
{
    bool inSection = false;
    for (const Line& line : SplitLines(ReadBytes())) {
        const QString text = line.Text();
        if (const auto name = SectionName(text)) {
            inSection = Same(*name, section);
        } else if (inSection) {
            if (const auto k = KeyName(text); k && Same(*k, key))
                return ValueOf(text);
        }
    }
    return fallback;
}

bool ProfileFile::WriteStrings(const QString& section,
                               const std::vector<std::pair<QString, std::optional<QString>>>& entries, QString* error)
{
    for (const auto& [key, value] : entries) {
        if (value && (value->contains(QLatin1Char('\n')) || value->contains(QLatin1Char('\r')))) {
            if (error)
                *error = QStringLiteral("a value of %1 holds a line break").arg(key);
            return false;
        }
    }
    const QByteArray original = ReadBytes();
    std::vector<Line> lines = SplitLines(original);
    const QByteArray newline = original.contains("\r\n") ? "\r\n" : "\n";

    // Where the section starts and where its last non-blank line is.
    std::optional<std::size_t> header;
    std::size_t last = 0;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const QString text = lines[k].Text();
        if (const auto name = SectionName(text)) {
            if (header)
                break;
            if (Same(*name, section)) {
                header = k;
                last = k;
            }
        } else if (header && !text.trimmed().isEmpty()) {
            last = k;
        }
    }
    if (!header) {
        if (!lines.empty() && !lines.back().Text().trimmed().isEmpty())
            lines.push_back({QByteArray(), newline});
        lines.push_back({(QLatin1Char('[') + section + QLatin1Char(']')).toUtf8(), newline});
        header = lines.size() - 1;
        last = *header;
    }

    for (const auto& [key, value] : entries) {
        std::optional<std::size_t> found;
        for (std::size_t k = *header + 1; k <= last; ++k) {
            if (const auto name = KeyName(lines[k].Text()); name && Same(*name, key)) {
                found = k;
                break;
            }
        }
        if (found && value) {
            lines[*found].raw = (key + QLatin1Char('=') + StoredValue(*value)).toUtf8();
        } else if (found) {
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*found));
            --last;
        } else if (value) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(last + 1),
                         {(key + QLatin1Char('=') + StoredValue(*value)).toUtf8(), newline});
            ++last;
        }
    }

    QByteArray bytes;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        // Only the file's last line may lack its line ending.
        const bool lastLine = k + 1 == lines.size();
        bytes += lines[k].raw + (lines[k].ending.isEmpty() && !lastLine ? newline : lines[k].ending);
    }
    return WriteFileSafely(path_, bytes, error);
}

} // namespace rekol
