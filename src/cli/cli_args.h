#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

namespace rekol::cli {

// The words after the subcommand: one FILE and options, in any order.
struct CliArgs {
    QString file;
    QHash<QString, QString> values; // options that take a value
    QSet<QString> flags;            // options without a value

    bool Has(const QString& option) const { return values.contains(option) || flags.contains(option); }
    // The option's value as an integer in [low, high]; nothing when absent.
    // `ok` turns false when the value is not such an integer.
    std::optional<int> Int(const QString& option, int low, int high, bool& ok) const;
};

// Parses `words`; the common options --today and --settings are always
// accepted. Returns nothing and sets `error` on a usage error.
std::optional<CliArgs> ParseArgs(const QStringList& words, const QStringList& valueOptions,
                                 const QStringList& flagOptions, QString& error);

} // namespace rekol::cli
