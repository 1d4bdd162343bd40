#include "cli/cli_args.h"

namespace rekol::cli {

std::optional<int> CliArgs::Int(const QString& option, int low, int high, bool& ok) const
{
    if (!values.contains(option))
        return std::nullopt;
    bool parsed = false;
    const int value = values.value(option).toInt(&parsed);
    if (!parsed || value < low || value > high) {
        ok = false;
        return std::nullopt;
    }
    return value;
}

std::optional<CliArgs> ParseArgs(const QStringList& words, const QStringList& valueOptions,
                                 const QStringList& flagOptions, QString& error)
{
    const QStringList common = {QStringLiteral("--today"), QStringLiteral("--settings")};
    CliArgs args;
    for (qsizetype k = 0; k < words.size(); ++k) {
        const QString& word = words[k];
        if (valueOptions.contains(word) || common.contains(word)) {
            if (k + 1 >= words.size()) {
                error = QStringLiteral("option %1 needs a value").arg(word);
                return std::nullopt;
            }
            args.values.insert(word, words[++k]);
        } else if (flagOptions.contains(word)) {
            args.flags.insert(word);
        } else if (word.startsWith(QLatin1Char('-')) && word.size() > 1) {
            error = QStringLiteral("unknown option %1").arg(word);
            return std::nullopt;
        } else if (args.file.isEmpty()) {
            args.file = word;
        } else {
            error = QStringLiteral("unexpected argument %1").arg(word);
            return std::nullopt;
        }
    }
    if (args.file.isEmpty()) {
        error = QStringLiteral("missing FILE");
        return std::nullopt;
    }
    return args;
}

} // namespace rekol::cli
