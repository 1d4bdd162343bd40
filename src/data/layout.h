#pragma once

#include <QByteArray>

#include <array>
#include <cstddef>
#include <cstdint>

// Byte layout of the group file shared with the secretary's program: a
// header record, one record per publisher and a table of notes. Integers are
// little-endian; texts are 8-bit, NUL-terminated, in the interface language's
// ANSI code page.
namespace rekol::layout {

constexpr std::size_t RecordSize = 816;
constexpr std::size_t NoteSize = 48;
constexpr int MonthCount = 12;
constexpr int MaxPublishers = 127;
constexpr int MaxNotes = 254;
constexpr int NoteTextMax = 36;

// Header (record 0); texts there are never scrambled.
constexpr std::size_t HeaderSecretaryEmail = 44;
constexpr std::size_t HeaderPublisherCount = 180;
constexpr std::size_t HeaderGroupNumber = 181;
constexpr std::size_t HeaderNoteCount = 184;
constexpr std::size_t HeaderReportMonth = 238;

// Publisher record.
constexpr std::size_t FirstName = 2;
constexpr std::size_t LastName = 23;
constexpr std::size_t Email = 44;
constexpr std::size_t Phone1 = 107;
constexpr std::size_t Phone2 = 122;
constexpr std::size_t Phone3 = 137;
constexpr std::size_t LateFlags1 = 152;
constexpr std::size_t LateFlags2 = 161;
constexpr std::size_t GroupNumber = 181;
constexpr std::size_t ServiceStatus = 202;
constexpr std::size_t Appointment = 239;
constexpr std::size_t Pubs = 240;
constexpr std::size_t Videos = 312;
constexpr std::size_t Hours = 384;
constexpr std::size_t ReturnVisits = 456;
constexpr std::size_t StudyWord = 528;
constexpr std::size_t NoteIndex = 600;
constexpr std::size_t CreditHours = 672;
constexpr std::size_t ReservedCells = 744;

constexpr std::uint16_t StudiesMask = 0x3FF;
constexpr std::uint16_t Bit10 = 0x400;
constexpr std::uint16_t ParticipatedBit = 0x800;

// Byte of a 16-bit month cell (m = 0..11, year slot s = 0..2) in a cell array.
constexpr std::size_t CellOffset(std::size_t base, int m, int s) { return base + 6 * m + 2 * s; }
constexpr std::size_t StatusOffset(int m, int s) { return ServiceStatus + 3 * m + s; }
// The late-report flags of months 0..5 and 6..11 lie in two text fields.
constexpr std::size_t LateFlagOffset(int m) { return m <= 5 ? LateFlags1 + m : 155 + m; }

} // namespace rekol::layout

namespace rekol {

enum StatusKind : std::uint8_t {
    StatusPublisher = 0,
    StatusAuxPioneer = 1,
    StatusRegularPioneer = 2,
    StatusSpecialPioneer = 3,
};

// One 816-byte record of the group file. Record 0, the header, has the same
// size and is held in the same type; its named fields are read through
// `GroupData`. Every byte is kept, so bytes nobody interprets survive edits.
struct PublisherRecord {
    std::array<std::uint8_t, layout::RecordSize> bytes{};

    std::uint16_t Word(std::size_t offset) const
    {
        return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
    }
    void SetWord(std::size_t offset, std::uint16_t value)
    {
        bytes[offset] = static_cast<std::uint8_t>(value & 0xFF);
        bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
    }
    std::uint16_t Cell(std::size_t base, int m, int s) const { return Word(layout::CellOffset(base, m, s)); }
    void SetCell(std::size_t base, int m, int s, std::uint16_t value) { SetWord(layout::CellOffset(base, m, s), value); }
    std::uint8_t StatusByte(int m, int s) const { return bytes[layout::StatusOffset(m, s)]; }

    // The text starting at `offset`, up to its NUL or the end of the record.
    QByteArray Text(std::size_t offset) const
    {
        std::size_t end = offset;
        while (end < bytes.size() && bytes[end] != 0)
            ++end;
        return QByteArray(reinterpret_cast<const char*>(bytes.data() + offset), static_cast<qsizetype>(end - offset));
    }
    // Writes `text` and its NUL into the field [offset, offset + width); a
    // text longer than width - 1 is cut.
    void SetText(std::size_t offset, std::size_t width, const QByteArray& text)
    {
        std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(text.size()), width - 1);
        for (std::size_t j = 0; j < n; ++j)
            bytes[offset + j] = static_cast<std::uint8_t>(text[static_cast<qsizetype>(j)]);
        bytes[offset + n] = 0;
    }
};

using NoteEntry = std::array<std::uint8_t, layout::NoteSize>;

} // namespace rekol
