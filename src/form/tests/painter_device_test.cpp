#include "form/draw_primitives.h"
#include "form/painter_device.h"

#include <QBuffer>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <gtest/gtest.h>

using namespace rekol;

namespace {

// A white 96-dpi canvas drawn through the QPainter back end.
class Canvas {
public:
    Canvas(int w = 300, int h = 120) : image(w, h, QImage::Format_RGB32)
    {
        image.fill(Qt::white);
        painter.begin(&image);
        dc.emplace(painter);
    }
    const QImage& Finish()
    {
        painter.end();
        return image;
    }
    bool Ink(int x, int y) const { return qGray(image.pixel(x, y)) < 128; }
    // The bounding box of the dark pixels.
    QRect InkBox() const
    {
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (Ink(x, y))
                    box |= QRect(x, y, 1, 1);
        return box;
    }

    QImage image;
    QPainter painter;
    std::optional<PainterDevice> dc;
};

LogFont ArialFont(const DeviceContext& dc, int tenths)
{
    LogFont font;
    MakePointFont(font, tenths, QStringLiteral("Arial"), dc);
    return font;
}

TEST(PainterDevice, ArialIsMetricCompatibleLiberationSans)
{
    Canvas canvas;
    const QFont font = PainterDevice::ToQFont(ArialFont(*canvas.dc, 100));
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(QFontInfo(font).pixelSize(), 13);
}

TEST(PainterDevice, LettersOfTurkishCentralEuropeanAndBalticNames)
{
    Canvas canvas;
    const QFontMetrics metrics(PainterDevice::ToQFont(ArialFont(*canvas.dc, 100)));
    const QString letters = QString::fromUtf8("ĞğŞşİıÇçÖöÜü ŁłŚśŹźŻżĄąĘęŃńĆć ŘřŮůŠšŽžČčĎďŤťŇňĚě ÕõÄäĀāĒēĪīŪūĻļŅņĶķĢģ");
    for (const QChar c : letters) {
        if (!c.isSpace()) {
            EXPECT_TRUE(metrics.inFont(c)) << QString(c).toStdString();
        }
    }
}

TEST(PainterDevice, TextHangsFromItsTopEdge)
{
    Canvas canvas;
    canvas.dc->SelectFont(ArialFont(*canvas.dc, 300)); // 40 pixels
    canvas.dc->SetBkMode(BkMode::Transparent);
    canvas.dc->TextOut(10, 20, QStringLiteral("H"));
    const int ascent = canvas.dc->GetTextMetrics().ascent;
    canvas.Finish();
    const QRect ink = canvas.InkBox();
    // A capital stands on the baseline, below the top edge by the space
    // above the capitals.
    EXPECT_GE(ink.top(), 20 + ascent / 8);
    EXPECT_LE(ink.top(), 20 + ascent / 3);
    EXPECT_EQ(ink.bottom() + 1, 20 + ascent);
    EXPECT_GE(ink.left(), 10);
    EXPECT_LE(ink.left(), 14);
}

TEST(PainterDevice, RightAlignedTextEndsAtX)
{
    Canvas canvas;
    canvas.dc->SelectFont(ArialFont(*canvas.dc, 300));
    canvas.dc->SetTextAlign(TextAlign::Right);
    canvas.dc->TextOut(150, 10, QStringLiteral("88"));
    canvas.Finish();
    const QRect ink = canvas.InkBox();
    EXPECT_LT(ink.right(), 150);
    EXPECT_GE(ink.right(), 150 - 5);
    EXPECT_LT(ink.left(), 150 - 30);
}

TEST(PainterDevice, OpaqueModeFillsTheTextCellTransparentDoesNot)
{
    for (const BkMode mode : {BkMode::Opaque, BkMode::Transparent}) {
        Canvas canvas;
        canvas.dc->SetBkMode(mode);
        canvas.dc->SetBkColor(qRgb(255, 0, 0));
        canvas.dc->TextOut(10, 10, QStringLiteral("x"));
        canvas.Finish();
        EXPECT_EQ(canvas.image.pixel(11, 11) == qRgb(255, 0, 0), mode == BkMode::Opaque);
    }
}

TEST(PainterDevice, LinesOnIntegerPixels)
{
    Canvas canvas;
    canvas.dc->MoveTo(5, 5);
    canvas.dc->LineTo(50, 5);
    canvas.dc->SelectPen(CreatePen(2));
    canvas.dc->MoveTo(20, 30);
    canvas.dc->LineTo(20, 60);
    canvas.Finish();
    for (int x = 5; x <= 49; ++x)
        EXPECT_TRUE(canvas.Ink(x, 5)) << x;
    EXPECT_FALSE(canvas.Ink(20, 4));
    EXPECT_FALSE(canvas.Ink(20, 6));
    int wide = 0;
    for (int x = 17; x <= 23; ++x)
        wide += canvas.Ink(x, 45) ? 1 : 0;
    EXPECT_EQ(wide, 2);
}

TEST(PainterDevice, NullPenRectangleLeavesOutRightAndBottomEdges)
{
    Canvas canvas;
    canvas.dc->SelectBrush(Brush::LightGray);
    canvas.dc->SelectPen(StockPen(StockObject::NullPen));
    canvas.dc->Rectangle(Rect{0, 0, 11, 6});
    canvas.Finish();
    EXPECT_EQ(canvas.image.pixel(9, 4), qRgb(192, 192, 192));
    EXPECT_EQ(canvas.image.pixel(10, 4), qRgb(255, 255, 255));
    EXPECT_EQ(canvas.image.pixel(9, 5), qRgb(255, 255, 255));
}

TEST(PainterDevice, ClippedTextStaysInsideItsRectangle)
{
    Canvas canvas;
    canvas.dc->SetBkMode(BkMode::Transparent);
    canvas.dc->SelectFont(ArialFont(*canvas.dc, 200));
    canvas.dc->ExtTextOut(10, 10, TextOutClipped, Rect{30, 0, 60, 120}, QStringLiteral("MMMMMMMM"));
    canvas.Finish();
    const QRect ink = canvas.InkBox();
    EXPECT_GE(ink.left(), 30);
    EXPECT_LE(ink.right(), 59);
}

TEST(PainterDevice, PdfPagesAtTheWritersResolution)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(600);
    QPainter painter(&writer);
    PainterDevice dc(painter, &writer);
    EXPECT_EQ(dc.GetDeviceCaps(DeviceCap::LogPixelsX), 600);
    EXPECT_EQ(dc.GetDeviceCaps(DeviceCap::LogPixelsY), 600);
    // The default font is a sixth of an inch tall at most.
    EXPECT_LE(dc.GetTextMetrics().height, 100);
    EXPECT_GT(dc.GetTextMetrics().height, 80);
    EXPECT_TRUE(dc.StartPage());
    dc.TextOut(600, 600, QStringLiteral("uno"));
    dc.EndPage();
    EXPECT_TRUE(dc.StartPage());
    dc.TextOut(600, 600, QStringLiteral("dos"));
    dc.EndPage();
    EXPECT_TRUE(dc.EndDoc());
    EXPECT_EQ(bytes.count("/Type /Page\n"), 2);
}

} // namespace
