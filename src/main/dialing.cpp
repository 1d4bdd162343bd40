#include "main/dialing.h"

#include "data/code_page.h"

namespace rekol {

QByteArray NextPhone(GroupData& group)
{
    group.phoneCursor = static_cast<std::uint8_t>(group.phoneCursor + 1);
    if (group.phoneCursor >= group.phoneCount)
        group.phoneCursor = 0;
    return group.phones[group.phoneCursor];
}

void DialSelected(GroupData& group, int r, Telephony& telephony, MessageSink& messages)
{
    // The button shows only with a usable number; without one, the cache holds
    // no number worth calling.
    if (group.phoneCount == 0 || r < 1 || r > group.publisherCount)
        return;
    DialNumber(DecodeAnsi(group.phones[group.phoneCursor], group.language),
               DecodeAnsi(group.GetDisplayName(r, false), group.language), telephony, messages);
}

void DialNumber(const QString& number, const QString& name, Telephony& telephony, MessageSink& messages)
{
    switch (telephony.RequestMakeCall(number, name)) {
    case CallRequest::Requested:
        break;
    case CallRequest::NotAvailable:
        messages.ShowMessage(QStringLiteral("Telephone service not available"));
        break;
    case CallRequest::BadEntry:
        messages.ShowMessage(QStringLiteral("bad procaddress"));
        break;
    }
}

} // namespace rekol
