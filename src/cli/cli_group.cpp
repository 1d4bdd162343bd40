#include "cli/cli_group.h"
#include "cli/exit_codes.h"
#include "data/results_path.h"
#include "res/string_table.h"

#include <QFile>

#include <cstdio>

namespace rekol::cli {

void PrintError(const QString& text)
{
    QString line = text;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::fprintf(stderr, "%s\n", line.toUtf8().constData());
    std::fflush(stderr);
}

MessageAnswer StderrSink::ShowMessage(const QString& text, MessageButtons buttons, MessageIcon)
{
    PrintError(text);
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

int LoadForCommand(const CliArgs& args, GroupData& group)
{
    if (args.values.contains(QStringLiteral("--today"))) {
        const QDate today = QDate::fromString(args.values.value(QStringLiteral("--today")), Qt::ISODate);
        if (!today.isValid()) {
            PrintError(QStringLiteral("--today needs a date YYYY-MM-DD"));
            return ExitUsage;
        }
        group.clock = [today] { return today; };
    }
    group.language = LoadResString(IDS_LANGUAGE);
    group.DeriveReportPeriod(group.clock());
    switch (group.LoadGroupFile(args.file)) {
    case LoadStatus::Loaded:
        return ExitOk;
    case LoadStatus::NotOpened: {
        QFile file(args.file);
        file.open(QIODevice::ReadOnly);
        PrintError(QStringLiteral("cannot open %1: %2").arg(args.file, file.errorString()));
        return ExitUsage;
    }
    case LoadStatus::OutsideFormat:
        return ExitOutsideFormat;
    case LoadStatus::LowMemory:
        return ExitRefused;
    }
    return ExitRefused;
}

bool IsGroupListFile(const CliArgs& args)
{
    if (HasGroupExtension(args.file))
        return true;
    PrintError(QStringLiteral("%1 is not a group list file (.k09)").arg(args.file));
    return false;
}

bool IsRecordInRange(const GroupData& group, int i)
{
    if (i >= 1 && i <= group.publisherCount)
        return true;
    PrintError(QStringLiteral("record %1 is out of range (1..%2)").arg(i).arg(group.publisherCount));
    return false;
}

} // namespace rekol::cli
