#include "data/group_data.h"

namespace rekol {
namespace {

enum class CcRule { None, Always, FirstThirty };

struct ScrambledField {
    std::size_t first;
    CcRule ccRule; // when a 0xCC byte is left as it is
};

// In the order the format processes them; a text whose terminator is not
// forced (phone2, phone3) runs on into the next field and is transformed as
// one text, the following field then again on its own.
constexpr ScrambledField kFields[] = {
    {layout::FirstName, CcRule::Always},  {layout::LastName, CcRule::Always},
    {layout::Email, CcRule::FirstThirty}, {layout::Phone1, CcRule::None},
    {layout::Phone2, CcRule::None},       {layout::Phone3, CcRule::None},
    {layout::LateFlags1, CcRule::None},   {layout::LateFlags2, CcRule::None},
};

constexpr std::size_t kForcedZero[] = {22, 43, 106, 121, 160, 169};

} // namespace

void ScrambleRecord(int direction, PublisherRecord& record)
{
    auto& b = record.bytes;
    for (std::size_t z : kForcedZero)
        b[z] = 0;
    for (const ScrambledField& field : kFields) {
        std::size_t length = 0;
        while (b[field.first + length] != 0) // ends at a forced 0 at the latest
            ++length;
        for (std::size_t j = 0; j < length; ++j) {
            std::uint8_t& c = b[field.first + j];
            if (c == 0xCC && (field.ccRule == CcRule::Always || (field.ccRule == CcRule::FirstThirty && j < 30)))
                continue;
            c = static_cast<std::uint8_t>(c + direction * static_cast<int>(j + 52));
        }
    }
}

void GroupData::ScrambleRecords(int direction)
{
    for (int i = 1; i <= publisherCount; ++i)
        ScrambleRecord(direction, Record(i));
}

} // namespace rekol
