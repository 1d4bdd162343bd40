#include "form/draw_primitives.h"
#include "form/recording_device.h"

#include <gtest/gtest.h>

using namespace rekol;

namespace {

QList<QByteArray> Lines(const RecordingDevice& dc) { return dc.Lines(); }

TEST(DrawGrid, OneRowDrawsFrameAndColumnsOnly)
{
    RecordingDevice dc(96, 96);
    DrawGrid(dc, {140, 44, 24, 1, 2, 236, 737});
    EXPECT_EQ(Lines(dc), (QList<QByteArray>{
                             "line 44 140 44 164 2",
                             "line 44 164 737 164 2",
                             "line 737 164 737 140 2",
                             "line 737 140 44 140 2",
                             "line 236 140 236 164 2",
                             // the last column line is the frame's right edge, drawn again
                             "line 737 140 737 164 2",
                         }));
}

TEST(DrawGrid, InnerLinesOnePitchApartAndExtraEntriesIgnored)
{
    RecordingDevice dc(96, 96);
    DrawGrid(dc, {10, 0, 5, 3, 1, 50, 999, 999});
    const QList<QByteArray> lines = Lines(dc);
    ASSERT_EQ(lines.size(), 4 + 2 + 1);
    EXPECT_EQ(lines[4], "line 0 15 50 15 2");
    EXPECT_EQ(lines[5], "line 0 20 50 20 2");
    EXPECT_EQ(lines[6], "line 50 10 50 25 2");
}

TEST(DrawGrid, PutsBackThePenItFound)
{
    RecordingDevice dc(96, 96);
    dc.SelectPen(CreatePen(7));
    DrawGrid(dc, {0, 0, 1, 1, 1, 10});
    EXPECT_EQ(dc.CurrentPen(), CreatePen(7));
}

TEST(DrawCheckBox, ScreenSizeNineAt96Dpi)
{
    RecordingDevice dc(96, 96);
    DrawCheckBox(dc, 100, 50, 1, 9);
    EXPECT_EQ(Lines(dc), (QList<QByteArray>{
                             "line 100 50 90 50 0",
                             "line 90 50 90 40 0",
                             "line 90 40 100 40 0",
                             "line 100 40 100 50 0",
                             "line 92 45 95 49 2",
                             "line 95 49 98 42 2",
                         }));
}

TEST(DrawCheckBox, PrinterSizeSevenAt600DpiWithoutTick)
{
    RecordingDevice dc(600, 600);
    DrawCheckBox(dc, 1000, 1000, 0, 7);
    EXPECT_EQ(Lines(dc), (QList<QByteArray>{
                             "line 1000 1000 915 1000 5",
                             "line 915 1000 915 915 5",
                             "line 915 915 1000 915 5",
                             "line 1000 915 1000 1000 5",
                         }));
}

TEST(DrawCheckBox, TickAt600Dpi)
{
    RecordingDevice dc(600, 600);
    DrawCheckBox(dc, 1000, 1000, 1, 7);
    const QList<QByteArray> lines = Lines(dc);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[4], "line 932 958 958 988 13");
    EXPECT_EQ(lines[5], "line 958 988 985 930 13");
}

TEST(DrawCheckBox, PenWidthsFollowHorizontalResolution)
{
    RecordingDevice dc(120, 120);
    const Pen before = dc.CurrentPen();
    DrawCheckBox(dc, 50, 50, 1, 9);
    const QList<QByteArray> lines = Lines(dc);
    EXPECT_TRUE(lines.first().endsWith(" 1"));
    EXPECT_TRUE(lines.last().endsWith(" 2"));
    EXPECT_EQ(dc.CurrentPen(), before);
}

TEST(DrawCheckBox, UnequalResolutionsGiveARectangle)
{
    RecordingDevice dc(300, 600);
    DrawCheckBox(dc, 500, 500, 0, 7);
    EXPECT_EQ(Lines(dc)[0], "line 500 500 458 500 2");
    EXPECT_EQ(Lines(dc)[1], "line 458 500 458 415 2");
}

TEST(MakePointFont, HeightIsNegativePixelsOfTheVerticalResolution)
{
    struct Case {
        int dpiY, tenths, height;
    };
    for (const Case c : {Case{96, 100, -13}, Case{96, 80, -10}, Case{96, 140, -18}, Case{600, 100, -83},
                         Case{600, 120, -100}}) {
        RecordingDevice dc(72, c.dpiY);
        LogFont font;
        font.weight = FontWeightBold;
        MakePointFont(font, c.tenths, QStringLiteral("Arial"), dc);
        EXPECT_EQ(font.height, c.height) << c.dpiY << " " << c.tenths;
        EXPECT_EQ(font.weight, FontWeightDontCare);
        EXPECT_EQ(font.charSet, DefaultCharSet);
        EXPECT_EQ(font.pointTenths, c.tenths);
        EXPECT_EQ(font.faceName, QStringLiteral("Arial"));
    }
}

TEST(MakePointFont, FaceNameKeepsAtMost31Characters)
{
    RecordingDevice dc(96, 96);
    LogFont font;
    MakePointFont(font, 100, QString(40, QLatin1Char('x')), dc);
    EXPECT_EQ(font.faceName.size(), 31);
}

TEST(ApplyLanguageFont, CharacterSetByExactLanguageName)
{
    struct Case {
        const char* language;
        std::uint8_t charSet;
    };
    for (const Case c : {Case{"esp", DefaultCharSet}, Case{"Turkish", TurkishCharSet},
                         Case{"turkish", DefaultCharSet}, Case{"Polish", EastEuropeCharSet},
                         Case{"cz", EastEuropeCharSet}, Case{"sk", EastEuropeCharSet},
                         Case{"estonian", BalticCharSet}, Case{"Estonian", DefaultCharSet},
                         Case{"greek", DefaultCharSet}}) {
        LogFont font;
        font.charSet = DefaultCharSet;
        ApplyLanguageFont(font, false, QString::fromLatin1(c.language));
        EXPECT_EQ(font.charSet, c.charSet) << c.language;
        EXPECT_EQ(font.weight, FontWeightDontCare) << c.language;
    }
}

TEST(ApplyLanguageFont, BoldOnlyChangesWeightForSpanish)
{
    RecordingDevice dc(96, 96);
    LogFont font;
    MakePointFont(font, 140, QStringLiteral("Arial"), dc);
    LogFont expected = font;
    expected.weight = FontWeightBold;
    ApplyLanguageFont(font, true, QStringLiteral("esp"));
    EXPECT_EQ(font, expected);
}

TEST(RecordingDevice, TextLinesQuoteAndSkipEmptyText)
{
    RecordingDevice dc(96, 96);
    LogFont font;
    MakePointFont(font, 120, QStringLiteral("Arial"), dc);
    ApplyLanguageFont(font, true, QStringLiteral("esp"));
    dc.SelectFont(font);
    dc.SetTextAlign(TextAlign::Right);
    dc.TextOut(5, 6, QString::fromUtf8("a\"b\\c ñ\n"));
    dc.TextOut(1, 1, QString());
    EXPECT_EQ(dc.Trace(), QByteArray("text 5 6 right 120 bold \"a\\\"b\\\\c \xC3\xB1\\x0a\"\n"));
}

TEST(RecordingDevice, NullPenDrawsNothing)
{
    RecordingDevice dc(96, 96);
    dc.SelectPen(StockPen(StockObject::NullPen));
    dc.MoveTo(0, 0);
    dc.LineTo(10, 10);
    dc.SelectPen(StockPen(StockObject::BlackPen));
    dc.LineTo(20, 10);
    EXPECT_EQ(dc.Trace(), QByteArray("line 10 10 20 10 0\n"));
}

} // namespace
