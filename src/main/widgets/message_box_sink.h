#pragma once

#include "data/message_sink.h"

namespace rekol {

// Shows each message in a modal message box over the active window,
// captioned with the application's title (the program file's base name).
class MessageBoxSink : public MessageSink {
public:
    MessageAnswer ShowMessage(const QString& text, MessageButtons buttons = MessageButtons::Ok,
                              MessageIcon icon = MessageIcon::None) override;
};

} // namespace rekol
