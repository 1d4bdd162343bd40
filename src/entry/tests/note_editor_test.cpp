// The note editor: notes go into the group's note table at once.
#include "entry/tests/entry_fixture.h"

#include <cstring>

using namespace rekol;
using namespace rekol::test;

namespace {

class NoteEditorTest : public EntryTest {
protected:
    QByteArray NoteText(int k) const
    {
        const NoteEntry& note = group.notes[static_cast<std::size_t>(k - 1)];
        return QByteArray(reinterpret_cast<const char*>(note.data()));
    }
};

} // namespace

TEST_F(NoteEditorTest, NoteAndEnterKeepTheDialogOpen)
{
    GroupBuilder b;
    for (int k = 0; k < 7; ++k)
        b.AddNote("otra");
    b.AddPublisher("Ana", "Ruiz");
    b.AddPublisher("Luis", "Vega");
    Load(b);
    ASSERT_EQ(group.noteCount, 7);
    EntryLogic& e = Open(1);
    EXPECT_EQ(group.noteCount, 8) << "showing a month without a note reserves an entry";
    EXPECT_EQ(e.noteNumber, 8);

    e.OpenNoteEditor();
    EXPECT_EQ(e.enterState, 1);
    EXPECT_EQ(e.focus, IdcNoteEdit);
    EXPECT_FALSE(Visible(IdcMonthButton));
    e.SetEditText(IdcNoteEdit, "enfermo");
    e.PressEnter();

    EXPECT_FALSE(e.ended);
    EXPECT_EQ(e.focus, IdcParticipated);
    EXPECT_EQ(e.enterState, 0);
    EXPECT_FALSE(Visible(IdcNoteEdit));
    EXPECT_TRUE(Visible(IdcMonthButton));
    EXPECT_EQ(NoteText(8), QByteArray("enfermo"));
    EXPECT_EQ(Cell(1, layout::NoteIndex, 2), 8);
    EXPECT_EQ(e.recordCopy.Cell(layout::NoteIndex, 2, 0), 8);
    EXPECT_EQ(group.noteCount, 9) << "a new note occupies a second entry";
    EXPECT_EQ(e.changed, 1);

    e.PressEnter(); // moves on normally
    EXPECT_EQ(e.focus, IdcOk);
    e.PressEnter();
    EXPECT_TRUE(e.ended);
    EXPECT_EQ(owner.lastRegistered, QString("Ana Ruiz")) << "a changed note writes the record";
}

TEST_F(NoteEditorTest, StoredTexts)
{
    struct Case {
        QString typed;
        QByteArray stored;
    };
    const Case cases[] = {
        {"1234567890123456789012345678901234567890", "123456789012345678901234567890123456"},
        {"100% visitas", "100% visitas"},
        {QString::fromUtf8("niño €"), QByteArray("ni\xF1o \x80")},
    };
    for (const Case& c : cases) {
        GroupBuilder b;
        b.AddPublisher("Ana", "Ruiz");
        Load(b);
        // Bytes after the terminator are left as they were.
        group.EnsureNoteCapacity(2);
        std::memset(group.notes[0].data(), 'x', layout::NoteSize);
        EntryLogic& e = Open(1);
        ASSERT_EQ(e.noteNumber, 1);
        EnterNote(c.typed);
        const NoteEntry& first = group.notes[0];
        EXPECT_EQ(NoteText(1), c.stored);
        EXPECT_EQ(first[layout::NoteTextMax], 0);
        EXPECT_EQ(first[layout::NoteSize - 1], 'x');
        EXPECT_EQ(e.note, c.typed.left(36));

        // The note is shown as typed when the month is shown again.
        e.OpenMonthList();
        e.CloseMonthList();
        EXPECT_EQ(e.note, c.typed.left(36));
    }
}

TEST_F(NoteEditorTest, EmptyNoteClearsTheLinkAndTheCredit)
{
    GroupBuilder b;
    b.AddPublisher("Ana", "Ruiz").StatusAll(StatusRegularPioneer).Report(2, 0, true, 0, 30).Credit(2, 0, 20).NoteLink(2, 0, b.AddNote("20"));
    Load(b);
    EntryLogic& e = Open(1);
    EXPECT_EQ(e.credit, 20);
    EnterNote("  ");
    EXPECT_EQ(Cell(1, layout::NoteIndex, 2), 0);
    EXPECT_EQ(e.recordCopy.Cell(layout::NoteIndex, 2, 0), 0);
    EXPECT_EQ(e.credit, 0);
    EXPECT_EQ(Text(IdcCredit), QString());
    e.SetFocus(IdcOk);
    e.OnEnter();
    EXPECT_EQ(Cell(1, layout::CreditHours, 2), 0);
}

TEST_F(NoteEditorTest, CreditTypedInTheNote)
{
    GroupBuilder b;
    b.AddPublisher("Ana", "Ruiz").StatusAll(StatusRegularPioneer).Report(2, 0, true, 0, 30);
    Load(b);
    EntryLogic& e = Open(1);
    EnterNote("20 escuela");
    EXPECT_EQ(Text(IdcCredit), QString("( + 20 Horas )"));
    EXPECT_EQ(e.credit, 20);
    e.SetFocus(IdcOk);
    e.OnEnter();
    EXPECT_EQ(Cell(1, layout::CreditHours, 2), 20);
}

TEST_F(NoteEditorTest, CancelledEntryKeepsTheNote)
{
    GroupBuilder b;
    b.AddPublisher("Ana", "Ruiz");
    b.AddPublisher("Luis", "Vega");
    Load(b);
    EntryLogic& e = Open(1);
    EnterNote("de viaje");
    e.Cancel();
    EXPECT_EQ(NoteText(1), QByteArray("de viaje"));
    EXPECT_EQ(Cell(1, layout::NoteIndex, 2), 1);
    EXPECT_FALSE(group.IsNotReported(1, 2, 0));

    // Cancelled while the editor is still open (Escape): the note typed so
    // far is stored as the editor loses the focus.
    EntryLogic& again = Open(2);
    again.OpenNoteEditor();
    again.SetEditText(IdcNoteEdit, "enfermo");
    again.Cancel();
    EXPECT_TRUE(again.ended);
    EXPECT_EQ(NoteText(group.Record(2).Cell(layout::NoteIndex, 2, 0)), QByteArray("enfermo"));
    EXPECT_FALSE(group.IsNotReported(2, 2, 0));
}

TEST_F(NoteEditorTest, EveryShowingOfAMonthWithoutANoteTakesAnEntry)
{
    GroupBuilder b;
    b.AddPublisher("Ana", "Ruiz").NoteLink(4, 0, b.AddNote("mayo"));
    Load(b);
    EntryLogic& e = Open(1);
    EXPECT_EQ(group.noteCount, 2);
    e.OpenMonthList();
    e.SelectMonth(0);
    EXPECT_EQ(group.noteCount, 3);
    e.SelectMonth(4); // has a note
    EXPECT_EQ(group.noteCount, 3);
    EXPECT_EQ(e.note, QString("mayo"));
    e.SelectMonth(5);
    e.CloseMonthList();
    EXPECT_EQ(group.noteCount, 5);
    EXPECT_EQ(group.notes.size() >= 6, true) << "room for the entry a stored note also counts";
}

TEST_F(NoteEditorTest, LeavingTheEditorByAClickSwallowsTheNextEnter)
{
    GroupBuilder b;
    b.AddPublisher("Ana", "Ruiz").StatusAll(StatusAuxPioneer).Report(2, 0, true, 0, 3);
    Load(b);
    EntryLogic& e = Open(1);
    e.OpenNoteEditor();
    e.SetEditText(IdcNoteEdit, "nota");
    e.SetFocus(IdcHours); // a click in the hours box
    EXPECT_FALSE(Visible(IdcNoteEdit));
    EXPECT_EQ(NoteText(1), QByteArray("nota"));
    EXPECT_EQ(e.focus, IdcParticipated);
    EXPECT_EQ(e.enterState, 2);
    e.PressEnter();
    EXPECT_EQ(e.focus, IdcParticipated) << "swallowed";
    EXPECT_EQ(e.enterState, 0);
    e.PressEnter();
    EXPECT_EQ(e.focus, IdcHours);

    // A click on the participation box resets the state at once.
    e.OpenNoteEditor();
    e.SetFocus(IdcParticipated);
    EXPECT_EQ(e.enterState, 2);
    e.ClickParticipated();
    EXPECT_EQ(e.enterState, 0);
}

TEST_F(NoteEditorTest, FullNoteTable)
{
    GroupBuilder b;
    for (int k = 1; k <= layout::MaxNotes; ++k)
        b.AddNote(QByteArray::number(k));
    b.AddPublisher("Ana", "Ruiz").NoteLink(2, 0, 254).NoteLink(0, 0, 100);
    b.AddPublisher("Luis", "Vega");
    Load(b);

    // A month without a note: message 1033, nothing can be stored.
    EntryLogic& e = Open(2);
    EXPECT_EQ(sink.messages, QStringList{"No hay suficiente espacio para notas."});
    EXPECT_EQ(e.noteNumber, 0);
    EnterNote("nueva");
    EXPECT_EQ(group.noteCount, 254);
    EXPECT_EQ(e.recordCopy.Cell(layout::NoteIndex, 2, 0), 0);
    EXPECT_EQ(Cell(2, layout::NoteIndex, 2), 0);

    // Months with notes: an edit is written in place and the note stays
    // linked, also when it is the last entry of the table.
    for (int month : {2, 0}) {
        const int k = month == 2 ? 254 : 100;
        sink.messages.clear();
        EntryLogic& edit = Open(1);
        if (month != 2) {
            edit.OpenMonthList();
            edit.SelectMonth(month);
            edit.CloseMonthList();
        }
        EXPECT_TRUE(sink.messages.isEmpty());
        EXPECT_EQ(edit.noteNumber, k);
        EnterNote("cambiada");
        EXPECT_EQ(NoteText(k), QByteArray("cambiada"));
        EXPECT_EQ(edit.recordCopy.Cell(layout::NoteIndex, month, 0), k);
        EXPECT_EQ(group.noteCount, 254);
        edit.SetFocus(IdcOk);
        edit.OnEnter();
        ASSERT_TRUE(edit.ended);
        EXPECT_EQ(Cell(1, layout::NoteIndex, month), k);
    }
}

TEST_F(NoteEditorTest, LastFreeEntryHoldsANote)
{
    GroupBuilder b;
    for (int k = 1; k < layout::MaxNotes; ++k)
        b.AddNote("n");
    b.AddPublisher("Ana", "Ruiz");
    Load(b);
    EntryLogic& e = Open(1);
    EXPECT_EQ(e.noteNumber, 254);
    EnterNote("la ultima");
    EXPECT_EQ(NoteText(254), QByteArray("la ultima"));
    EXPECT_EQ(Cell(1, layout::NoteIndex, 2), 254);
    EXPECT_EQ(group.noteCount, 254) << "never more than 254 entries";
}

TEST_F(NoteEditorTest, CharacterTheFileCannotHoldIsRefused)
{
    GroupBuilder b;
    b.AddPublisher("Ana", "Ruiz").NoteLink(2, 0, b.AddNote("antes"));
    Load(b);
    EntryLogic& e = Open(1);
    EnterNote(QString::fromUtf8("visita Ω"));
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].contains(QString::fromUtf8("\"Ω\""))) << sink.messages[0].toStdString();
    EXPECT_TRUE(Visible(IdcNoteEdit)) << "the editor stays open to mend the note";
    EXPECT_EQ(e.focus, IdcNoteEdit);
    EXPECT_EQ(e.enterState, 1);
    EXPECT_EQ(NoteText(1), QByteArray("antes"));
    EXPECT_EQ(e.changed, 0);

    e.SetEditText(IdcNoteEdit, "visita");
    e.PressEnter();
    EXPECT_FALSE(Visible(IdcNoteEdit));
    EXPECT_EQ(NoteText(1), QByteArray("visita"));
    EXPECT_EQ(e.focus, IdcParticipated);
    EXPECT_EQ(e.enterState, 0);
}
