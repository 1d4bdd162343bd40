#pragma once

#include <QString>

namespace rekol {

enum class MessageIcon { None, Information, Warning, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Where the program shows what a user must know at once. The desktop program
// shows a message box captioned with the application's title; the command
// line tool writes to stderr; tests record and answer.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual MessageAnswer ShowMessage(const QString& text, MessageButtons buttons = MessageButtons::Ok,
                                      MessageIcon icon = MessageIcon::None) = 0;
};

} // namespace rekol
