#pragma once

#include "data/group_data.h"
#include "data/message_sink.h"
#include "mail/mail_transport.h"

#include <QString>

namespace rekol {

// The reminder's text for the report month: "Por favor envíe su informe de
// Marzo. \nGracias."
QString ReminderBody(const GroupData& group);

// Refreshes the contact cache for publisher i as a selection in the main
// window does, and tells whether the reminder buttons (1006, 1007) show: the
// group has two or more publishers and `selectedEmail` is not empty.
bool OffersReminder(GroupData& group, int i);

// Button 1007: shows the reminder's text.
void PreviewReminder(const GroupData& group, MessageSink& messages);

// Button 1006: shows the address, then mails the reminder to every address in
// `selectedEmail`. True when the mail system took the message.
bool SendReminder(GroupData& group, MailTransport& transport, MessageSink& messages);

} // namespace rekol
