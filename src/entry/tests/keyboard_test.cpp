// Working the entry from the keyboard: the number boxes' filter, arrow keys,
// the Enter key and the month list.
#include "entry/num_edit.h"
#include "entry/tests/entry_fixture.h"

using namespace rekol;
using namespace rekol::test;

namespace {

class KeyboardTest : public EntryTest {
protected:
    // A participating auxiliary pioneer: hours and studies boxes shown.
    EntryLogic& OpenPioneer(bool participated = true)
    {
        GroupBuilder b;
        b.AddPublisher("Ana", "Ruiz").StatusAll(StatusAuxPioneer).Report(2, 0, participated, 0, 0);
        b.AddPublisher("Luis", "Vega");
        Load(b);
        return Open(1);
    }
};

} // namespace

TEST(NumEditFilter, Characters)
{
    for (char c : QByteArray("0123456789."))
        EXPECT_EQ(NumEditFilter(QChar(c)), NumEditAction::Pass) << c;
    EXPECT_EQ(NumEditFilter(QChar(8)), NumEditAction::Pass);
    EXPECT_EQ(NumEditFilter(u' '), NumEditAction::Zero);
    for (QChar c : {QChar(u'a'), QChar(u'-'), QChar(u','), QChar(u'+'), QChar(22), QChar(3), QChar(u'\t'), QChar(0x0663)})
        EXPECT_EQ(NumEditFilter(c), NumEditAction::Drop) << int(c.unicode());
}

TEST_F(KeyboardTest, TypingThroughTheFilter)
{
    struct Case {
        const char* start;     // box text, all selected as Tab leaves it
        const char* keys;      // '\b' for backspace
        const char* result;
    };
    const Case cases[] = {
        {"0", "12", "12"},
        {"0", "a-,", "0"},
        {"0", "1.5", "1.5"},
        {"12", " ", "0"},
        {"12", " 7", "7"},
        {"0", "45\b", "4"},
        {"0", "\b\b3", "3"},
        {"8", "\x16" "9", "9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        EntryLogic& e = OpenPioneer();
        e.SetEditText(IdcHours, QString::fromUtf8(c.start));
        Type(IdcHours, QString::fromUtf8(c.keys));
        EXPECT_EQ(Text(IdcHours), QString::fromUtf8(c.result));
    }

    EntryLogic& e = OpenPioneer();
    Type(IdcHours, "12 ");
    EXPECT_EQ(C(IdcHours).selectionStart, 0);
    EXPECT_EQ(C(IdcHours).selectionLength, 1) << "the zero stays selected";
    EXPECT_FALSE(e.TypeChar(IdcPubs, u'5')) << "a box never shown takes nothing";
    EXPECT_EQ(Text(IdcPubs), QString("0"));
    EXPECT_FALSE(e.TypeChar(IdcNoteEdit, u'5'));
}

TEST_F(KeyboardTest, TabOrderSkipsHiddenControls)
{
    EntryLogic& e = OpenPioneer();
    QList<int> met = {e.focus};
    for (int k = 0; k < 8; ++k) {
        e.Tab(true);
        met.append(e.focus);
    }
    EXPECT_EQ(met, (QList<int>{1126, 141, 143, 1, 2, 129, 3, 1050, 1126}));
    e.Tab(false);
    EXPECT_EQ(e.focus, IdcAuxPioneer);

    EntryLogic& unticked = OpenPioneer(false);
    EXPECT_EQ(unticked.NextInTabOrder(IdcParticipated, true), IdcOk);
    EXPECT_EQ(unticked.NextInTabOrder(IdcOk, false), IdcParticipated);
}

TEST_F(KeyboardTest, ArrowKeys)
{
    struct Case {
        bool participated;
        bool hoursShown;
        int from;
        bool right;
        int to;
    };
    const Case cases[] = {
        {true, true, IdcHours, true, IdcParticipated},
        {true, true, IdcStudies, true, IdcOk},
        {true, true, IdcStudies, false, IdcHours},
        {true, false, IdcStudies, false, IdcParticipated},
        {true, true, IdcHours, false, IdcParticipated},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << (c.right ? " right" : " left"));
        GroupBuilder b;
        b.AddPublisher("Ana", "Ruiz").Status(2, 0, c.hoursShown ? 1 : 0).Report(2, 0, c.participated, 0);
        Load(b);
        EntryLogic& e = Open(1);
        e.SetFocus(c.from);
        e.KeyNav(c.right);
        EXPECT_EQ(e.focus, c.to);
    }
}

TEST_F(KeyboardTest, LeavingTheHoursBoxAppliesTheCreditRule)
{
    GroupBuilder b;
    b.AddPublisher("Ana", "Ruiz").StatusAll(StatusRegularPioneer).Report(2, 0, true, 0, 30).NoteLink(2, 0, b.AddNote("20"));
    Load(b);
    EntryLogic& e = Open(1);
    EXPECT_EQ(Text(IdcCredit), QString("( + 20 Horas )"));
    Type(IdcHours, "50");
    EXPECT_EQ(e.credit, 20) << "not before the box is left";
    e.KeyNav(true);
    EXPECT_EQ(e.focus, IdcParticipated);
    EXPECT_EQ(e.credit, 5);
    EXPECT_EQ(Text(IdcCredit), QString("( + 5 Horas )"));
    EXPECT_EQ(e.hoursValue, 30) << "read again when the entry is finished";
}

TEST_F(KeyboardTest, EnterMovesFromBoxToBoxAndStores)
{
    EntryLogic& e = OpenPioneer();
    e.PressEnter();
    EXPECT_EQ(e.focus, IdcHours);
    EXPECT_EQ(C(IdcHours).selectionLength, 1) << "the box's text is selected";
    e.TypeChar(IdcHours, u'9');
    e.PressEnter();
    EXPECT_EQ(e.focus, IdcStudies);
    e.TypeChar(IdcStudies, u'2');
    e.PressEnter();
    EXPECT_TRUE(e.ended);
    EXPECT_TRUE(e.stored);
    EXPECT_EQ(Cell(1, layout::Hours, 2), 9);
    EXPECT_EQ(Cell(1, layout::StudyWord, 2) & layout::StudiesMask, 2);
}

TEST_F(KeyboardTest, EnterWithoutParticipationGoesToOkAndStores)
{
    EntryLogic& e = OpenPioneer(false);
    e.PressEnter();
    EXPECT_EQ(e.focus, IdcOk);
    EXPECT_FALSE(e.ended);
    e.PressEnter();
    EXPECT_TRUE(e.ended);
    EXPECT_TRUE(e.stored);
}

TEST_F(KeyboardTest, EnterOnAPushButtonRunsItsCommand)
{
    EntryLogic& notes = OpenPioneer();
    notes.SetFocus(IdcNotes);
    notes.PressEnter();
    EXPECT_TRUE(Visible(IdcNoteEdit));
    EXPECT_EQ(notes.enterState, 1);

    EntryLogic& months = OpenPioneer();
    months.SetFocus(IdcMonthButton);
    months.PressEnter();
    EXPECT_EQ(months.monthListMode, 1);

    EntryLogic& cancel = OpenPioneer();
    cancel.SetFocus(IdcCancel);
    cancel.PressEnter();
    EXPECT_TRUE(cancel.ended);
    EXPECT_FALSE(cancel.stored);
}

TEST_F(KeyboardTest, MonthList)
{
    EntryLogic& e = OpenPioneer();
    e.OpenMonthList();
    EXPECT_EQ(e.monthListMode, 1);
    EXPECT_EQ(e.focus, IdcMonthList);
    for (int id : {IdcMonthList, IdcMonthListOk, IdcParticipated, IdcHours, IdcStudies})
        EXPECT_TRUE(Visible(id)) << id;
    for (int id : {IdcNotes, IdcCredit, IdcOk, IdcCancel, IdcMonthButton, IdcGroup})
        EXPECT_FALSE(Visible(id)) << id;

    e.SelectMonth(0);
    EXPECT_EQ(Text(IdcMonthName), QString("Enero"));
    EXPECT_EQ(C(IdcMonthList).currentRow, 0);
    EXPECT_EQ(e.entryMonth, 0);

    // Enter in the list moves on to its OK button, which closes the list.
    e.PressEnter();
    EXPECT_EQ(e.monthListMode, 0);
    EXPECT_EQ(e.focus, IdcParticipated);
    for (int id : {IdcNotes, IdcOk, IdcCancel, IdcMonthButton, IdcGroup})
        EXPECT_TRUE(Visible(id)) << id;
    EXPECT_FALSE(Visible(IdcMonthList));
    EXPECT_FALSE(Visible(IdcMonthListOk));
    EXPECT_EQ(e.entryMonth, 0);

    // The list's button, clicked: the focus leaves the list first.
    e.OpenMonthList();
    e.SetFocus(IdcMonthListOk);
    e.CloseMonthList();
    EXPECT_EQ(e.monthListMode, 0);
    EXPECT_EQ(e.focus, IdcParticipated);
}

TEST_F(KeyboardTest, EventsOnHiddenControlsDoNothing)
{
    EntryLogic& e = OpenPioneer();
    e.OpenNoteEditor();
    e.OpenMonthList(); // button 129 is hidden while a note is edited
    EXPECT_EQ(e.monthListMode, 0);
    e.PressEnter();
    e.OpenMonthList();
    e.OpenNoteEditor(); // button 3 is hidden while the list is shown
    EXPECT_FALSE(Visible(IdcNoteEdit));
    EXPECT_EQ(e.enterState, 0);
}
