#include "form/painter_device.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

#include <cstdlib>

namespace rekol {
namespace {

QColor BrushColor(Brush brush) { return brush == Brush::LightGray ? QColor(192, 192, 192) : QColor(Qt::white); }

QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

} // namespace

PainterDevice::PainterDevice(QPainter& painter, QPagedPaintDevice* pages)
    : painter_(painter),
      pages_(pages),
      dpiX_(painter.device()->logicalDpiX()),
      dpiY_(painter.device()->logicalDpiY())
{
    SelectDefaultFont();
    painter_.setFont(ToQFont(CurrentFont()));
}

QFont PainterDevice::ToQFont(const LogFont& font)
{
    // Qt's fonts are Unicode: the texts arrive decoded from the language's
    // code page, so the character set needs no counterpart here.
    QFont f(font.faceName);
    f.setPixelSize(std::max(1, std::abs(font.height)));
    f.setWeight(font.weight == FontWeightDontCare ? QFont::Normal : static_cast<QFont::Weight>(font.weight));
    return f;
}

int PainterDevice::GetDeviceCaps(DeviceCap cap) const { return cap == DeviceCap::LogPixelsX ? dpiX_ : dpiY_; }

const QFontMetrics& PainterDevice::Metrics()
{
    if (!metrics_)
        metrics_.emplace(painter_.font(), painter_.device());
    return *metrics_;
}

TextMetrics PainterDevice::GetTextMetrics()
{
    const QFontMetrics& fm = Metrics();
    return {fm.ascent() + fm.descent(), fm.ascent(), fm.descent()};
}

LogFont PainterDevice::SelectFont(const LogFont& font)
{
    if (!(font == CurrentFont())) {
        painter_.setFont(ToQFont(font));
        metrics_.reset();
    }
    return DeviceContext::SelectFont(font);
}

void PainterDevice::LineTo(int x, int y)
{
    const Pen& pen = CurrentPen();
    if (pen.style != PenStyle::Null) {
        QPen qpen(Qt::black, pen.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        qpen.setCosmetic(pen.width == 0);
        painter_.setPen(qpen);
        painter_.drawLine(x_, y_, x, y);
    }
    x_ = x;
    y_ = y;
}

void PainterDevice::Rectangle(const Rect& rect)
{
    // The right and bottom edges lie outside, as for every rectangle the
    // form draws.
    const QRect inner(rect.left, rect.top, rect.right - rect.left - 1, rect.bottom - rect.top - 1);
    if (CurrentBrush() != Brush::Null)
        painter_.fillRect(inner, BrushColor(CurrentBrush()));
    if (CurrentPen().style != PenStyle::Null) {
        QPen qpen(Qt::black, CurrentPen().width);
        qpen.setCosmetic(CurrentPen().width == 0);
        painter_.setPen(qpen);
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(inner.adjusted(0, 0, -1, -1));
    }
}

void PainterDevice::DrawText(int x, int y, const QString& text)
{
    const QFontMetrics& fm = Metrics();
    const int left = CurrentTextAlign() == TextAlign::Right ? x - fm.horizontalAdvance(text) : x;
    if (CurrentBkMode() == BkMode::Opaque)
        painter_.fillRect(QRect(left, y, fm.horizontalAdvance(text), fm.height()), QColor::fromRgb(GetBkColor()));
    painter_.setPen(Qt::black);
    painter_.drawText(left, y + fm.ascent(), text);
}

void PainterDevice::TextOut(int x, int y, const QString& text)
{
    if (!text.isEmpty())
        DrawText(x, y, text);
}

void PainterDevice::ExtTextOut(int x, int y, unsigned options, const Rect& rect, const QString& text)
{
    if (options & TextOutOpaque)
        painter_.fillRect(ToQRect(rect), QColor::fromRgb(GetBkColor()));
    if (text.isEmpty())
        return;
    if (options & TextOutClipped) {
        painter_.save();
        painter_.setClipRect(ToQRect(rect), Qt::IntersectClip);
        DrawText(x, y, text);
        painter_.restore();
    } else {
        DrawText(x, y, text);
    }
}

bool PainterDevice::StartDoc(const QString&) { return painter_.isActive(); }

bool PainterDevice::EndDoc() { return painter_.end(); }

bool PainterDevice::StartPage()
{
    // The painter's device opens on its first page.
    if (pagesStarted_++ == 0 || !pages_)
        return painter_.isActive();
    return pages_->newPage();
}

bool PainterDevice::EndPage() { return painter_.isActive(); }

} // namespace rekol
