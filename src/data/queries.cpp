#include "data/group_data.h"
#include "res/string_table.h"

namespace rekol {
namespace {

// A telephone number counts when it has at least 6 bytes.
bool IsUsablePhone(const QByteArray& phone) { return phone.size() >= 6; }

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

} // namespace

QByteArray GroupData::GetDisplayName(int i, bool listForm) const
{
    const PublisherRecord& r = Record(i);
    if (listForm || language == QLatin1String("cz"))
        return r.Text(layout::LastName) + ", " + r.Text(layout::FirstName);
    return r.Text(layout::FirstName) + ' ' + r.Text(layout::LastName);
}

std::vector<QByteArray> GroupData::UsablePhones(int i) const
{
    std::vector<QByteArray> usable;
    for (std::size_t field : {layout::Phone1, layout::Phone2, layout::Phone3}) {
        QByteArray phone = Record(i).Text(field);
        if (IsUsablePhone(phone))
            usable.push_back(std::move(phone));
    }
    return usable;
}

int GroupData::CollectContacts(int i)
{
    // An unusable number is overwritten by the next one; entries past the
    // count are of no meaning.
    const std::vector<QByteArray> usable = UsablePhones(i);
    phoneCount = static_cast<std::uint8_t>(usable.size());
    for (std::size_t k = 0; k < usable.size(); ++k)
        phones[k] = usable[k];
    phoneCursor = 0;
    selectedEmail = IsNotReported(i, reportMonth, yearSlot) ? Record(i).Text(layout::Email) : QByteArray();
    if (!IsEmailUsable())
        selectedEmail.clear();
    return phoneCount;
}

bool GroupData::IsEmailUsable()
{
    qsizetype begin = 0;
    qsizetype end = selectedEmail.size();
    while (begin < end && IsBlank(selectedEmail[begin]))
        ++begin;
    while (end > begin && IsBlank(selectedEmail[end - 1]))
        --end;
    selectedEmail = selectedEmail.mid(begin, end - begin);
    const qsizetype at = selectedEmail.indexOf('@');
    return at >= 1 && selectedEmail.indexOf('.', at + 1) > at;
}

QByteArray GroupData::GetFormPhone(int i, int which) const
{
    const std::vector<QByteArray> usable = UsablePhones(i);
    return static_cast<std::size_t>(which) < usable.size() ? usable[static_cast<std::size_t>(which)] : QByteArray();
}

std::uint16_t GroupData::GetReportCell(int i, int m, int s, CellKind kind) const
{
    const PublisherRecord& r = Record(i);
    if (kind == CellStudies)
        return r.Cell(layout::StudyWord, m, s) & layout::StudiesMask;
    return r.Cell(layout::Pubs + 72 * static_cast<std::size_t>(kind), m, s);
}

std::uint16_t GroupData::FindNote(int i, int m, int s, QByteArray* out, bool lookupOnly)
{
    if (out)
        out->clear();
    const std::uint16_t k = Record(i).Cell(layout::NoteIndex, m, s);
    if (k >= 1 && k <= noteCount) {
        if (out) {
            const NoteEntry& entry = Note(k);
            std::size_t n = 0;
            while (n < entry.size() && entry[n] != 0)
                ++n;
            *out = QByteArray(reinterpret_cast<const char*>(entry.data()), static_cast<qsizetype>(n));
        }
        return k;
    }
    if (lookupOnly)
        return 0;
    if (noteCount < layout::MaxNotes) {
        ++noteCount;
        // The note editor may count one entry more once the text is stored.
        EnsureNoteCapacity(noteCount + 1);
        return noteCount;
    }
    Show(LoadResString(IDS_NOTES_FULL));
    return k;
}

void GroupData::SetLateFlag(int i, int m) { Record(i).bytes[layout::LateFlagOffset(m)] = 1; }

bool GroupData::IsLateFlagSet(int i, int m) const { return Record(i).bytes[layout::LateFlagOffset(m)] == 1; }

bool GroupData::IsNotReported(int i, int m, int s) const
{
    const PublisherRecord& r = Record(i);
    return (r.Cell(layout::StudyWord, m, s) & layout::ParticipatedBit) == 0 && r.Cell(layout::NoteIndex, m, s) == 0;
}

int GroupData::CountNotReported(int m, int s) const
{
    int count = 0;
    for (int i = 1; i <= publisherCount; ++i)
        count += IsNotReported(i, m, s) ? 1 : 0;
    return count;
}

} // namespace rekol
