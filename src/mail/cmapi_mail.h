#pragma once

#include "data/message_sink.h"
#include "mail/mail_message.h"
#include "mail/mail_transport.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace rekol {

// One e-mail message, built in memory and handed to the mail transport
// without a compose window. Created, filled, sent once and destroyed inside
// one command: construct, TakeError (stop unless MailOk), SetOriginatorName,
// AddRecipients, SetSubject, SetNoteText, AddAttachment, Send.
class CMapiMail {
public:
    // Opens the transport; when that fails, shows why and records it for
    // TakeError.
    CMapiMail(MailTransport& transport, MessageSink& messages);
    CMapiMail(const CMapiMail&) = delete;
    CMapiMail& operator=(const CMapiMail&) = delete;

    // The most recent failure; resets it to MailOk.
    MailState TakeError();
    void SetOriginatorName(const QString& name);
    // Adds one recipient per address of a ';'-separated list. Empty entries
    // are skipped; blanks are kept as they stand.
    bool AddRecipients(const QString& list);
    void SetSubject(const QString& subject);
    void SetNoteText(const QString& text);
    bool AddAttachment(const QString& path, const std::optional<QString>& name = std::nullopt);
    // Hands the message over. True when the transport accepted it, or the
    // user cancelled or declined to log on; otherwise shows message 61842.
    bool Send(std::uint32_t flags);

    // The message as built so far, or as handed over.
    const MailMessage& Message() const { return message; }

private:
    MailMessage message;
    MailState errorState = MailOk;
    QString noteText;
    MailTransport* transport_;
    MessageSink* messages_;
    bool opened_ = false;
};

} // namespace rekol
