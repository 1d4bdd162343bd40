#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace rekol {

// Recipient classes of a message.
inline constexpr std::uint32_t MAPI_ORIG = 0;
inline constexpr std::uint32_t MAPI_TO = 1;

// Flags a sender may pass with a message. The program never asks the mail
// system to show the message for editing (MAPI_DIALOG).
inline constexpr std::uint32_t MAPI_LOGON_UI = 0x00000001;
inline constexpr std::uint32_t MAPI_DIALOG = 0x00000008;

// Status codes a mail transport answers with. 0, 1 and 3 count as success:
// the user cancelled or declined to log on, which needs no message.
inline constexpr std::uint32_t SUCCESS_SUCCESS = 0;
inline constexpr std::uint32_t MAPI_USER_ABORT = 1;
inline constexpr std::uint32_t MAPI_E_FAILURE = 2;
inline constexpr std::uint32_t MAPI_E_LOGIN_FAILURE = 3;
inline constexpr std::uint32_t MAPI_E_INSUFFICIENT_MEMORY = 5;
inline constexpr std::uint32_t MAPI_E_ATTACHMENT_NOT_FOUND = 11;
inline constexpr std::uint32_t MAPI_E_ATTACHMENT_OPEN_FAILURE = 12;
inline constexpr std::uint32_t MAPI_E_UNKNOWN_RECIPIENT = 14;
inline constexpr std::uint32_t MAPI_E_INVALID_RECIPS = 25;

struct MailRecipient {
    std::uint32_t recipClass = MAPI_TO;
    QString name;
    QString address; // "SMTP:" followed by the address
};

struct MailAttachment {
    QString pathName;
    std::optional<QString> fileName; // display name; the path's file name when absent
    std::uint32_t position = 0;      // index of the blank in the note text that stands for it
};

// One e-mail message as it is handed to a mail transport.
struct MailMessage {
    std::optional<QString> subject;
    QString noteText;
    std::uint32_t flags = 0;
    MailRecipient originator{MAPI_ORIG, {}, {}};
    std::vector<MailRecipient> recips;
    std::vector<MailAttachment> files;
};

} // namespace rekol
