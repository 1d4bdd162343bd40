#pragma once

#include "data/group_data.h"
#include "data/message_sink.h"
#include "main/telephony.h"

#include <QByteArray>
#include <QString>

namespace rekol {

// Button 1004 "> > >": moves the phone cursor to the next usable number
// (after the last back to the first) and returns the number that control
// 1002 shows now.
QByteArray NextPhone(GroupData& group);

// Button 1003 "Marcar": dials the number shown for publisher r (the record
// number of the selected line), naming the publisher given name first.
void DialSelected(GroupData& group, int r, Telephony& telephony, MessageSink& messages);

// Asks the telephony service to call `number`; the number goes as it stands.
// "Telephone service not available" when there is no service, "bad
// procaddress" when it cannot take requests.
void DialNumber(const QString& number, const QString& name, Telephony& telephony, MessageSink& messages);

} // namespace rekol
