#pragma once

#include "mail/mail_settings.h"
#include "mail/mail_transport.h"

#include <chrono>

namespace rekol {

// How long a send may keep the program waiting: the window stays disabled
// meanwhile.
struct SmtpTimeouts {
    std::chrono::milliseconds connect{15000}; // name lookup, TLS and the server's greeting
    std::chrono::milliseconds total{60000};   // the whole exchange
};

// Delivers messages to the SMTP server of the mail settings through libcurl:
// the sender's address from the settings, the originator's name as its
// display name, the body as UTF-8 text, every attachment base64-encoded.
// TLS certificates are always verified; over smtp:// the connection is
// upgraded with STARTTLS when the server offers it, and must be when a user
// name is set, so that a password never travels in clear text.
class SmtpTransport : public MailTransport {
public:
    explicit SmtpTransport(MailSettings settings, SmtpTimeouts timeouts = {});

    // MailNoLibrary without a server, MailBadLibrary when the server is not an
    // smtp:// or smtps:// URL, the sender is not an address, or libcurl
    // cannot speak the protocol.
    MailState Open() override;
    std::uint32_t SendMail(const MailMessage& message, std::uint32_t flags) override;

    // Why the last send failed, in the library's words (English).
    const QString& LastError() const { return lastError_; }

private:
    std::uint32_t Fail(std::uint32_t status, const QString& why);

    MailSettings settings_;
    SmtpTimeouts timeouts_;
    QString lastError_;
};

// The transport the settings file describes, its password from the system
// keyring where there is one.
SmtpTransport ConfiguredSmtpTransport(const QString& settingsPath);

} // namespace rekol
