#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

namespace rekol {

// Header texts of an Internet message (RFC 5322, RFC 2047, RFC 2231).

// The address of a recipient entry ("SMTP:" and the address, blanks around
// it ignored), or nothing when it is not a plain local@domain address that can
// go into an SMTP envelope. Control characters, blanks inside, brackets and
// non-ASCII characters are refused.
std::optional<QByteArray> EnvelopeAddress(const QString& recipientAddress);
// True for a plain local@domain address (see EnvelopeAddress).
bool IsPlainAddress(const QString& address);

// An unstructured header text: printable ASCII as it stands, anything else as
// UTF-8 "Q" encoded words.
QByteArray EncodeHeaderText(const QString& text);
// "Name <address>", the name quoted or encoded as it needs; the address alone
// when there is no name.
QByteArray FormatMailbox(const QString& displayName, const QByteArray& address);
// The value of a Content-Disposition header for an attached file.
QByteArray AttachmentDisposition(const QString& fileName);

QByteArray MailDate(const QDateTime& when);
// A unique Message-ID in the domain of the sender's address.
QByteArray NewMessageId(const QByteArray& senderAddress);

// The text as UTF-8 with every line ending (LF, CR or CRLF) made CRLF.
QByteArray WithCrlf(const QString& text);

} // namespace rekol
