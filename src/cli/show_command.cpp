#include "cli/cli_group.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/publisher_json.h"
#include "data/code_page.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>

namespace rekol::cli {

int RunShow(const QStringList& words)
{
    QString error;
    const auto args = ParseArgs(words, {QStringLiteral("--month")}, {}, error);
    if (!args) {
        PrintError(error);
        return ExitUsage;
    }
    bool ok = true;
    const std::optional<int> month = args->Int(QStringLiteral("--month"), 0, 11, ok);
    if (!ok) {
        PrintError(QStringLiteral("--month needs a month 0..11"));
        return ExitUsage;
    }
    StderrSink sink;
    GroupData group(sink);
    if (const int code = LoadForCommand(*args, group); code != ExitOk)
        return code;

    const int m = month.value_or(group.reportMonth);
    QJsonArray publishers;
    for (int i = 1; i <= group.publisherCount; ++i)
        publishers.append(PublisherJson(group, i, m));
    QJsonObject o;
    o["groupNumber"] = group.groupNumber;
    o["reportMonth"] = group.reportMonth;
    o["yearSlot"] = group.yearSlot;
    o["publisherCount"] = group.publisherCount;
    o["noteCount"] = group.noteCount;
    o["secretaryEmail"] = DecodeAnsi(group.SecretaryEmail(), group.language);
    o["month"] = m;
    o["notReportedCount"] = group.CountNotReported(m, group.yearSlot);
    o["publishers"] = publishers;
    const QByteArray json = QJsonDocument(o).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
    return ExitOk;
}

} // namespace rekol::cli
