#include "cli/cli_group.h"
#include "cli/cli_settings.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "mail/smtp_transport.h"
#include "main/reminder.h"

namespace rekol::cli {

int RunRemind(const QStringList& words)
{
    QString error;
    const auto args = ParseArgs(words, {QStringLiteral("--publisher")}, {}, error);
    if (!args) {
        PrintError(error);
        return ExitUsage;
    }
    bool valid = true;
    const std::optional<int> publisher = args->Int(QStringLiteral("--publisher"), 1, 0xFFFF, valid);
    if (!publisher || !valid) {
        PrintError(QStringLiteral("remind needs --publisher I, a record number"));
        return ExitUsage;
    }
    StderrSink sink;
    GroupData group(sink);
    if (const int code = LoadForCommand(*args, group); code != ExitOk)
        return code;
    const int i = *publisher;
    if (!IsRecordInRange(group, i))
        return ExitUsage;
    if (!OffersReminder(group, i)) {
        QString why = QStringLiteral("no usable e-mail address");
        if (group.publisherCount < 2)
            why = QStringLiteral("the group has fewer than two publishers");
        else if (!group.IsNotReported(i, group.reportMonth, group.yearSlot))
            why = QStringLiteral("already reported for the month");
        PrintError(QStringLiteral("no reminder for record %1: %2").arg(i).arg(why));
        return ExitRefused;
    }
    SmtpTransport transport = ConfiguredSmtpTransport(SettingsPathFor(*args));
    return SendReminder(group, transport, sink) ? ExitOk : ExitServiceFailed;
}

} // namespace rekol::cli
