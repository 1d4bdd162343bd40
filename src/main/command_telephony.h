#pragma once

#include "main/telephony.h"

namespace rekol {

// Places calls through a program of the user's choice (settings section
// "Phone", key "Command"): the command line is split into the program and its
// own arguments, the number and the name are added as two more arguments, and
// the program is started on its own, never through a shell.
class CommandTelephony : public Telephony {
public:
    explicit CommandTelephony(QString command);
    CallRequest RequestMakeCall(const QString& destAddress, const QString& calledParty) override;

private:
    QString command_;
};

} // namespace rekol
