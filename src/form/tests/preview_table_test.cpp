#include "form/collection_form.h"
#include "form/preview_pager.h"
#include "form/recording_device.h"
#include "form_fixture.h"

using namespace rekol;
using rekol::test::Starting;

namespace {

class PreviewTableTest : public test::FormFixture {
protected:
    QList<QByteArray> Paint(int first, int last, int width = 480, int height = 280)
    {
        RecordingDevice dc(96, 96);
        CollectionForm form(group);
        form.month = 2;
        form.PaintTable(Rect{0, 0, width, height}, dc, first, last);
        return dc.Lines();
    }
};

TEST_F(PreviewTableTest, WorkedValuesOfA480By280Panel)
{
    GroupBuilder b(5, 2);
    const int note = b.AddNote("Visita de casa en casa");
    b.AddPublisher("Ana", "Ruiz")
        .StatusAll(StatusAuxPioneer)
        .Report(2, 0, true, 3, 12)
        .NoteLink(2, 0, note);
    Load(b);

    QList<QByteArray> expected = {"fill 0 0 481 285", "rect 0 0 481 16 ltgray null"};
    for (int x : {120, 163, 206, 249, 292})
        expected.append("line " + QByteArray::number(x) + " 0 " + QByteArray::number(x) + " 283 0");
    for (int y = 15; y <= 270; y += 15)
        expected.append("line 0 " + QByteArray::number(y) + " 480 " + QByteArray::number(y) + " 0");
    expected += {
        "text 2 1 left 80 normal \"Nombre\"",
        "text 155 1 right 80 normal \"Particip.\"",
        "text 198 1 right 80 normal \"Cr.Bi.\"",
        "text 241 1 right 80 normal \"PAux\"",
        "text 284 1 right 80 normal \"Horas\"",
        "text 400 1 right 80 normal \"Notas\"",
        "text 2 16 left 80 normal \"Ana Ruiz\"",
        "line 143 28 133 28 0",
        "line 133 28 133 18 0",
        "line 133 18 143 18 0",
        "line 143 18 143 28 0",
        "line 135 23 138 27 2",
        "line 138 27 141 20 2",
        "text 196 16 right 80 normal \"3\"",
        "line 229 28 219 28 0",
        "line 219 28 219 18 0",
        "line 219 18 229 18 0",
        "line 229 18 229 28 0",
        "line 221 23 224 27 2",
        "line 224 27 227 20 2",
        "text 282 16 right 80 normal \"12\"",
        "text 295 16 left 80 normal \"Visita de casa en casa\" clip 290 16 480 31",
    };
    EXPECT_EQ(Paint(0, 1), expected);
}

TEST_F(PreviewTableTest, GreekMovesNotasHeading)
{
    Load(Numbered(0), QStringLiteral("greek"));
    EXPECT_TRUE(Paint(0, 0).contains("text 456 1 right 80 normal \"Notas\""));
}

TEST_F(PreviewTableTest, NoPublishersDrawsBandAndRulingOnly)
{
    Load(Numbered(0));
    const QList<QByteArray> lines = Paint(0, 0);
    EXPECT_EQ(Starting(lines, "line ").size(), 5 + 18);
    EXPECT_EQ(Starting(lines, "text ").size(), 6);
    EXPECT_EQ(Starting(lines, "rect ").size(), 1);
}

TEST_F(PreviewTableTest, RowsOfTheCurrentPageOnly)
{
    Load(Numbered(50));
    const QList<QByteArray> names = Starting(Paint(32, 50), "text 2 ");
    ASSERT_EQ(names.size(), 1 + 18);
    EXPECT_EQ(names[1], "text 2 16 left 80 normal \"P33 X\"");
    EXPECT_EQ(names[18], "text 2 271 left 80 normal \"P50 X\"");
}

TEST_F(PreviewTableTest, ShortNotesShownLongNotesClippedAndZeroFiguresBlank)
{
    GroupBuilder b(5, 2);
    b.AddPublisher("A", "B").Report(2, 0, true, 0, 0).NoteLink(2, 0, b.AddNote("x"));
    b.AddPublisher("C", "D").NoteLink(2, 0, b.AddNote("A note of thirty-six characters long"));
    Load(b);
    const QList<QByteArray> lines = Paint(0, 2);
    EXPECT_EQ(Starting(lines, "text 295 "),
              (QList<QByteArray>{"text 295 16 left 80 normal \"x\" clip 290 16 480 31",
                                 "text 295 31 left 80 normal \"A note of thirty-six characters long\" clip 290 31 480 46"}));
    EXPECT_TRUE(Starting(lines, "text 196 ").isEmpty());
    EXPECT_TRUE(Starting(lines, "text 282 ").isEmpty());
}

TEST(PreviewPager, NineteenPublishers)
{
    PreviewPager pager(19);
    EXPECT_EQ(std::pair(pager.first, pager.last), std::pair(0, 18));
    EXPECT_TRUE(pager.PagingShown());
    EXPECT_TRUE(pager.OnFirstPage());
    EXPECT_FALSE(pager.NextShown());
    pager.NextPage();
    EXPECT_EQ(std::pair(pager.first, pager.last), std::pair(1, 19));
    EXPECT_FALSE(pager.NextShown());
    pager.PreviousPage();
    EXPECT_EQ(std::pair(pager.first, pager.last), std::pair(0, 18));
}

TEST(PreviewPager, FiftyPublishers)
{
    PreviewPager pager(50);
    pager.NextPage();
    EXPECT_EQ(std::pair(pager.first, pager.last), std::pair(18, 36));
    EXPECT_TRUE(pager.NextShown());
    pager.NextPage();
    EXPECT_EQ(std::pair(pager.first, pager.last), std::pair(32, 50));
    EXPECT_FALSE(pager.NextShown());
    pager.PreviousPage();
    EXPECT_EQ(std::pair(pager.first, pager.last), std::pair(14, 32));
    EXPECT_TRUE(pager.NextShown());
    pager.PreviousPage();
    EXPECT_EQ(std::pair(pager.first, pager.last), std::pair(0, 18));
}

TEST(PreviewPager, SmallGroupsHaveOnePage)
{
    for (int total : {0, 5, 18}) {
        const PreviewPager pager(total);
        EXPECT_EQ(pager.last, total);
        EXPECT_FALSE(pager.PagingShown());
    }
}

} // namespace
