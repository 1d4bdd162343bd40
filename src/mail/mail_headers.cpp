#include "mail/mail_headers.h"

#include <QLocale>
#include <QUuid>

#include <algorithm>
#include <cstdlib>

namespace rekol {
namespace {

bool IsAtext(char16_t c)
{
    if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'))
        return true;
    return QStringView(u"!#$%&'*+-/=?^_`{|}~").contains(QChar(c));
}

bool IsDomainChar(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'-' ||
           c == u'.';
}

bool IsPrintableAscii(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            return false;
    }
    return true;
}

// Characters that may stand unencoded inside a "Q" encoded word of a header.
bool IsQSafe(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '!' ||
           c == '*' || c == '+' || c == '-' || c == '/';
}

QByteArray QEncodedWords(const QString& text)
{
    const QByteArray prefix = "=?UTF-8?Q?";
    const QByteArray suffix = "?=";
    const qsizetype maxPayload = 75 - prefix.size() - suffix.size();
    QByteArray out;
    QByteArray word;
    const auto flush = [&] {
        if (word.isEmpty())
            return;
        if (!out.isEmpty())
            out += ' ';
        out += prefix + word + suffix;
        word.clear();
    };
    // One code point at a time, so a multi-byte character never splits
    // across two words.
    for (qsizetype k = 0; k < text.size();) {
        const qsizetype step = (text.at(k).isHighSurrogate() && k + 1 < text.size()) ? 2 : 1;
        QByteArray piece;
        for (const char c : text.mid(k, step).toUtf8()) {
            if (c == ' ')
                piece += '_';
            else if (IsQSafe(c))
                piece += c;
            else
                piece += '=' + QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0').toUpper();
        }
        if (word.size() + piece.size() > maxPayload)
            flush();
        word += piece;
        k += step;
    }
    flush();
    return out;
}

} // namespace

bool IsPlainAddress(const QString& address)
{
    const qsizetype at = address.indexOf(QLatin1Char('@'));
    if (at <= 0 || at != address.lastIndexOf(QLatin1Char('@')) || at == address.size() - 1)
        return false;
    const QStringView local = QStringView(address).left(at);
    const QStringView domain = QStringView(address).mid(at + 1);
    for (const QChar c : local) {
        if (!IsAtext(c.unicode()) && c != QLatin1Char('.'))
            return false;
    }
    if (local.startsWith(u'.') || local.endsWith(u'.') || local.contains(u".."))
        return false;
    for (const QChar c : domain) {
        if (!IsDomainChar(c.unicode()))
            return false;
    }
    return !domain.startsWith(u'.') && !domain.endsWith(u'.') && !domain.contains(u"..");
}

std::optional<QByteArray> EnvelopeAddress(const QString& recipientAddress)
{
    if (!recipientAddress.startsWith(QLatin1String("SMTP:"), Qt::CaseInsensitive))
        return std::nullopt;
    const QString address = recipientAddress.mid(5).trimmed();
    if (!IsPlainAddress(address))
        return std::nullopt;
    return address.toLatin1();
}

QByteArray EncodeHeaderText(const QString& text)
{
    if (IsPrintableAscii(text) && !text.contains(QLatin1String("=?")))
        return text.toLatin1();
    return QEncodedWords(text);
}

QByteArray FormatMailbox(const QString& displayName, const QByteArray& address)
{
    if (displayName.isEmpty())
        return address;
    QByteArray name;
    const bool atoms = std::all_of(displayName.begin(), displayName.end(),
                                   [](QChar c) { return IsAtext(c.unicode()) || c == QLatin1Char(' '); });
    if (atoms && !displayName.trimmed().isEmpty()) {
        name = displayName.toLatin1();
    } else if (IsPrintableAscii(displayName) && !displayName.contains(QLatin1String("=?"))) {
        QByteArray quoted = displayName.toLatin1();
        quoted.replace('\\', "\\\\").replace('"', "\\\"");
        name = '"' + quoted + '"';
    } else {
        name = QEncodedWords(displayName);
    }
    return name + " <" + address + '>';
}

QByteArray AttachmentDisposition(const QString& fileName)
{
    if (IsPrintableAscii(fileName) && !fileName.contains(QLatin1Char('"')) && !fileName.contains(QLatin1Char('\\')))
        return "attachment; filename=\"" + fileName.toLatin1() + '"';
    // RFC 2231: UTF-8, every byte outside the unreserved set percent-encoded.
    return "attachment; filename*=UTF-8''" + fileName.toUtf8().toPercentEncoding();
}

QByteArray MailDate(const QDateTime& when)
{
    // RFC 5322 wants English day and month names whatever the user's locale.
    const int offset = when.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    const QString zone = QStringLiteral("%1%2%3")
                             .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                             .arg(minutes / 60, 2, 10, QLatin1Char('0'))
                             .arg(minutes % 60, 2, 10, QLatin1Char('0'));
    return (QLocale::c().toString(when, QStringLiteral("ddd, dd MMM yyyy HH:mm:ss ")) + zone).toLatin1();
}

QByteArray NewMessageId(const QByteArray& senderAddress)
{
    const qsizetype at = senderAddress.lastIndexOf('@');
    const QByteArray domain = at >= 0 ? senderAddress.mid(at + 1) : QByteArray("localhost");
    return '<' + QUuid::createUuid().toString(QUuid::WithoutBraces).toLatin1() + '@' + domain + '>';
}

QByteArray WithCrlf(const QString& text)
{
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    lines.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return lines.toUtf8();
}

} // namespace rekol
