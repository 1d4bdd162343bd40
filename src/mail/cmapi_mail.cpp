#include "mail/cmapi_mail.h"

#include "res/string_table.h"

#include <QStringList>

#include <new>

namespace rekol {

CMapiMail::CMapiMail(MailTransport& transport, MessageSink& messages)
    : transport_(&transport), messages_(&messages)
{
    switch (transport.Open()) {
    case MailOk:
        opened_ = true;
        break;
    case MailBadLibrary:
        messages_->ShowMessage(LoadResString(IDS_MAIL_DLL_INVALID));
        errorState = MailBadLibrary;
        break;
    default:
        messages_->ShowMessage(LoadResString(IDS_MAIL_LOAD_FAILED));
        errorState = MailNoLibrary;
        break;
    }
}

MailState CMapiMail::TakeError()
{
    const MailState state = errorState;
    errorState = MailOk;
    return state;
}

void CMapiMail::SetOriginatorName(const QString& name)
{
    message.originator.name = name;
}

bool CMapiMail::AddRecipients(const QString& list)
{
    const QStringList addresses = list.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& address : addresses) {
        try {
            message.recips.push_back({MAPI_TO, address, QStringLiteral("SMTP:") + address});
        } catch (const std::bad_alloc&) {
            errorState = MailNoMemoryRecipients;
            return false;
        }
    }
    return true;
}

void CMapiMail::SetSubject(const QString& subject)
{
    message.subject = subject;
}

void CMapiMail::SetNoteText(const QString& text)
{
    noteText = text;
}

bool CMapiMail::AddAttachment(const QString& path, const std::optional<QString>& name)
{
    try {
        message.files.push_back({path, name, 0});
    } catch (const std::bad_alloc&) {
        errorState = MailNoMemoryFiles;
        return false;
    }
    return true;
}

bool CMapiMail::Send(std::uint32_t flags)
{
    // Without a mail system there is nothing to hand the message to; the
    // constructor has already said why.
    if (!opened_)
        return false;
    // A message that lost a recipient or its attachment on the way must not
    // go out as if it were complete.
    if (errorState == MailNoMemoryRecipients || errorState == MailNoMemoryFiles) {
        messages_->ShowMessage(LoadResString(IDS_MAIL_SEND_FAILED));
        return false;
    }
    // Every attachment stands on a blank of its own at the end of the body.
    const auto length = static_cast<std::uint32_t>(noteText.size());
    noteText += QString(static_cast<qsizetype>(message.files.size()), QLatin1Char(' '));
    for (std::size_t i = 0; i < message.files.size(); ++i)
        message.files[i].position = length + static_cast<std::uint32_t>(i);
    message.noteText = noteText;
    message.flags = 0;

    const std::uint32_t status = transport_->SendMail(message, flags | MAPI_LOGON_UI);
    if (status == SUCCESS_SUCCESS || status == MAPI_USER_ABORT || status == MAPI_E_LOGIN_FAILURE)
        return true;
    messages_->ShowMessage(LoadResString(IDS_MAIL_SEND_FAILED));
    return false;
}

} // namespace rekol
