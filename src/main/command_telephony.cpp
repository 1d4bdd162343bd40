#include "main/command_telephony.h"

#include <QProcess>

namespace rekol {

CommandTelephony::CommandTelephony(QString command) : command_(std::move(command)) {}

CallRequest CommandTelephony::RequestMakeCall(const QString& destAddress, const QString& calledParty)
{
    QStringList args = QProcess::splitCommand(command_);
    if (args.isEmpty() || args.first().isEmpty())
        return CallRequest::BadEntry;
    const QString program = args.takeFirst();
    args << destAddress << calledParty;
    return QProcess::startDetached(program, args) ? CallRequest::Requested : CallRequest::NotAvailable;
}

} // namespace rekol
