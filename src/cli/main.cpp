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
    "  enter FILE --publisher I [--month M] [--participated 0|1] [--aux 0|1]\n"
    "        [--hours H] [--studies N] [--note TEXT]\n"
    "                              enter one report as the entry dialog does, save FILE\n"
    "common options: --today YYYY-MM-DD, --settings PATH";

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList words = QCoreApplication::arguments().mid(1);
    const std::map<QString, std::function<int(const QStringList&)>> commands = {
        {QStringLiteral("show"), rekol::cli::RunShow},
        {QStringLiteral("results"), rekol::cli::RunResults},
        {QStringLiteral("enter"), rekol::cli::RunEnter},
    };
    if (words.isEmpty() || !commands.count(words.first())) {
        rekol::cli::PrintError(words.isEmpty() ? QString::fromUtf8(kUsage)
                                               : QStringLiteral("unknown command %1").arg(words.first()));
        return rekol::cli::ExitUsage;
    }
    const QString command = words.takeFirst();
    return commands.at(command)(words);
}
