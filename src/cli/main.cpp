#include "cli/cli_group.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>

#include <functional>
#include <map>
#include <memory>

namespace {

const char* const kUsage =
    "usage: rekol-cli COMMAND FILE [options]\n"
    "commands:\n"
    "  show FILE [--month M]       print the group as JSON\n"
    "  results FILE                write the results file (.k19) beside FILE\n"
    "  enter FILE --publisher I [--month M] [--participated 0|1] [--aux 0|1]\n"
    "        [--hours H] [--studies N] [--note TEXT]\n"
    "                              enter one report as the entry dialog does, save FILE\n"
    "  form FILE -o OUT.pdf [--month M] [--dpi N] [--trace OUT.txt]\n"
    "                              print the Report Collection Form into a PDF\n"
    "  send FILE [--yes]           write the results file; with --yes mail it to the secretary\n"
    "  remind FILE --publisher I   mail the reminder to publisher I\n"
    "common options: --today YYYY-MM-DD, --settings PATH";

} // namespace

int main(int argc, char** argv)
{
    // Only the form draws text, and the font database needs a GUI
    // application; it runs without a display.
    const bool drawing = argc > 1 && std::strcmp(argv[1], "form") == 0;
    if (drawing) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Qt's own notices (such as a missing runtime folder) would mix with
        // the command's messages on stderr.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        });
    }
    const std::unique_ptr<QCoreApplication> app =
        drawing ? std::make_unique<QGuiApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    QStringList words = QCoreApplication::arguments().mid(1);
    const std::map<QString, std::function<int(const QStringList&)>> commands = {
        {QStringLiteral("show"), rekol::cli::RunShow},
        {QStringLiteral("results"), rekol::cli::RunResults},
        {QStringLiteral("enter"), rekol::cli::RunEnter},
        {QStringLiteral("form"), rekol::cli::RunForm},
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
