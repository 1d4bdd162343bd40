#include "cli/publisher_json.h"
#include "data/code_page.h"

#include <QJsonArray>

namespace rekol::cli {

QJsonObject PublisherJson(GroupData& group, int i, int m)
{
    const int s = group.yearSlot;
    const PublisherRecord& r = group.Record(i);
    auto text = [&](const QByteArray& bytes) { return DecodeAnsi(bytes, group.language); };

    QJsonObject o;
    o["index"] = i;
    o["firstName"] = text(r.Text(layout::FirstName));
    o["lastName"] = text(r.Text(layout::LastName));
    o["listName"] = text(group.GetDisplayName(i, true));
    o["displayName"] = text(group.GetDisplayName(i, false));
    o["email"] = text(r.Text(layout::Email));
    o["phone1"] = text(r.Text(layout::Phone1));
    o["phone2"] = text(r.Text(layout::Phone2));
    o["phone3"] = text(r.Text(layout::Phone3));
    QJsonArray usable;
    for (const QByteArray& phone : group.UsablePhones(i))
        usable.append(text(phone));
    o["phones"] = usable;
    o["formPhones"] = QJsonArray{text(group.GetFormPhone(i, 0)), text(group.GetFormPhone(i, 1))};
    o["group"] = static_cast<std::int8_t>(r.bytes[layout::GroupNumber]);
    o["appointment"] = r.bytes[layout::Appointment] & 3;
    o["status"] = r.StatusByte(m, s) & 3;
    o["statusByte"] = r.StatusByte(m, s);
    const std::uint16_t word = r.Cell(layout::StudyWord, m, s);
    o["participated"] = (word & layout::ParticipatedBit) != 0;
    o["studies"] = group.GetReportCell(i, m, s, CellStudies);
    o["hours"] = group.GetReportCell(i, m, s, CellHours);
    o["pubs"] = group.GetReportCell(i, m, s, CellPubs);
    o["videos"] = group.GetReportCell(i, m, s, CellVideos);
    o["returnVisits"] = group.GetReportCell(i, m, s, CellReturnVisits);
    o["credit"] = r.Cell(layout::CreditHours, m, s) & 0xFF;
    o["noteIndex"] = r.Cell(layout::NoteIndex, m, s);
    QByteArray note;
    group.FindNote(i, m, s, &note, true);
    o["note"] = text(note);
    QJsonArray late;
    for (int month = 0; month < layout::MonthCount; ++month)
        late.append(group.IsLateFlagSet(i, month));
    o["late"] = late;
    o["notReported"] = group.IsNotReported(i, m, s);
    return o;
}

} // namespace rekol::cli
