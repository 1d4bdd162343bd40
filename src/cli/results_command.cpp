#include "cli/cli_group.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "data/results_path.h"

#include <cstdio>

namespace rekol::cli {

int RunResults(const QStringList& words)
{
    QString error;
    const auto args = ParseArgs(words, {}, {}, error);
    if (!args) {
        PrintError(error);
        return ExitUsage;
    }
    if (!IsGroupListFile(*args))
        return ExitUsage;
    StderrSink sink;
    GroupData group(sink);
    if (const int code = LoadForCommand(*args, group); code != ExitOk)
        return code;
    const QString results = ResultsPath(args->file);
    if (!group.SaveGroupFile(results))
        return ExitRefused;
    std::printf("%s\n", results.toUtf8().constData());
    return ExitOk;
}

} // namespace rekol::cli
