#include "cli/cli_group.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "form/collection_form.h"
#include "form/painter_device.h"
#include "form/recording_device.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <memory>

namespace rekol::cli {
namespace {

constexpr int kDefaultDpi = 600;

// Writes `bytes` through a temporary file renamed over `path`.
bool WriteWhole(const QString& path, const QByteArray& bytes, QString& error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

} // namespace

int RunForm(const QStringList& words)
{
    QString error;
    const auto args = ParseArgs(words,
                                {QStringLiteral("-o"), QStringLiteral("--month"), QStringLiteral("--dpi"),
                                 QStringLiteral("--trace")},
                                {}, error);
    if (!args) {
        PrintError(error);
        return ExitUsage;
    }
    const QString out = args->values.value(QStringLiteral("-o"));
    if (out.isEmpty()) {
        PrintError(QStringLiteral("form needs -o OUT.pdf"));
        return ExitUsage;
    }
    bool ok = true;
    const std::optional<int> month = args->Int(QStringLiteral("--month"), 0, 11, ok);
    if (!ok) {
        PrintError(QStringLiteral("--month needs a month 0..11"));
        return ExitUsage;
    }
    const int dpi = args->Int(QStringLiteral("--dpi"), 36, 4800, ok).value_or(kDefaultDpi);
    if (!ok) {
        PrintError(QStringLiteral("--dpi needs a resolution 36..4800"));
        return ExitUsage;
    }

    StderrSink sink;
    GroupData group(sink);
    if (const int code = LoadForCommand(*args, group); code != ExitOk)
        return code;
    CollectionForm form(group);
    form.month = static_cast<std::uint8_t>(month.value_or(group.reportMonth));

    // The PDF is written whole to a temporary file and renamed at the end,
    // so a failed run leaves no half-written document behind.
    QSaveFile pdf(out);
    if (!pdf.open(QIODevice::WriteOnly)) {
        PrintError(QStringLiteral("no hdc: cannot write %1: %2").arg(out, pdf.errorString()));
        return ExitUsage;
    }
    QPdfWriter writer(&pdf);
    writer.setTitle(CollectionForm::DocumentName());
    writer.setCreator(QStringLiteral("Rekol"));
    writer.setResolution(dpi);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&writer)) {
        PrintError(QStringLiteral("no hdc: cannot draw into %1").arg(out));
        return ExitUsage;
    }
    PainterDevice device(painter, &writer);
    std::unique_ptr<RecordingDevice> recorder;
    if (args->values.contains(QStringLiteral("--trace")))
        recorder = std::make_unique<RecordingDevice>(device);
    form.Print(recorder ? static_cast<DeviceContext&>(*recorder) : device);

    if (!pdf.commit()) {
        PrintError(QStringLiteral("cannot write %1: %2").arg(out, pdf.errorString()));
        return ExitUsage;
    }
    if (recorder && !WriteWhole(args->values.value(QStringLiteral("--trace")), recorder->Trace(), error)) {
        PrintError(QStringLiteral("cannot write %1: %2").arg(args->values.value(QStringLiteral("--trace")), error));
        return ExitUsage;
    }
    return ExitOk;
}

} // namespace rekol::cli
