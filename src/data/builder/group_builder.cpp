#include "data/builder/group_builder.h"
#include "data/code_page.h"
#include "data/group_data.h"

#include <QFile>

namespace rekol {

PublisherBuilder::PublisherBuilder(PublisherRecord& target, QString language)
    : record(target)
    , language_(std::move(language))
{
}

QByteArray PublisherBuilder::Encode(const QString& text) const { return EncodeAnsi(text, language_).value_or("?"); }

PublisherBuilder& PublisherBuilder::Name(const QString& first, const QString& last)
{
    record.SetText(layout::FirstName, 21, Encode(first));
    record.SetText(layout::LastName, 21, Encode(last));
    return *this;
}

PublisherBuilder& PublisherBuilder::Email(const QString& email)
{
    record.SetText(layout::Email, 63, Encode(email));
    return *this;
}

PublisherBuilder& PublisherBuilder::Phones(const QString& phone1, const QString& phone2, const QString& phone3)
{
    record.SetText(layout::Phone1, 15, Encode(phone1));
    record.SetText(layout::Phone2, 15, Encode(phone2));
    record.SetText(layout::Phone3, 15, Encode(phone3));
    return *this;
}

PublisherBuilder& PublisherBuilder::Group(int number)
{
    record.bytes[layout::GroupNumber] = static_cast<std::uint8_t>(number);
    return *this;
}

PublisherBuilder& PublisherBuilder::Appointment(int value)
{
    record.bytes[layout::Appointment] = static_cast<std::uint8_t>(value);
    return *this;
}

PublisherBuilder& PublisherBuilder::StatusAll(StatusKind kind)
{
    for (int m = 0; m < layout::MonthCount; ++m)
        for (int s = 0; s < 2; ++s)
            record.bytes[layout::StatusOffset(m, s)] = kind;
    return *this;
}

PublisherBuilder& PublisherBuilder::Status(int m, int s, std::uint8_t statusByte)
{
    record.bytes[layout::StatusOffset(m, s)] = statusByte;
    return *this;
}

PublisherBuilder& PublisherBuilder::Report(int m, int s, bool participated, int studies, int hours)
{
    const auto word = static_cast<std::uint16_t>((record.Cell(layout::StudyWord, m, s) & 0xF000) |
                                                 (participated ? layout::ParticipatedBit : 0) |
                                                 (studies & layout::StudiesMask));
    record.SetCell(layout::StudyWord, m, s, word);
    record.SetCell(layout::Hours, m, s, static_cast<std::uint16_t>(hours));
    return *this;
}

PublisherBuilder& PublisherBuilder::Credit(int m, int s, int credit)
{
    record.SetCell(layout::CreditHours, m, s, static_cast<std::uint16_t>(credit));
    return *this;
}

PublisherBuilder& PublisherBuilder::NoteLink(int m, int s, int k)
{
    record.SetCell(layout::NoteIndex, m, s, static_cast<std::uint16_t>(k));
    return *this;
}

PublisherBuilder& PublisherBuilder::Late(int m)
{
    record.bytes[layout::LateFlagOffset(m)] = 1;
    return *this;
}

GroupBuilder::GroupBuilder(int groupNumber, int reportMonth, QString language)
    : language_(std::move(language))
{
    header.bytes[layout::HeaderGroupNumber] = static_cast<std::uint8_t>(groupNumber);
    header.bytes[layout::HeaderReportMonth] = static_cast<std::uint8_t>(reportMonth);
}

GroupBuilder& GroupBuilder::SecretaryEmail(const QByteArray& email)
{
    header.SetText(layout::HeaderSecretaryEmail, layout::HeaderPublisherCount - layout::HeaderSecretaryEmail, email);
    return *this;
}

PublisherBuilder GroupBuilder::AddPublisher(const QString& first, const QString& last)
{
    publishers.emplace_back();
    PublisherBuilder builder(publishers.back(), language_);
    builder.Name(first, last).Group(header.bytes[layout::HeaderGroupNumber]);
    return builder;
}

int GroupBuilder::AddNote(const QByteArray& text)
{
    NoteEntry entry{};
    for (qsizetype j = 0; j < text.size() && j < layout::NoteTextMax; ++j)
        entry[static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(text[j]);
    notes.push_back(entry);
    return static_cast<int>(notes.size());
}

QByteArray GroupBuilder::Build() const
{
    PublisherRecord head = header;
    head.bytes[layout::HeaderPublisherCount] = static_cast<std::uint8_t>(publishers.size());
    head.SetWord(layout::HeaderNoteCount, static_cast<std::uint16_t>(notes.size()));
    QByteArray bytes(reinterpret_cast<const char*>(head.bytes.data()), layout::RecordSize);
    for (PublisherRecord record : publishers) {
        ScrambleRecord(+1, record);
        bytes.append(reinterpret_cast<const char*>(record.bytes.data()), layout::RecordSize);
    }
    for (const NoteEntry& entry : notes)
        bytes.append(reinterpret_cast<const char*>(entry.data()), layout::NoteSize);
    return bytes;
}

bool GroupBuilder::WriteTo(const QString& path) const
{
    QFile file(path);
    const QByteArray bytes = Build();
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace rekol
