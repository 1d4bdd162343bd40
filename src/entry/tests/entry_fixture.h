#pragma once

#include "data/builder/group_builder.h"
#include "data/group_data.h"
#include "entry/entry_logic.h"
#include "testing/recording_sink.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <memory>

namespace rekol::test {

class RecordingOwner : public EntryOwner {
public:
    void SetLastRegistered(const QString& name) override { lastRegistered = name; }
    void UpdateStatus() override { ++statusUpdates; }

    QString lastRegistered = QStringLiteral("nadie");
    int statusUpdates = 0;
};

// A group loaded from a builder, with the report period set, and an entry
// opened on one of its publishers.
class EntryTest : public ::testing::Test {
protected:
    void Load(const GroupBuilder& builder, int reportMonth = 2, int yearSlot = 0)
    {
        QByteArray bytes = builder.Build();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        ASSERT_EQ(group.LoadGroupFrom(buffer, "test.k09"), LoadStatus::Loaded);
        group.reportMonth = static_cast<std::uint8_t>(reportMonth);
        group.yearSlot = static_cast<std::uint8_t>(yearSlot);
    }

    EntryLogic& Open(int i)
    {
        entry = std::make_unique<EntryLogic>(group, owner, i);
        entry->Open();
        return *entry;
    }

    const EntryControl& C(int id) const { return entry->Control(id); }
    bool Visible(int id) const { return C(id).visible; }
    bool Checked(int id) const { return C(id).checked; }
    QString Text(int id) const { return C(id).text; }

    // Focuses a number box as Tab does and types `text` through its filter.
    void Type(int id, const QString& text)
    {
        entry->SetFocus(id);
        for (QChar c : text)
            entry->TypeChar(id, c);
    }

    // Opens the note editor, replaces its text and presses Enter.
    void EnterNote(const QString& text)
    {
        entry->OpenNoteEditor();
        entry->SetEditText(IdcNoteEdit, text);
        entry->PressEnter();
    }

    std::uint16_t Cell(int i, std::size_t base, int m, int s = 0) const { return group.Record(i).Cell(base, m, s); }

    RecordingSink sink;
    GroupData group{sink};
    RecordingOwner owner;
    std::unique_ptr<EntryLogic> entry;
};

} // namespace rekol::test
