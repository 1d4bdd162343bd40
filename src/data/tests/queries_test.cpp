#include "data/builder/group_builder.h"
#include "data/group_data.h"
#include "testing/recording_sink.h"

#include <QBuffer>

#include <gtest/gtest.h>

using namespace rekol;

namespace {

class QueriesTest : public ::testing::Test {
protected:
    void Load(const GroupBuilder& builder)
    {
        QByteArray bytes = builder.Build();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        ASSERT_EQ(group.LoadGroupFrom(buffer, "test.k09"), LoadStatus::Loaded);
        group.reportMonth = 2;
        group.yearSlot = 0;
    }

    test::RecordingSink sink;
    GroupData group{sink};
};

} // namespace

TEST_F(QueriesTest, DisplayNames)
{
    GroupBuilder b;
    b.AddPublisher("Ana", "Ruiz");
    b.AddPublisher("", "");
    Load(b);
    EXPECT_EQ(group.GetDisplayName(1, true), QByteArray("Ruiz, Ana"));
    EXPECT_EQ(group.GetDisplayName(1, false), QByteArray("Ana Ruiz"));
    EXPECT_EQ(group.GetDisplayName(2, false), QByteArray(" "));
    EXPECT_EQ(group.GetDisplayName(2, true), QByteArray(", "));
    group.language = "cz";
    EXPECT_EQ(group.GetDisplayName(1, false), QByteArray("Ruiz, Ana"));
}

TEST_F(QueriesTest, ContactsPackUsablePhonesAndOfferEmailOnlyWhenNotReported)
{
    GroupBuilder b;
    b.AddPublisher("A", "Uno").Phones("55512", "", "5551234").Email("  ana@example.org ");
    b.AddPublisher("B", "Dos").Phones("555123", "5559876", "5550000").Email("b@example.org").Report(2, 0, true, 0);
    b.AddPublisher("C", "Tres").Email("c@example.org").NoteLink(2, 0, b.AddNote("enfermo"));
    b.AddPublisher("D", "Cuatro").Phones("12345").Email("d@example.org").Report(2, 1, true, 0);
    Load(b);

    EXPECT_EQ(group.CollectContacts(1), 1);
    EXPECT_EQ(group.phones[0], QByteArray("5551234"));
    EXPECT_EQ(group.selectedEmail, QByteArray("ana@example.org")); // trimmed

    group.phoneCursor = 2;
    EXPECT_EQ(group.CollectContacts(2), 3);
    EXPECT_EQ(group.phones[2], QByteArray("5550000"));
    EXPECT_EQ(group.phoneCursor, 0);
    EXPECT_TRUE(group.selectedEmail.isEmpty()); // participated

    EXPECT_EQ(group.CollectContacts(3), 0);
    EXPECT_TRUE(group.selectedEmail.isEmpty()); // a note counts as reported

    EXPECT_EQ(group.CollectContacts(4), 0);
    EXPECT_EQ(group.selectedEmail, QByteArray("d@example.org")); // reported in the other slot only
}

TEST_F(QueriesTest, EmailUsability)
{
    struct Case {
        const char* email;
        bool usable;
    };
    for (const Case& c : {Case{"ana@example.org", true}, Case{" ana@example.org\t", true},
                          Case{"ana.example.org", false}, Case{"@example.org", false}, Case{"ana@example", false},
                          Case{"ana.b@example", false}, Case{"", false}, Case{"   ", false}, Case{"a@b.", true}}) {
        group.selectedEmail = c.email;
        EXPECT_EQ(group.IsEmailUsable(), c.usable) << c.email;
        EXPECT_EQ(group.selectedEmail, QByteArray(c.email).trimmed());
    }
}

TEST_F(QueriesTest, FormPhonesLeaveTheContactCacheAlone)
{
    GroupBuilder b;
    b.AddPublisher("A", "Uno").Phones("5551234", "", "");
    b.AddPublisher("B", "Dos").Phones("1", "5552222", "5553333");
    Load(b);
    group.CollectContacts(2);
    group.phoneCursor = 1;
    EXPECT_EQ(group.GetFormPhone(1, 0), QByteArray("5551234"));
    EXPECT_EQ(group.GetFormPhone(1, 1), QByteArray());
    EXPECT_EQ(group.GetFormPhone(2, 1), QByteArray("5553333"));
    EXPECT_EQ(group.phones[0], QByteArray("5552222"));
    EXPECT_EQ(group.phoneCount, 2);
    EXPECT_EQ(group.phoneCursor, 1);
}

TEST_F(QueriesTest, ReportCells)
{
    GroupBuilder b;
    PublisherBuilder p = b.AddPublisher("A", "Uno");
    p.record.SetCell(layout::StudyWord, 2, 0, 0x8805);
    p.record.SetCell(layout::Pubs, 2, 0, 11);
    p.record.SetCell(layout::Videos, 2, 0, 12);
    p.record.SetCell(layout::Hours, 2, 1, 13);
    p.record.SetCell(layout::ReturnVisits, 11, 0, 14);
    b.AddPublisher("B", "Dos");
    Load(b);
    EXPECT_EQ(group.GetReportCell(1, 2, 0, CellStudies), 5);
    EXPECT_EQ(group.GetReportCell(1, 2, 0, CellPubs), 11);
    EXPECT_EQ(group.GetReportCell(1, 2, 0, CellVideos), 12);
    EXPECT_EQ(group.GetReportCell(1, 2, 1, CellHours), 13);
    EXPECT_EQ(group.GetReportCell(1, 2, 0, CellHours), 0);
    EXPECT_EQ(group.GetReportCell(1, 11, 0, CellReturnVisits), 14);
}

TEST_F(QueriesTest, FindNoteLooksUpOrReserves)
{
    GroupBuilder b;
    b.AddPublisher("A", "Uno").NoteLink(2, 0, b.AddNote("100% bien")).NoteLink(3, 0, 9);
    b.AddPublisher("B", "Dos");
    Load(b);
    QByteArray text;
    EXPECT_EQ(group.FindNote(1, 2, 0, &text, true), 1);
    EXPECT_EQ(text, QByteArray("100% bien"));
    // A link past noteCount is no note for the lookup, yet counts as reported.
    EXPECT_EQ(group.FindNote(1, 3, 0, &text, true), 0);
    EXPECT_TRUE(text.isEmpty());
    EXPECT_FALSE(group.IsNotReported(1, 3, 0));
    EXPECT_EQ(group.noteCount, 1);
    EXPECT_EQ(group.FindNote(2, 2, 0, &text, false), 2);
    EXPECT_EQ(group.FindNote(2, 2, 0, &text, false), 3);
    EXPECT_EQ(group.noteCount, 3);
    EXPECT_TRUE(sink.messages.isEmpty());
}

TEST_F(QueriesTest, NoteTableGrowsUpTo254Entries)
{
    GroupBuilder b;
    b.AddPublisher("A", "Uno").NoteLink(0, 0, b.AddNote("uno"));
    b.AddPublisher("B", "Dos");
    Load(b);
    for (int k = 2; k <= 254; ++k) {
        ASSERT_EQ(group.FindNote(2, 2, 0, nullptr, false), k);
        // The entry handed out, and the one a stored note may count after
        // it, lie inside the table.
        ASSERT_GE(group.notes.size(), static_cast<std::size_t>(k + 1));
    }
    EXPECT_EQ(group.FindNote(2, 2, 0, nullptr, false), 0);
    EXPECT_EQ(sink.messages, QStringList{"No hay suficiente espacio para notas."});
    EXPECT_EQ(group.noteCount, 254);
    // A month that has a note keeps it when the table is full.
    EXPECT_EQ(group.FindNote(1, 0, 0, nullptr, false), 1);
    EXPECT_EQ(sink.messages.size(), 1);
}

TEST_F(QueriesTest, LateFlagsAndWhoHasReported)
{
    GroupBuilder b;
    b.AddPublisher("A", "Uno").Report(2, 0, true, 0);
    b.AddPublisher("B", "Dos").Report(2, 0, false, 3, 10);
    b.AddPublisher("C", "Tres");
    b.publishers[2].bytes[157] = 1;
    b.publishers[2].bytes[158] = 1;
    b.publishers[2].bytes[152] = 2;
    Load(b);
    EXPECT_FALSE(group.IsNotReported(1, 2, 0));
    EXPECT_TRUE(group.IsNotReported(2, 2, 0)); // figures without participation
    EXPECT_EQ(group.CountNotReported(2, 0), 2);
    EXPECT_EQ(group.CountNotReported(2, 1), 3);

    EXPECT_TRUE(group.IsLateFlagSet(3, 5));
    EXPECT_FALSE(group.IsLateFlagSet(3, 0)); // a flag byte of 2 is not set
    EXPECT_FALSE(group.IsLateFlagSet(3, 6));
    group.SetLateFlag(3, 6);
    EXPECT_EQ(group.Record(3).bytes[161], 1);
    EXPECT_TRUE(group.IsLateFlagSet(3, 6));
    group.SetLateFlag(3, 11);
    EXPECT_EQ(group.Record(3).bytes[166], 1);
}
