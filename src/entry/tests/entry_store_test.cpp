// Finishing an entry: validation, what is stored in the record and when the
// record is written back.
#include "data/report_period.h"
#include "entry/tests/entry_fixture.h"

using namespace rekol;
using namespace rekol::test;

namespace {

class EntryStoreTest : public EntryTest {
protected:
    // A publisher whose record is full of bytes nobody interprets.
    void LoadNoisyPublisher(std::uint8_t statusByte)
    {
        GroupBuilder b(5, 2);
        b.AddPublisher("Ana", "Ruiz");
        b.AddPublisher("Luis", "Vega");
        Load(b);
        PublisherRecord& r = group.Record(1);
        for (std::size_t k = layout::ServiceStatus; k < layout::RecordSize; ++k)
            r.bytes[k] = static_cast<std::uint8_t>(k * 37 + 11);
        for (std::size_t k : {std::size_t{0}, std::size_t{1}, std::size_t{170}, std::size_t{175}, std::size_t{190}})
            r.bytes[k] = static_cast<std::uint8_t>(k + 99);
        r.bytes[layout::StatusOffset(2, 0)] = statusByte;
        // Bits 12..15 and bit 10 set, participated clear, studies 5.
        r.SetCell(layout::StudyWord, 2, 0, 0xA405);
        r.SetCell(layout::Hours, 2, 0, 0);
        r.SetCell(layout::NoteIndex, 2, 0, 0);
        r.SetCell(layout::CreditHours, 2, 0, 0x3317);
        before = r;
    }

    PublisherRecord before;
};

} // namespace

TEST_F(EntryStoreTest, OnlyTheMonthsCellsChange)
{
    // An auxiliary pioneer's byte with bits 2..7 set; pubs, videos and return
    // visits hold values above the ranges of their (never shown) boxes.
    LoadNoisyPublisher(0xA5);
    ASSERT_GT(before.Cell(layout::Pubs, 2, 0), 4095);
    ASSERT_GT(before.Cell(layout::ReturnVisits, 2, 0), 511);
    EntryLogic& e = Open(1);
    e.ClickParticipated();
    Type(IdcHours, "12");
    Type(IdcStudies, "3");
    e.ClickAuxPioneer(); // unticks: status 1 becomes 0
    EXPECT_FALSE(Visible(IdcHours));
    e.ClickAuxPioneer(); // ticks it again
    Type(IdcHours, "12");
    e.SetFocus(IdcOk);
    e.OnEnter();
    ASSERT_TRUE(e.ended) << sink.messages.join('|').toStdString();
    EXPECT_TRUE(e.stored);
    EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join('|').toStdString();

    PublisherRecord expected = before;
    expected.SetCell(layout::Hours, 2, 0, 12);
    expected.SetCell(layout::StudyWord, 2, 0, 0xA000 | layout::ParticipatedBit | 3);
    expected.SetCell(layout::CreditHours, 2, 0, 0);
    expected.SetCell(layout::NoteIndex, 2, 0, 0);
    EXPECT_EQ(group.Record(1).bytes, expected.bytes);
    EXPECT_EQ(owner.lastRegistered, QString("Ana Ruiz"));
    EXPECT_EQ(owner.statusUpdates, 1);
}

TEST_F(EntryStoreTest, AuxiliaryPioneerBoxSetsOnlyTheLowStatusBits)
{
    struct Case {
        std::uint8_t statusByte;
        bool clickAux;
        std::uint8_t stored;
    };
    const Case cases[] = {
        {0x01, true, 0x00}, {0x00, true, 0x01}, {0xFD, true, 0xFC}, {0xF0, false, 0xF0},
        {0x02, false, 0x02}, {0x03, false, 0x03}, {0xFE, false, 0xFE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.statusByte));
        GroupBuilder b;
        b.AddPublisher("Ana", "Ruiz").Status(2, 0, c.statusByte);
        Load(b);
        EntryLogic& e = Open(1);
        if (c.clickAux)
            e.ClickAuxPioneer();
        e.SetFocus(IdcOk);
        e.OnEnter();
        ASSERT_TRUE(e.ended);
        EXPECT_EQ(group.Record(1).StatusByte(2, 0), c.stored);
    }
}

TEST_F(EntryStoreTest, ParticipationBit)
{
    struct Case {
        const char* name;
        bool participatedInFile;
        int studiesInFile;
        bool click;
        bool bit;
    };
    const Case cases[] = {
        {"studies without the tick set the bit", false, 2, false, true},
        {"nothing and unticked clears it", true, 0, true, false},
        {"ticked with nothing keeps it", true, 0, false, true},
        {"unticking zeroes the studies", true, 4, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GroupBuilder b;
        b.AddPublisher("Ana", "Ruiz").Report(2, 0, c.participatedInFile, c.studiesInFile);
        Load(b);
        EntryLogic& e = Open(1);
        if (c.click)
            e.ClickParticipated();
        e.SetFocus(IdcOk);
        e.OnEnter();
        ASSERT_TRUE(e.ended);
        EXPECT_EQ((Cell(1, layout::StudyWord, 2) & layout::ParticipatedBit) != 0, c.bit);
        EXPECT_EQ(e.participated, c.bit ? 1 : 0);
    }
}

TEST_F(EntryStoreTest, RefusedValuesStoreNothing)
{
    struct Case {
        int box;
        const char* text;
        QString message;
    };
    const QString range = "Please enter an integer between %1 and %2.";
    const Case cases[] = {
        {IdcStudies, "64", range.arg(0).arg(63)},
        {IdcStudies, "1.5", "Please enter a positive integer."},
        {IdcStudies, "", "Please enter a positive integer."},
        {IdcStudies, "99999999999", "Please enter a positive integer."},
        {IdcHours, "65536", range.arg(0).arg(65535)},
        {IdcHours, "999999999999", range.arg(0).arg(65535)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        GroupBuilder b;
        b.AddPublisher("Ana", "Ruiz").StatusAll(StatusRegularPioneer).Report(2, 0, true, 1, 10);
        b.AddPublisher("Luis", "Vega");
        Load(b);
        const PublisherRecord original = group.Record(1);
        sink.messages.clear();
        EntryLogic& e = Open(1);
        e.SetEditText(c.box, QString::fromUtf8(c.text));
        e.SetFocus(IdcOk);
        e.OnEnter();
        EXPECT_FALSE(e.ended);
        ASSERT_EQ(sink.messages.size(), 1);
        EXPECT_EQ(sink.messages[0], c.message);
        EXPECT_EQ(sink.lastIcon, MessageIcon::Warning);
        EXPECT_EQ(e.focus, c.box);
        EXPECT_EQ(C(c.box).selectionStart, 0);
        EXPECT_EQ(C(c.box).selectionLength, static_cast<int>(qstrlen(c.text)));
        EXPECT_EQ(group.Record(1).bytes, original.bytes);
        EXPECT_EQ(owner.statusUpdates, 0);
    }
}

TEST_F(EntryStoreTest, AcceptedBoxTexts)
{
    struct Case {
        const char* hours;
        const char* studies;
        int storedHours;
        int storedStudies;
    };
    const Case cases[] = {
        {"65535", "63", 65535, 63}, {"1.5", " 7 ", 1, 7}, {"", "0", 0, 0}, {"007", "00", 7, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hours);
        GroupBuilder b;
        b.AddPublisher("Ana", "Ruiz").StatusAll(StatusRegularPioneer).Report(2, 0, true, 0, 0);
        Load(b);
        EntryLogic& e = Open(1);
        e.SetEditText(IdcHours, QString::fromUtf8(c.hours));
        e.SetEditText(IdcStudies, QString::fromUtf8(c.studies));
        e.SetFocus(IdcOk);
        e.OnEnter();
        ASSERT_TRUE(e.ended) << sink.messages.join('|').toStdString();
        EXPECT_EQ(Cell(1, layout::Hours, 2), c.storedHours);
        EXPECT_EQ(Cell(1, layout::StudyWord, 2) & layout::StudiesMask, c.storedStudies);
    }
}

TEST_F(EntryStoreTest, UnchangedEntryIsNotWrittenBack)
{
    GroupBuilder b;
    b.AddPublisher("Ana", "Ruiz").Report(0, 0, true, 2).Report(2, 0, true, 1);
    b.AddPublisher("Luis", "Vega");
    Load(b);
    EntryLogic& e = Open(1);
    e.OpenMonthList();
    e.SelectMonth(0);
    e.CloseMonthList();
    // A change made behind the entry's back shows whether the copy is written.
    group.Record(1).bytes[0] = 0x77;
    e.SetFocus(IdcOk);
    e.OnEnter();
    ASSERT_TRUE(e.ended);
    EXPECT_EQ(group.Record(1).bytes[0], 0x77);
    EXPECT_FALSE(group.IsLateFlagSet(1, 0));
    EXPECT_EQ(owner.lastRegistered, QString("nadie"));
    EXPECT_EQ(owner.statusUpdates, 1);
}

TEST_F(EntryStoreTest, StoredCreditFollowsTheStatusOfTheMonth)
{
    GroupBuilder b;
    b.AddPublisher("Ana", "Ruiz").Status(2, 0, StatusRegularPioneer).Report(2, 0, true, 0, 30).Credit(2, 0, 0x1207);
    b.AddPublisher("Luis", "Vega").Status(2, 0, StatusAuxPioneer).Report(2, 0, true, 0, 30).Credit(2, 0, 9);
    Load(b);
    EntryLogic& pioneer = Open(1);
    EXPECT_EQ(pioneer.credit, 7);
    pioneer.SetFocus(IdcOk);
    pioneer.OnEnter();
    EXPECT_EQ(Cell(1, layout::CreditHours, 2), 7);

    EntryLogic& aux = Open(2);
    EXPECT_EQ(aux.credit, 0);
    aux.SetFocus(IdcOk);
    aux.OnEnter();
    EXPECT_EQ(Cell(2, layout::CreditHours, 2), 0);
}

TEST_F(EntryStoreTest, LateReports)
{
    struct Case {
        const char* name;
        int reportMonth;
        int month;
        int hoursInFile; // hours already in the late month
        bool flagInFile;
        std::uint8_t status;
        bool flagAfter;
    };
    const Case cases[] = {
        {"empty late month", 2, 0, 0, false, 0, true},
        {"late month with hours", 2, 0, 5, false, 0, false},
        {"late month with hours and flag", 2, 0, 5, true, 0, true},
        {"special pioneer", 2, 0, 0, false, StatusSpecialPioneer, false},
        {"month after the report month", 2, 7, 0, false, 0, true},
        {"December in January's slot", 0, 11, 0, false, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GroupBuilder b(5, c.reportMonth);
        // The hours box is offered by the report month's status.
        b.AddPublisher("Ana", "Ruiz")
            .StatusAll(StatusAuxPioneer)
            .Status(c.month, 0, c.status | StatusAuxPioneer)
            .Report(c.month, 0, c.hoursInFile != 0, 0, c.hoursInFile);
        if (c.flagInFile)
            b.publishers[0].bytes[layout::LateFlagOffset(c.month)] = 1;
        b.AddPublisher("Luis", "Vega");
        Load(b, c.reportMonth, 0);
        EntryLogic& e = Open(1);
        e.OpenMonthList();
        e.SelectMonth(c.month);
        e.CloseMonthList();
        EXPECT_EQ(Text(IdcMonthName), GetMonthName(c.month, false, "esp"));
        if (!Checked(IdcParticipated))
            e.ClickParticipated();
        Type(IdcHours, "4");
        Type(IdcStudies, "1");
        e.OnEnter();
        ASSERT_TRUE(e.ended);
        EXPECT_EQ(Cell(1, layout::Hours, c.month, 0), 4);
        EXPECT_EQ(Cell(1, layout::StudyWord, c.month, 0) & 0x0FFF, layout::ParticipatedBit | 1);
        EXPECT_EQ(Cell(1, layout::Hours, c.month, 1), 0) << "never another year slot";
        EXPECT_EQ(Cell(1, layout::StudyWord, c.reportMonth, 0), 0) << "the report month stays as it was";
        EXPECT_EQ(group.IsLateFlagSet(1, c.month), c.flagAfter);
    }
}

TEST_F(EntryStoreTest, ChangingMonthDropsWhatWasTyped)
{
    GroupBuilder b;
    b.AddPublisher("Ana", "Ruiz").Status(2, 0, StatusAuxPioneer).Report(2, 0, true, 0, 8);
    Load(b);
    EntryLogic& e = Open(1);
    Type(IdcHours, "25");
    e.OpenMonthList();
    e.SelectMonth(4);
    e.SelectMonth(2);
    e.CloseMonthList();
    EXPECT_EQ(Text(IdcHours), QString("8"));
    EXPECT_EQ(e.hoursValue, 8);
}

TEST_F(EntryStoreTest, BoxVisibilityFollowsTheMonthSelected)
{
    GroupBuilder b;
    b.AddPublisher("Ana", "Ruiz").StatusAll(StatusAuxPioneer).Report(2, 0, true, 1, 5).Report(0, 0, false, 0);
    Load(b);
    EntryLogic& e = Open(1);
    EXPECT_TRUE(Visible(IdcStudies));
    e.OpenMonthList();
    e.SelectMonth(0);
    EXPECT_FALSE(Checked(IdcParticipated));
    EXPECT_FALSE(Visible(IdcStudies));
    EXPECT_FALSE(Visible(IdcHours));
    e.SelectMonth(2);
    EXPECT_TRUE(Visible(IdcStudies));
    EXPECT_TRUE(Visible(IdcHours));
}

TEST_F(EntryStoreTest, CancelStoresNothing)
{
    GroupBuilder b;
    b.AddPublisher("Ana", "Ruiz");
    Load(b);
    const PublisherRecord original = group.Record(1);
    EntryLogic& e = Open(1);
    e.ClickParticipated();
    Type(IdcStudies, "3");
    e.SetFocus(IdcCancel);
    e.PressEnter();
    EXPECT_TRUE(e.ended);
    EXPECT_FALSE(e.stored);
    EXPECT_EQ(group.Record(1).bytes, original.bytes);
    EXPECT_EQ(owner.statusUpdates, 0);
}
