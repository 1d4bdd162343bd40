#include "form/collection_form.h"
#include "form/recording_device.h"
#include "form_fixture.h"

#include <algorithm>

using namespace rekol;
using rekol::test::Starting;

namespace {

class CollectionFormTest : public test::FormFixture {
protected:
    // Prints the form for the report month on a recorder.
    QList<QByteArray> Print(int dpiX = 96, int dpiY = 96)
    {
        RecordingDevice dc(dpiX, dpiY);
        CollectionForm form(group);
        form.month = group.reportMonth;
        form.Print(dc);
        return dc.Lines();
    }

    // The lines of page `page` (1-based), without the "page" line.
    static QList<QByteArray> Page(const QList<QByteArray>& lines, int page)
    {
        QList<QByteArray> out;
        int current = 0;
        for (const QByteArray& line : lines) {
            if (line == "page")
                ++current;
            else if (current == page)
                out.append(line);
        }
        return out;
    }
};

const QList<QByteArray> kFirstPageHeader = {
    "page",
    "text 48 48 left 140 bold \"Report Collection Form - Marzo\"",
    "text 48 80 left 120 bold \"Grupo #5  \"",
    "text 48 112 left 100 normal \"Nombre\"",
    "text 240 112 left 100 normal \"Telephone\"",
    "text 360 112 left 100 normal \"Particip.\"",
    "text 417 112 left 100 normal \"Cr.Bi.\"",
    "text 474 112 left 100 normal \"PAux\"",
    "text 531 112 left 100 normal \"Horas\"",
    "text 632 112 left 100 normal \"Notas\"",
};

TEST_F(CollectionFormTest, WorkedValuesAt96Dpi)
{
    GroupBuilder b(5, 2);
    const int note = b.AddNote("Visita de casa en casa y revisitas");
    b.AddPublisher("Ana", "Ruiz")
        .Phones("5551234", "5559999")
        .StatusAll(StatusAuxPioneer)
        .Report(2, 0, true, 3, 12)
        .NoteLink(2, 0, note);
    Load(b);

    QList<QByteArray> expected = kFirstPageHeader;
    expected += {
        "text 48 147 left 100 normal \"Ana Ruiz\"",
        "text 240 141 left 80 normal \"5551234\"",
        "text 259 152 left 80 normal \"5559999\"",
        "line 391 159 378 159 0",
        "line 378 159 378 146 0",
        "line 378 146 391 146 0",
        "line 391 146 391 159 0",
        "line 380 153 385 158 2",
        "line 385 158 389 148 2",
        "text 451 147 right 100 normal \"3\"",
        "line 505 159 492 159 0",
        "line 492 159 492 146 0",
        "line 492 146 505 146 0",
        "line 505 146 505 159 0",
        "line 494 153 499 158 2",
        "line 499 158 503 148 2",
        "text 565 147 right 100 normal \"12\"",
        "text 588 143 left 80 normal \"Visita\"",
        "text 588 153 left 80 normal \" de casa en casa y revisitas\"",
        "line 44 140 44 164 2",
        "line 44 164 737 164 2",
        "line 737 164 737 140 2",
        "line 737 140 44 140 2",
    };
    for (int x : {236, 356, 413, 470, 527, 584, 737})
        expected.append("line " + QByteArray::number(x) + " 140 " + QByteArray::number(x) + " 164 2");
    EXPECT_EQ(Print(), expected);
}

TEST_F(CollectionFormTest, PageMetricsFromTheDevice)
{
    Load(Numbered(1));
    RecordingDevice dc(96, 96);
    CollectionForm form(group);
    PageLayout layout;
    form.InitPageLayout(dc, layout);
    EXPECT_EQ(layout.top, 48);
    EXPECT_EQ(layout.left, 96);
    EXPECT_EQ(layout.rowHeight, 16); // the 10-point default font is 15 pixels tall
    EXPECT_EQ(layout.dpiX, 96);
    EXPECT_EQ(layout.dpiY, 96);
}

TEST_F(CollectionFormTest, EmptyGroupPrintsOneHeaderPageWithoutRuling)
{
    Load(Numbered(0));
    EXPECT_EQ(Print(), kFirstPageHeader);
}

TEST_F(CollectionFormTest, PageBreaks)
{
    struct Case {
        int publishers;
        int pages;
        QByteArray lastName; // the last publisher's name line
    };
    for (const Case& c : {Case{32, 1, "text 48 891 left 100 normal \"P32 X\""},
                          Case{33, 2, "text 48 147 left 100 normal \"P33 X\""},
                          Case{64, 2, "text 48 891 left 100 normal \"P64 X\""}}) {
        SCOPED_TRACE(c.publishers);
        Load(Numbered(c.publishers));
        const QList<QByteArray> lines = Print();
        EXPECT_EQ(lines.count("page"), c.pages);
        const QList<QByteArray> names = Starting(Page(lines, c.pages), "text 48 ");
        ASSERT_FALSE(names.isEmpty());
        EXPECT_EQ(names.last(), c.lastName);
    }
}

TEST_F(CollectionFormTest, FullPageRulingEndsAt908AndLaterPagesMoveNotas)
{
    Load(Numbered(33));
    const QList<QByteArray> lines = Print();
    const QList<QByteArray> first = Page(lines, 1);
    EXPECT_TRUE(first.contains("line 44 908 737 908 2"));
    EXPECT_FALSE(first.contains("line 44 932 737 932 2"));
    const QList<QByteArray> second = Page(lines, 2);
    EXPECT_EQ(second.mid(0, 8), kFirstPageHeader.mid(1, 8));
    EXPECT_EQ(second[8], "text 593 112 left 100 normal \"Notas\"");
    // One row on the second page: its ruling is one pitch high again.
    EXPECT_TRUE(second.contains("line 44 164 737 164 2"));
    EXPECT_FALSE(second.contains("line 44 188 737 188 2"));
}

TEST_F(CollectionFormTest, ZeroFiguresStayBlankAndOnePrints)
{
    GroupBuilder b(5, 2);
    b.AddPublisher("A", "B").Report(2, 0, true, 0, 0);
    b.AddPublisher("C", "D").Report(2, 0, false, 1, 1);
    Load(b);
    const QList<QByteArray> lines = Print();
    const QList<QByteArray> right = Starting(lines, "text 451 ") + Starting(lines, "text 565 ");
    EXPECT_EQ(right, (QList<QByteArray>{"text 451 171 right 100 normal \"1\"", "text 565 171 right 100 normal \"1\""}));
}

TEST_F(CollectionFormTest, TicksFollowParticipationAndAuxiliaryStatus)
{
    GroupBuilder b(5, 2);
    b.AddPublisher("A", "B").Report(2, 0, true, 0).Status(2, 0, 0x05); // bits 0-1: auxiliary pioneer
    b.AddPublisher("C", "D").Report(2, 0, false, 0).Status(2, 0, StatusRegularPioneer);
    Load(b);
    QList<QByteArray> thick;
    for (const QByteArray& line : Print()) {
        const QList<QByteArray> f = line.split(' ');
        if (f[0] == "line" && f[5] == "2" && f[2] != f[4] && f[1] != f[3])
            thick.append(line);
    }
    // Only the first row is ticked, in both boxes: two strokes each.
    ASSERT_EQ(thick.size(), 4);
    EXPECT_EQ(thick[0], "line 380 153 385 158 2");
    EXPECT_EQ(thick[2], "line 494 153 499 158 2");
}

TEST_F(CollectionFormTest, Notes)
{
    struct Case {
        const char* note;
        QList<QByteArray> lines;
    };
    const Case cases[] = {
        {"x", {}},
        {"19 characters here.", {"text 588 147 left 100 normal \"19 characters here.\""}},
        {"Twenty characters ok",
         {"text 588 143 left 80 normal \"Twenty\"", "text 588 153 left 80 normal \" characters ok\""}},
        {"abcdefghijklmnopqrstuvwxy",
         {"text 588 143 left 80 normal \"abcdefghijklmnopqrs\"", "text 588 153 left 80 normal \"tuvwxy\""}},
        {"abc defghijklmnopqrstuvwxy",
         {"text 588 143 left 80 normal \"abc defghijklmnopqr\"", "text 588 153 left 80 normal \"stuvwxy\""}},
        {"abcdefg hijklmnopqrstuvwxyz",
         {"text 588 143 left 80 normal \"abcdefg\"", "text 588 153 left 80 normal \" hijklmnopqrstuvwxyz\""}},
        {"A note of thirty-six characters long",
         {"text 588 143 left 80 normal \"A note\"", "text 588 153 left 80 normal \" of thirty-six c...\""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        GroupBuilder b(5, 2);
        b.AddPublisher("A", "B").NoteLink(2, 0, b.AddNote(c.note));
        Load(b);
        EXPECT_EQ(Starting(Print(), "text 588 "), c.lines);
    }
}

TEST_F(CollectionFormTest, Telephones)
{
    GroupBuilder b(5, 2);
    b.AddPublisher("A", "B");
    b.AddPublisher("C", "D").Phones("123", "", "555 0001");
    b.AddPublisher("E", "F").Phones("555 0002", "555 0003", "555 0004");
    Load(b);
    const QList<QByteArray> lines = Print();
    QList<QByteArray> phones = Starting(lines, "text 240 ") + Starting(lines, "text 259 ");
    phones.removeFirst(); // the heading
    EXPECT_EQ(phones, (QList<QByteArray>{
                          "text 240 171 left 100 normal \"555 0001\"",
                          "text 240 189 left 80 normal \"555 0002\"",
                          "text 259 200 left 80 normal \"555 0003\"",
                      }));
}

TEST_F(CollectionFormTest, UnequalResolutionsUseEachForItsDirection)
{
    GroupBuilder b(5, 2);
    b.AddPublisher("A", "B").Report(2, 0, true, 2);
    Load(b);
    const QList<QByteArray> lines = Print(300, 600);
    // x from 300 dpi, y from 600 dpi: top 300, left 150, pitch 150.
    EXPECT_EQ(lines[1], "text 150 300 left 140 bold \"Report Collection Form - Marzo\"");
    EXPECT_TRUE(lines.contains("text 150 918 left 100 normal \"A B\""));
    // columnX[1] = 735 + 375 = 1110; the box is 42 wide and 85 high.
    EXPECT_TRUE(lines.contains("line 1220 993 1178 993 2"));
    EXPECT_TRUE(lines.contains("line 1178 993 1178 908 2"));
}

TEST_F(CollectionFormTest, PrintingChangesNothingInTheGroup)
{
    GroupBuilder b(5, 2);
    b.AddPublisher("A", "B").Phones("555 1111", "555 2222").Email("a@b.org");
    b.AddPublisher("C", "D").Phones("555 3333");
    Load(b);
    group.CollectContacts(1);
    const auto phones = group.phones;
    const auto count = group.phoneCount;
    const QByteArray email = group.selectedEmail;
    const auto notes = group.noteCount;
    const QByteArray before = group.SerializeGroup();
    Print();
    EXPECT_EQ(group.phones, phones);
    EXPECT_EQ(group.phoneCount, count);
    EXPECT_EQ(group.selectedEmail, email);
    EXPECT_EQ(group.noteCount, notes);
    EXPECT_EQ(group.SerializeGroup(), before);
}

// Captures the character set of the font each text is drawn in.
class CharSetRecorder : public RecordingDevice {
public:
    using RecordingDevice::RecordingDevice;
    void TextOut(int x, int y, const QString& text) override
    {
        charSets.append(CurrentFont().charSet);
        RecordingDevice::TextOut(x, y, text);
    }
    QList<int> charSets;
};

TEST_F(CollectionFormTest, NamesPrintInTheLettersOfTheirLanguage)
{
    struct Case {
        const char* language;
        const char* first;
        const char* last;
        const char* shown;
        int charSet;
    };
    const Case cases[] = {
        {"Turkish", "Ğülşen", "Işık", "Ğülşen Işık", TurkishCharSet},
        {"Polish", "Łucja", "Wiśniewska", "Łucja Wiśniewska", EastEuropeCharSet},
        {"cz", "Jiří", "Dvořák", "Dvořák, Jiří", EastEuropeCharSet},
        {"estonian", "Jüri", "Õunapuu-Šmidt", "Jüri Õunapuu-Šmidt", BalticCharSet},
        {"esp", "José", "Muñoz", "José Muñoz", DefaultCharSet},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        const QString language = QString::fromLatin1(c.language);
        GroupBuilder b(5, 2, language);
        b.AddPublisher(QString::fromUtf8(c.first), QString::fromUtf8(c.last));
        Load(b, language);
        CharSetRecorder dc(96, 96);
        CollectionForm form(group);
        form.month = 2;
        form.Print(dc);
        const QByteArray expected = "text 48 147 left 100 normal \"" + QByteArray(c.shown) + "\"";
        const QList<QByteArray> lines = dc.Lines();
        const qsizetype at = lines.indexOf(expected);
        ASSERT_GE(at, 0);
        EXPECT_TRUE(std::all_of(dc.charSets.begin(), dc.charSets.end(), [&](int s) { return s == c.charSet; }));
    }
}

} // namespace
