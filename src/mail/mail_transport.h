#pragma once

#include "mail/mail_message.h"

#include <cstdint>

namespace rekol {

// What went wrong last in a mail object.
enum MailState : int {
    MailOk = 0,
    MailNoLibrary = 1,          // no mail system is configured or installed
    MailBadLibrary = 2,         // the mail system is there but cannot be used
    MailNoMemoryRecipients = 3, // a recipient could not be added
    MailNoMemoryFiles = 5,      // an attachment could not be added
};

// The mail system a message is handed to: the system's mail client on a
// platform that has one, an SMTP server elsewhere.
class MailTransport {
public:
    virtual ~MailTransport() = default;
    // Makes the mail system ready: MailOk, MailNoLibrary or MailBadLibrary.
    virtual MailState Open() = 0;
    // Delivers the message; answers SUCCESS_SUCCESS or another status code.
    virtual std::uint32_t SendMail(const MailMessage& message, std::uint32_t flags) = 0;
};

} // namespace rekol
