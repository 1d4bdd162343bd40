#include "cli/cli_group.h"
#include "cli/cli_settings.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "data/results_path.h"
#include "mail/smtp_transport.h"
#include "main/send_results.h"

#include <cstdio>

namespace rekol::cli {
namespace {

// Writes every message on stderr and answers the question to mail the
// results as --yes says.
class AnsweringSink : public StderrSink {
public:
    explicit AnsweringSink(bool yes) : yes_(yes) {}
    MessageAnswer ShowMessage(const QString& text, MessageButtons buttons, MessageIcon icon) override
    {
        StderrSink::ShowMessage(text, buttons, icon);
        if (buttons == MessageButtons::YesNo)
            return yes_ ? MessageAnswer::Yes : MessageAnswer::No;
        return MessageAnswer::Ok;
    }

private:
    bool yes_;
};

} // namespace

int RunSend(const QStringList& words)
{
    QString error;
    const auto args = ParseArgs(words, {}, {QStringLiteral("--yes")}, error);
    if (!args) {
        PrintError(error);
        return ExitUsage;
    }
    if (!IsGroupListFile(*args))
        return ExitUsage;
    AnsweringSink sink(args->flags.contains(QStringLiteral("--yes")));
    GroupData group(sink);
    if (const int code = LoadForCommand(*args, group); code != ExitOk)
        return code;
    // Start-up takes the path before loading, so it stays also for a group
    // without publishers.
    group.groupPath = args->file;
    SmtpTransport transport = ConfiguredSmtpTransport(SettingsPathFor(*args));
    const SendOutcome outcome = SendResults(group, transport, sink);
    if (outcome == SendOutcome::NotGroupFile || outcome == SendOutcome::NotSaved)
        return ExitRefused;
    std::printf("%s\n", ResultsPath(args->file).toUtf8().constData());
    const bool mailFailed = outcome == SendOutcome::MailUnavailable || outcome == SendOutcome::MailFailed;
    return mailFailed ? ExitServiceFailed : ExitOk;
}

} // namespace rekol::cli
