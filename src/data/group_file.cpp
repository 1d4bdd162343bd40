#include "data/group_data.h"
#include "data/safe_write.h"
#include "res/string_table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <new>

namespace rekol {
namespace {

// Reads up to `size` bytes into `target`; bytes the device does not have stay
// as they are (zero in freshly cleared buffers).
void ReadInto(QIODevice& device, std::uint8_t* target, std::size_t size)
{
    device.read(reinterpret_cast<char*>(target), static_cast<qint64>(size));
}

} // namespace

LoadStatus GroupData::LoadGroupFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        publisherCount = 0;
        noteCount = 0;
        if (isAllocated)
            FreeGroupBuffers();
        return LoadStatus::NotOpened;
    }
    return LoadGroupFrom(file, path);
}

LoadStatus GroupData::LoadGroupFrom(QIODevice& device, const QString& path)
{
    const QDate today = clock();

    PublisherRecord header;
    ReadInto(device, header.bytes.data(), layout::RecordSize);
    const auto countByte = static_cast<std::int8_t>(header.bytes[layout::HeaderPublisherCount]);
    const std::uint8_t month = header.bytes[layout::HeaderReportMonth];
    // Refused before anything changes, so the group open before stays.
    if (countByte < 0) {
        Show(FormatMessage(LoadResString(IDS_BAD_PUBLISHER_COUNT), QDir::toNativeSeparators(path),
                           QString::number(header.bytes[layout::HeaderPublisherCount])),
             MessageButtons::Ok, MessageIcon::Warning);
        return LoadStatus::OutsideFormat;
    }
    if (month > 11) {
        Show(FormatMessage(LoadResString(IDS_BAD_REPORT_MONTH), QDir::toNativeSeparators(path),
                           QString::number(month)),
             MessageButtons::Ok, MessageIcon::Warning);
        return LoadStatus::OutsideFormat;
    }

    publisherCount = 0;
    noteCount = 0;
    if (isAllocated)
        FreeGroupBuffers();

    publisherCount = static_cast<std::uint16_t>(countByte);
    groupNumber = header.bytes[layout::HeaderGroupNumber];
    noteCount = header.Word(layout::HeaderNoteCount);
    reportMonth = month;
    if (reportMonth == 0 && startMonth == 11)
        yearSlot = static_cast<std::uint8_t>(today.year() % 2);

    if (!AllocGroupBuffers()) {
        publisherCount = 0;
        noteCount = 0;
        return LoadStatus::LowMemory;
    }

    records[0] = header;
    for (int i = 1; i <= publisherCount && !device.atEnd(); ++i)
        ReadInto(device, Record(i).bytes.data(), layout::RecordSize);
    for (int k = 1; k <= noteCount && !device.atEnd(); ++k)
        ReadInto(device, Note(k).data(), layout::NoteSize);

    if (publisherCount != 0) {
        ScrambleRecords(-1);
        groupPath = path;
    }
    return LoadStatus::Loaded;
}

QByteArray GroupData::SerializeGroup()
{
    ScrambleRecords(+1);
    records[0].SetWord(layout::HeaderNoteCount, noteCount);
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(records.size() * layout::RecordSize + noteCount * layout::NoteSize));
    for (const PublisherRecord& record : records)
        bytes.append(reinterpret_cast<const char*>(record.bytes.data()), layout::RecordSize);
    for (int k = 1; k <= noteCount; ++k)
        bytes.append(reinterpret_cast<const char*>(Note(k).data()), layout::NoteSize);
    ScrambleRecords(-1);
    return bytes;
}

bool GroupData::SaveGroupFile(const QString& path)
{
    if (publisherCount < 2) {
        Show(LoadResString(IDS_GROUP_TOO_SMALL));
        return false;
    }
    const bool ok = WriteFileSafely(path, SerializeGroup());
    if (!ok)
        ReportCreateFileError(path);
    return ok;
}

bool GroupData::AllocGroupBuffers()
{
    isAllocated = false;
    try {
        records.assign(static_cast<std::size_t>(publisherCount) + 1, PublisherRecord{});
        notes.assign(static_cast<std::size_t>(noteCount) + 100, NoteEntry{});
    } catch (const std::bad_alloc&) {
        FreeGroupBuffers();
        Show(QStringLiteral("Low Memory"));
        return false;
    }
    isAllocated = true;
    return true;
}

void GroupData::FreeGroupBuffers()
{
    std::vector<PublisherRecord>().swap(records);
    std::vector<NoteEntry>().swap(notes);
    isAllocated = false;
}

void GroupData::ReportCreateFileError(const QString& path)
{
    const QString full = QFileInfo(path).isAbsolute() ? path : QDir::currentPath() + QLatin1Char('/') + path;
    Show(FormatMessage(LoadResString(IDS_CREATE_FILE_ERROR), QDir::toNativeSeparators(full)));
}

} // namespace rekol
