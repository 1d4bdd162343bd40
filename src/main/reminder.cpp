#include "main/reminder.h"

#include "data/code_page.h"
#include "data/report_period.h"
#include "mail/cmapi_mail.h"
#include "res/string_table.h"

namespace rekol {

QString ReminderBody(const GroupData& group)
{
    return FormatMessage(LoadResString(IDS_REMINDER_TEXT), GetMonthName(group.reportMonth, false, group.language));
}

bool OffersReminder(GroupData& group, int i)
{
    if (group.publisherCount < 2)
        return false;
    group.CollectContacts(i);
    return !group.selectedEmail.isEmpty();
}

void PreviewReminder(const GroupData& group, MessageSink& messages)
{
    messages.ShowMessage(ReminderBody(group));
}

bool SendReminder(GroupData& group, MailTransport& transport, MessageSink& messages)
{
    const QString address = DecodeAnsi(group.selectedEmail, group.language);
    messages.ShowMessage(address);
    CMapiMail mail(transport, messages);
    if (mail.TakeError() != MailOk)
        return false;
    const QString body = ReminderBody(group);
    mail.SetOriginatorName(QStringLiteral("Rek"));
    mail.AddRecipients(address);
    mail.SetSubject(QStringLiteral("Report"));
    mail.SetNoteText(body);
    return mail.Send(0);
}

} // namespace rekol
