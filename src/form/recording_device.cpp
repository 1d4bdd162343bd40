#include "form/recording_device.h"

#include <cstdlib>

namespace rekol {
namespace {

QByteArray Number(int value) { return QByteArray::number(value); }

QByteArray RectText(const Rect& r)
{
    return Number(r.left) + ' ' + Number(r.top) + ' ' + Number(r.right) + ' ' + Number(r.bottom);
}

QByteArray BrushName(Brush brush)
{
    switch (brush) {
    case Brush::White:
        return "white";
    case Brush::LightGray:
        return "ltgray";
    case Brush::Null:
        break;
    }
    return "null";
}

} // namespace

QByteArray QuoteTraceText(const QString& text)
{
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            out += "\\x" + QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0');
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

RecordingDevice::RecordingDevice(int dpiX, int dpiY) : dpiX_(dpiX), dpiY_(dpiY) { SelectDefaultFont(); }

RecordingDevice::RecordingDevice(DeviceContext& target) : target_(&target)
{
    DeviceContext::SelectFont(target.CurrentFont());
}

QList<QByteArray> RecordingDevice::Lines() const
{
    QList<QByteArray> lines = trace_.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

int RecordingDevice::GetDeviceCaps(DeviceCap cap) const
{
    if (target_)
        return target_->GetDeviceCaps(cap);
    return cap == DeviceCap::LogPixelsX ? dpiX_ : dpiY_;
}

TextMetrics RecordingDevice::GetTextMetrics()
{
    if (target_)
        return target_->GetTextMetrics();
    const int em = std::abs(CurrentFont().height);
    const int ascent = (em * 905 + 999) / 1000;
    const int descent = (em * 212 + 999) / 1000;
    return {ascent + descent, ascent, descent};
}

Pen RecordingDevice::SelectPen(const Pen& pen)
{
    if (target_)
        target_->SelectPen(pen);
    return DeviceContext::SelectPen(pen);
}

Brush RecordingDevice::SelectBrush(Brush brush)
{
    if (target_)
        target_->SelectBrush(brush);
    return DeviceContext::SelectBrush(brush);
}

LogFont RecordingDevice::SelectFont(const LogFont& font)
{
    if (target_)
        target_->SelectFont(font);
    return DeviceContext::SelectFont(font);
}

TextAlign RecordingDevice::SetTextAlign(TextAlign align)
{
    if (target_)
        target_->SetTextAlign(align);
    return DeviceContext::SetTextAlign(align);
}

BkMode RecordingDevice::SetBkMode(BkMode mode)
{
    if (target_)
        target_->SetBkMode(mode);
    return DeviceContext::SetBkMode(mode);
}

QRgb RecordingDevice::SetBkColor(QRgb color)
{
    if (target_)
        target_->SetBkColor(color);
    return DeviceContext::SetBkColor(color);
}

void RecordingDevice::MoveTo(int x, int y)
{
    if (target_)
        target_->MoveTo(x, y);
    DeviceContext::MoveTo(x, y);
}

void RecordingDevice::LineTo(int x, int y)
{
    if (target_)
        target_->LineTo(x, y);
    if (CurrentPen().style != PenStyle::Null) {
        trace_ += "line " + Number(x_) + ' ' + Number(y_) + ' ' + Number(x) + ' ' + Number(y) + ' ' +
                  Number(CurrentPen().width) + '\n';
    }
    x_ = x;
    y_ = y;
}

void RecordingDevice::Rectangle(const Rect& rect)
{
    if (target_)
        target_->Rectangle(rect);
    const QByteArray pen = CurrentPen().style == PenStyle::Null ? QByteArray("null") : Number(CurrentPen().width);
    trace_ += "rect " + RectText(rect) + ' ' + BrushName(CurrentBrush()) + ' ' + pen + '\n';
}

void RecordingDevice::TextOut(int x, int y, const QString& text)
{
    if (target_)
        target_->TextOut(x, y, text);
    RecordText(x, y, text, nullptr);
}

void RecordingDevice::ExtTextOut(int x, int y, unsigned options, const Rect& rect, const QString& text)
{
    if (target_)
        target_->ExtTextOut(x, y, options, rect, text);
    if (options & TextOutOpaque)
        trace_ += "fill " + RectText(rect) + '\n';
    RecordText(x, y, text, (options & TextOutClipped) ? &rect : nullptr);
}

void RecordingDevice::RecordText(int x, int y, const QString& text, const Rect* clip)
{
    if (text.isEmpty())
        return;
    const LogFont& font = CurrentFont();
    trace_ += "text " + Number(x) + ' ' + Number(y) + ' ' +
              (CurrentTextAlign() == TextAlign::Right ? "right " : "left ") + Number(font.pointTenths) + ' ' +
              (font.weight >= 600 ? "bold " : "normal ") + QuoteTraceText(text);
    if (clip)
        trace_ += " clip " + RectText(*clip);
    trace_ += '\n';
}

bool RecordingDevice::StartDoc(const QString& documentName)
{
    return target_ ? target_->StartDoc(documentName) : true;
}

bool RecordingDevice::EndDoc() { return target_ ? target_->EndDoc() : true; }

bool RecordingDevice::StartPage()
{
    trace_ += "page\n";
    return target_ ? target_->StartPage() : true;
}

bool RecordingDevice::EndPage() { return target_ ? target_->EndPage() : true; }

} // namespace rekol
