#include "cli/cli_group.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"

#include <QCoreApplication>

#include <functional>
#include <map>

namespace {

const char* const kUsage =
    "usage: rekol-cli COMMAND FILE [options]\n"
    "commands:\n"
    "  show FILE [--month M]       print the group as JSON\n"
    "  results FILE                write the results file (.k19) beside FILE\n"
    "  send FILE [--yes]           write the results file; with --yes mail it to the secretary\n"
    "  remind FILE --publisher I   mail the reminder to publisher I\n"
    "common options: --today YYYY-MM-DD, --settings PATH";

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList words = QCoreApplication::arguments().mid(1);
    const std::map<QString, std::function<int(const QStringList&)>> commands = {
        {QStringLiteral("show"), rekol::cli::RunShow},
        {QStringLiteral("results"), rekol::cli::RunResults},
        {QStringLiteral("send"), rekol::cli::RunSend},
        {QStringLiteral("remind"), rekol::cli::RunRemind},
    };
    if (words.isEmpty() || !commands.count(words.first())) {
        rekol::cli::PrintError(words.isEmpty() ? QString::fromUtf8(kUsage)
                                               : QStringLiteral("unknown command %1").arg(words.first()));
        return rekol::cli::ExitUsage;
    }
    const QString command = words.takeFirst();
    return commands.at(command)(words);
}
