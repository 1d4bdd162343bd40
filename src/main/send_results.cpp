#include "main/send_results.h"

#include "data/code_page.h"
#include "data/report_period.h"
#include "data/results_path.h"
#include "mail/cmapi_mail.h"
#include "res/string_table.h"

namespace rekol {

SendOutcome SendResults(GroupData& group, MailTransport& transport, MessageSink& messages)
{
    if (!HasGroupExtension(group.groupPath))
        return SendOutcome::NotGroupFile;
    // Only the ending changes: a folder named like a group file stays as it is.
    const QString results = ResultsPath(group.groupPath);
    if (!group.SaveGroupFile(results))
        return SendOutcome::NotSaved;

    QString text = FormatMessage(LoadResString(IDS_RESULTS_SAVED), results);
    const QString address = DecodeAnsi(group.SecretaryEmail(), group.language);
    if (!address.contains(QLatin1Char('@'))) {
        messages.ShowMessage(text);
        return SendOutcome::SavedNoAddress;
    }
    text += LoadResString(IDS_SEND_QUESTION) + address + LoadResString(IDS_SEND_OR) + LoadResString(IDS_SEND_LATER);
    if (messages.ShowMessage(text, MessageButtons::YesNo, MessageIcon::Question) != MessageAnswer::Yes)
        return SendOutcome::SavedDeclined;

    const QString month = GetMonthName(group.reportMonth, false, group.language);
    const QString groupCaption = QStringLiteral("%1 %2").arg(LoadResString(IDS_GROUP)).arg(static_cast<int>(group.groupNumber));
    const QString subject = LoadResString(IDS_RESULTS_SUBJECT) + QStringLiteral(" - ") + month +
                            QStringLiteral(" - ") + groupCaption;
    const QString body = month + QLatin1Char(' ') + LoadResString(IDS_RESULTS_TEXT) + QLatin1Char(' ') + groupCaption;

    CMapiMail mail(transport, messages);
    if (mail.TakeError() != MailOk)
        return SendOutcome::MailUnavailable;
    mail.SetOriginatorName(QStringLiteral("Rek"));
    mail.AddRecipients(address);
    mail.SetSubject(subject);
    mail.SetNoteText(body);
    mail.AddAttachment(results);
    return mail.Send(0) ? SendOutcome::Mailed : SendOutcome::MailFailed;
}

} // namespace rekol
