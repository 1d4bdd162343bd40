#pragma once

#include "data/message_sink.h"

#include <QStringList>

#include <deque>

namespace rekol::test {

// Records every message shown and answers with queued answers (Ok or Yes
// when none is queued).
class RecordingSink : public MessageSink {
public:
    MessageAnswer ShowMessage(const QString& text, MessageButtons buttons, MessageIcon icon) override
    {
        messages.append(text);
        lastIcon = icon;
        if (!answers.empty()) {
            const MessageAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }

    QStringList messages;
    MessageIcon lastIcon = MessageIcon::None;
    std::deque<MessageAnswer> answers;
};

} // namespace rekol::test
