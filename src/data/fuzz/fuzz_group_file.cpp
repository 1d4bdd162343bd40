// Feeds arbitrary bytes to the group file reader, then asks every query of
// every publisher and month and writes the group back, as the program would
// for a file that arrived by e-mail.
#include "data/group_data.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

namespace {

class SilentSink : public rekol::MessageSink {
public:
    rekol::MessageAnswer ShowMessage(const QString&, rekol::MessageButtons, rekol::MessageIcon) override
    {
        return rekol::MessageAnswer::Ok;
    }
};

void AskEverything(rekol::GroupData& group)
{
    for (int s = 0; s < 2; ++s)
        for (int m = 0; m < 12; ++m)
            group.CountNotReported(m, s);
    for (int i = 1; i <= group.publisherCount; ++i) {
        group.GetDisplayName(i, true);
        group.GetDisplayName(i, false);
        group.CollectContacts(i);
        group.GetFormPhone(i, 0);
        group.GetFormPhone(i, 1);
        for (int m = 0; m < 12; ++m) {
            group.IsLateFlagSet(i, m);
            for (int s = 0; s < 2; ++s) {
                for (int kind = rekol::CellPubs; kind <= rekol::CellStudies; ++kind)
                    group.GetReportCell(i, m, s, static_cast<rekol::CellKind>(kind));
                QByteArray note;
                group.FindNote(i, m, s, &note, true);
            }
        }
        QByteArray note;
        group.FindNote(i, group.reportMonth, group.yearSlot, &note, false);
        group.SetLateFlag(i, i % 12);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SilentSink sink;
    rekol::GroupData group(sink);
    group.clock = [] { return QDate(2024, 1, 15); };
    group.DeriveReportPeriod(group.clock());
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    if (group.LoadGroupFrom(buffer, QStringLiteral("fuzz.k09")) != rekol::LoadStatus::Loaded)
        return 0;
    AskEverything(group);
    const QByteArray saved = group.SerializeGroup();

    // What was written must load again.
    QByteArray again = saved;
    QBuffer reread(&again);
    reread.open(QIODevice::ReadOnly);
    if (group.LoadGroupFrom(reread, QStringLiteral("fuzz.k09")) == rekol::LoadStatus::Loaded)
        AskEverything(group);
    return 0;
}
