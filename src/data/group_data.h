#pragma once

#include "data/layout.h"
#include "data/message_sink.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class QIODevice;

namespace rekol {

// One value of a month cell, as the screen table and the printed form ask
// for it.
enum CellKind : int {
    CellPubs = 0,
    CellVideos = 1,
    CellHours = 2,
    CellReturnVisits = 3,
    CellStudies = 4,
};

enum class LoadStatus {
    Loaded,        // the file was read (possibly shorter than its counts promise)
    NotOpened,     // no such file or no permission: the group is now empty
    OutsideFormat, // refused with a message; the group open before is unchanged
    LowMemory,     // buffers could not be had: the group is now empty
};

// The open group: the records of the group file with their texts plain, the
// note table, the report period and the contact cache of the publisher
// selected in the main window. Publishers are addressed by their record
// number i = 1 .. publisherCount; months are 0 (January) .. 11.
class GroupData {
public:
    explicit GroupData(MessageSink& messages);

    // --- file (load, save, scrambling) ---
    LoadStatus LoadGroupFile(const QString& path);
    // Reads a group from an open device; `path` names it in messages.
    LoadStatus LoadGroupFrom(QIODevice& device, const QString& path);
    bool SaveGroupFile(const QString& path);
    // The bytes a save writes, without touching the in-memory texts beyond
    // what the scrambling itself does (see SaveGroupFile).
    QByteArray SerializeGroup();
    bool AllocGroupBuffers();
    void FreeGroupBuffers();
    void ScrambleRecords(int direction);
    void ReportCreateFileError(const QString& path);

    // --- report period ---
    // Sets reportMonth, startMonth and yearSlot from the local date at start-up.
    void DeriveReportPeriod(QDate today);

    // --- queries ---
    QByteArray GetDisplayName(int i, bool listForm) const;
    int CollectContacts(int i);
    bool IsEmailUsable();
    QByteArray GetFormPhone(int i, int which) const;
    // The usable telephone numbers of publisher i, in record order.
    std::vector<QByteArray> UsablePhones(int i) const;
    std::uint16_t GetReportCell(int i, int m, int s, CellKind kind) const;
    std::uint16_t FindNote(int i, int m, int s, QByteArray* out, bool lookupOnly);
    void SetLateFlag(int i, int m);
    bool IsLateFlagSet(int i, int m) const;
    bool IsNotReported(int i, int m, int s) const;
    int CountNotReported(int m, int s) const;

    // The secretary's address in the header, read up to its NUL.
    QByteArray SecretaryEmail() const;
    PublisherRecord& Record(int i) { return records[static_cast<std::size_t>(i)]; }
    const PublisherRecord& Record(int i) const { return records[static_cast<std::size_t>(i)]; }
    NoteEntry& Note(int k) { return notes[static_cast<std::size_t>(k - 1)]; }
    // Makes sure note entries 1 .. count exist in the table.
    void EnsureNoteCapacity(int count);
    // Shows a message through the program's message sink.
    MessageAnswer Show(const QString& text, MessageButtons buttons = MessageButtons::Ok,
                       MessageIcon icon = MessageIcon::None) const;

    // --- state ---
    std::vector<PublisherRecord> records; // record 0 is the header
    std::vector<NoteEntry> notes;         // entry k is notes[k - 1]
    std::uint16_t publisherCount = 0;
    std::uint16_t noteCount = 0;
    std::uint8_t reportMonth = 0;
    std::uint8_t startMonth = 0;
    std::uint8_t yearSlot = 0;
    std::uint8_t groupNumber = 0;
    QString groupPath;
    QString language = QStringLiteral("esp");
    bool isAllocated = false;

    std::array<QByteArray, 3> phones;
    std::uint8_t phoneCount = 0;
    std::uint8_t phoneCursor = 0;
    QByteArray selectedEmail;

    // The local date; replaced in tests and by `--today`.
    std::function<QDate()> clock = [] { return QDate::currentDate(); };

private:
    MessageSink* messages_;
};

// Applies the text scrambling of the file format to one record in place:
// direction +1 before writing, -1 after reading and after writing.
void ScrambleRecord(int direction, PublisherRecord& record);

} // namespace rekol
