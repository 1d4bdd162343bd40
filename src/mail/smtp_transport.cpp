#include "mail/smtp_transport.h"

#include "mail/mail_headers.h"
#include "mail/password_store.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <curl/curl.h>

#include <memory>
#include <vector>

namespace rekol {
namespace {

struct CurlDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
    void operator()(curl_mime* mime) const { curl_mime_free(mime); }
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using CurlHandle = std::unique_ptr<CURL, CurlDeleter>;
using MimeHandle = std::unique_ptr<curl_mime, CurlDeleter>;
using ListHandle = std::unique_ptr<curl_slist, CurlDeleter>;

// Appends to a libcurl string list; false when memory ran out (the list
// is then unchanged).
bool Append(ListHandle& list, const QByteArray& line)
{
    curl_slist* grown = curl_slist_append(list.get(), line.constData());
    if (!grown)
        return false;
    list.release();
    list.reset(grown);
    return true;
}

bool CurlSpeaks(const char* protocol)
{
    const curl_version_info_data* info = curl_version_info(CURLVERSION_NOW);
    for (const char* const* p = info->protocols; p && *p; ++p) {
        if (qstricmp(*p, protocol) == 0)
            return true;
    }
    return false;
}

// Keeps the server's last reply line, which says why it refused a message.
int KeepReply(CURL*, curl_infotype type, char* data, size_t size, void* reply)
{
    if (type == CURLINFO_HEADER_IN)
        *static_cast<QByteArray*>(reply) = QByteArray(data, static_cast<qsizetype>(size)).trimmed();
    return 0;
}

struct Attachment {
    QByteArray data;
    QString fileName;
};

} // namespace

SmtpTransport::SmtpTransport(MailSettings settings, SmtpTimeouts timeouts)
    : settings_(std::move(settings)), timeouts_(timeouts)
{
}

MailState SmtpTransport::Open()
{
    if (settings_.server.trimmed().isEmpty())
        return MailNoLibrary;
    const QUrl url(settings_.server.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("smtp") && scheme != QLatin1String("smtps")))
        return MailBadLibrary;
    if (!IsPlainAddress(settings_.from.trimmed()))
        return MailBadLibrary;
    if (curl_global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK || !CurlSpeaks(scheme.toLatin1().constData()))
        return MailBadLibrary;
    return MailOk;
}

std::uint32_t SmtpTransport::Fail(std::uint32_t status, const QString& why)
{
    lastError_ = why;
    return status;
}

std::uint32_t SmtpTransport::SendMail(const MailMessage& message, std::uint32_t)
{
    lastError_.clear();
    // Open() has checked it; a sender that is not a plain address must never
    // reach the envelope or the headers.
    if (!IsPlainAddress(settings_.from.trimmed()))
        return Fail(MAPI_E_FAILURE, QStringLiteral("the sender is not an e-mail address"));
    const QByteArray from = settings_.from.trimmed().toLatin1();

    ListHandle recipients;
    QByteArray toHeader;
    for (const MailRecipient& recipient : message.recips) {
        const std::optional<QByteArray> address = EnvelopeAddress(recipient.address);
        if (!address)
            return Fail(MAPI_E_UNKNOWN_RECIPIENT, QStringLiteral("not an e-mail address: \"%1\"").arg(recipient.name));
        if (!Append(recipients, *address))
            return Fail(MAPI_E_INSUFFICIENT_MEMORY, QStringLiteral("out of memory"));
        toHeader += (toHeader.isEmpty() ? "" : ", ") + *address;
    }
    if (!recipients)
        return Fail(MAPI_E_INVALID_RECIPS, QStringLiteral("the message has no recipient"));

    std::vector<Attachment> attachments;
    for (const MailAttachment& file : message.files) {
        QFile f(file.pathName);
        if (!f.exists())
            return Fail(MAPI_E_ATTACHMENT_NOT_FOUND, QStringLiteral("%1: no such file").arg(file.pathName));
        if (!f.open(QIODevice::ReadOnly))
            return Fail(MAPI_E_ATTACHMENT_OPEN_FAILURE, QStringLiteral("%1: %2").arg(file.pathName, f.errorString()));
        QByteArray data = f.readAll();
        if (f.error() != QFileDevice::NoError)
            return Fail(MAPI_E_ATTACHMENT_OPEN_FAILURE, QStringLiteral("%1: %2").arg(file.pathName, f.errorString()));
        attachments.push_back({std::move(data), file.fileName.value_or(QFileInfo(file.pathName).fileName())});
    }

    CurlHandle curl(curl_easy_init());
    if (!curl)
        return Fail(MAPI_E_INSUFFICIENT_MEMORY, QStringLiteral("libcurl could not start"));
    CURL* c = curl.get();

    ListHandle headers;
    bool listsOk = Append(headers, "Date: " + MailDate(QDateTime::currentDateTime())) &&
                   Append(headers, "From: " + FormatMailbox(message.originator.name, from)) &&
                   Append(headers, "To: " + toHeader) &&
                   Append(headers, "Message-ID: " + NewMessageId(from));
    if (message.subject)
        listsOk = listsOk && Append(headers, "Subject: " + EncodeHeaderText(*message.subject));

    MimeHandle mime(curl_mime_init(c));
    if (!listsOk || !mime)
        return Fail(MAPI_E_INSUFFICIENT_MEMORY, QStringLiteral("out of memory"));
    const QByteArray body = WithCrlf(message.noteText);
    curl_mimepart* text = curl_mime_addpart(mime.get());
    bool mimeOk = text && curl_mime_data(text, body.constData(), static_cast<size_t>(body.size())) == CURLE_OK &&
                  curl_mime_type(text, "text/plain; charset=UTF-8") == CURLE_OK &&
                  curl_mime_encoder(text, "quoted-printable") == CURLE_OK;
    for (const Attachment& attachment : attachments) {
        if (!mimeOk)
            break;
        curl_mimepart* part = curl_mime_addpart(mime.get());
        ListHandle partHeaders;
        mimeOk = part &&
                 curl_mime_data(part, attachment.data.constData(), static_cast<size_t>(attachment.data.size())) ==
                     CURLE_OK &&
                 curl_mime_type(part, "application/octet-stream") == CURLE_OK &&
                 curl_mime_encoder(part, "base64") == CURLE_OK &&
                 Append(partHeaders, "Content-Disposition: " + AttachmentDisposition(attachment.fileName)) &&
                 curl_mime_headers(part, partHeaders.get(), 1) == CURLE_OK;
        if (mimeOk)
            partHeaders.release(); // the part owns the list now
    }
    if (!mimeOk)
        return Fail(MAPI_E_INSUFFICIENT_MEMORY, QStringLiteral("out of memory"));

    const QByteArray url = settings_.server.trimmed().toUtf8();
    const QByteArray mailFrom = '<' + from + '>';
    const QByteArray user = settings_.user.toUtf8();
    const QByteArray password = settings_.password.toUtf8();
    const bool implicitTls =
        QUrl(settings_.server.trimmed()).scheme().compare(QLatin1String("smtps"), Qt::CaseInsensitive) == 0;
    char errorText[CURL_ERROR_SIZE] = {};
    QByteArray lastReply;

    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(timeouts_.connect.count()));
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, static_cast<long>(timeouts_.total.count()));
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(c, CURLOPT_USE_SSL,
                     static_cast<long>(implicitTls || !user.isEmpty() ? CURLUSESSL_ALL : CURLUSESSL_TRY));
    if (!user.isEmpty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, password.constData());
    }
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, mailFrom.constData());
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, recipients.get());
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(c, CURLOPT_MIMEPOST, mime.get());
    curl_easy_setopt(c, CURLOPT_DEBUGFUNCTION, KeepReply);
    curl_easy_setopt(c, CURLOPT_DEBUGDATA, &lastReply);
    curl_easy_setopt(c, CURLOPT_VERBOSE, 1L);

    const CURLcode result = curl_easy_perform(c);
    if (result == CURLE_OK)
        return SUCCESS_SUCCESS;
    QString why = errorText[0] ? QString::fromUtf8(errorText) : QString::fromUtf8(curl_easy_strerror(result));
    if (lastReply.startsWith('4') || lastReply.startsWith('5'))
        why += QStringLiteral(" (%1)").arg(QString::fromUtf8(lastReply));
    return Fail(result == CURLE_OUT_OF_MEMORY ? MAPI_E_INSUFFICIENT_MEMORY : MAPI_E_FAILURE, why);
}

SmtpTransport ConfiguredSmtpTransport(const QString& settingsPath)
{
    const std::unique_ptr<PasswordStore> keyring = SystemPasswordStore();
    return SmtpTransport(ReadMailSettings(settingsPath, keyring.get()));
}

} // namespace rekol
