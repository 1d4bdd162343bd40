#pragma once

#include "data/group_data.h"
#include "data/message_sink.h"
#include "mail/mail_transport.h"

namespace rekol {

// How a send of the results ended.
enum class SendOutcome {
    NotGroupFile,    // the open file is not a group list file: nothing happened
    NotSaved,        // the results file could not be written (already reported)
    SavedNoAddress,  // written; the group file holds no secretary's address
    SavedDeclined,   // written; the user chose to send it later
    MailUnavailable, // written; no usable mail system (already reported)
    MailFailed,      // written; the mail system refused the message (already reported)
    Mailed,          // written and handed to the mail system
};

// Button 4 "Enviar informes al Secretario": writes the group into the results
// file beside the group list file (".k19"), says where it is and, when the
// header holds the secretary's address and the user agrees, mails it there.
// Whatever happens to the mail, the results file stays written.
SendOutcome SendResults(GroupData& group, MailTransport& transport, MessageSink& messages);

} // namespace rekol
