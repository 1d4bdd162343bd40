#include "entry/decimal_text.h"
#include "entry/entry_logic.h"
#include "res/string_table.h"

namespace rekol {
namespace {

// The texts of the dialog's value exchange.
const char* const kNotANumber = "Please enter a positive integer.";
const char* const kOutOfRange = "Please enter an integer between %1 and %2.";

constexpr unsigned MaxHours = 0xFFFF; // the hours cell holds 16 bits

} // namespace

bool EntryLogic::ReadBox(int id, unsigned low, unsigned high, unsigned& value)
{
    const std::optional<unsigned> v = ParseUnsigned(Control(id).text);
    if (!v) {
        group_.Show(QString::fromUtf8(kNotANumber), MessageButtons::Ok, MessageIcon::Warning);
        FailOn(id);
        return false;
    }
    if (*v < low || *v > high) {
        group_.Show(FormatMessage(QString::fromUtf8(kOutOfRange), QString::number(low), QString::number(high)),
                    MessageButtons::Ok, MessageIcon::Warning);
        FailOn(id);
        return false;
    }
    value = *v;
    return true;
}

void EntryLogic::FailOn(int id)
{
    SetFocus(id);
    SelectAll(id);
}

bool EntryLogic::FinishEntry()
{
    if (ended)
        return false;
    // Boxes 139, 140 and 142 are never shown, so the overseer could not mend
    // what they hold: their loaded values are stored back unchecked.
    if (!ReadBox(IdcStudies, 0, 63, studiesValue))
        return false;
    participated = IsChecked(IdcParticipated) ? 1 : 0;

    const int hours = DecimalValue(Control(IdcHours).text);
    if (hours > static_cast<int>(MaxHours)) {
        group_.Show(FormatMessage(QString::fromUtf8(kOutOfRange), QStringLiteral("0"), QString::number(MaxHours)),
                    MessageButtons::Ok, MessageIcon::Warning);
        FailOn(IdcHours);
        return false;
    }
    hoursValue = hours;

    StoreFields();
    StoreBack();
    ended = true;
    stored = true;
    return true;
}

void EntryLogic::StoreFields()
{
    const int m = entryMonth;
    const int s = entrySlot;
    PublisherRecord& r = recordCopy;
    r.SetCell(layout::Pubs, m, s, static_cast<std::uint16_t>(pubsValue));
    r.SetCell(layout::Videos, m, s, static_cast<std::uint16_t>(videosValue));
    r.SetCell(layout::Hours, m, s, static_cast<std::uint16_t>(hoursValue));
    r.SetCell(layout::ReturnVisits, m, s, static_cast<std::uint16_t>(returnVisitsValue));

    // Bits 12..15 are not ours; bit 10 is cleared.
    std::uint16_t word = static_cast<std::uint16_t>((studiesValue & layout::StudiesMask) |
                                                    (r.Cell(layout::StudyWord, m, s) & 0xF000));
    int p = IsChecked(IdcParticipated) ? 1 : 0;
    if (hoursValue != 0 || studiesValue != 0)
        p = 1;
    participated = p;
    if (p)
        word |= layout::ParticipatedBit;
    r.SetCell(layout::StudyWord, m, s, word);

    std::uint8_t& status = r.bytes[layout::StatusOffset(m, s)];
    if ((status & 3) == StatusPublisher || (status & 3) == StatusAuxPioneer)
        status = static_cast<std::uint8_t>((status & ~3) | (IsChecked(IdcAuxPioneer) ? StatusAuxPioneer : 0));

    r.SetCell(layout::CreditHours, m, s, credit);
}

void EntryLogic::StoreBack()
{
    const int m = entryMonth;
    const PublisherRecord& original = group_.Record(recordIndex);
    for (int s = 0; s < 3; ++s) {
        for (std::size_t base : {layout::Pubs, layout::Videos, layout::Hours, layout::ReturnVisits, layout::StudyWord,
                                 layout::CreditHours})
            if (recordCopy.Cell(base, m, s) != original.Cell(base, m, s))
                changed = 1;
        if (recordCopy.StatusByte(m, s) != original.StatusByte(m, s))
            changed = 1;
    }
    if (changed == 1) {
        group_.Record(recordIndex) = recordCopy;
        if (isLate == 1 && notCounted == 0)
            group_.SetLateFlag(recordIndex, m);
        owner_.SetLastRegistered(DisplayName());
    }
    owner_.UpdateStatus();
}

} // namespace rekol
