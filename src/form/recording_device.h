#pragma once

#include "form/device_context.h"

#include <QByteArray>
#include <QList>

namespace rekol {

// Records every drawing call as one line of text:
//
//   page
//   line X1 Y1 X2 Y2 W
//   text X Y ALIGN SIZE WEIGHT "TEXT"
//
// The preview also fills and clips, which the printed form never does:
//
//   rect L T R B BRUSH PEN      (a rectangle; PEN is a width or "null")
//   fill L T R B                (a rectangle in the background colour)
//   text ... clip L T R B       (text clipped to a rectangle)
//
// With a target device every call is also passed on, and the resolution and
// text metrics are the target's; without one the recorder stands for a
// device of the given resolution whose fonts have Arial's ascent and
// descent.
class RecordingDevice : public DeviceContext {
public:
    RecordingDevice(int dpiX, int dpiY);
    explicit RecordingDevice(DeviceContext& target);

    // The trace so far, one call per line, each ending in '\n'.
    const QByteArray& Trace() const { return trace_; }
    // The lines of the trace without their ends.
    QList<QByteArray> Lines() const;

    int GetDeviceCaps(DeviceCap cap) const override;
    TextMetrics GetTextMetrics() override;

    Pen SelectPen(const Pen& pen) override;
    Brush SelectBrush(Brush brush) override;
    LogFont SelectFont(const LogFont& font) override;
    TextAlign SetTextAlign(TextAlign align) override;
    BkMode SetBkMode(BkMode mode) override;
    QRgb SetBkColor(QRgb color) override;

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(const Rect& rect) override;
    void TextOut(int x, int y, const QString& text) override;
    void ExtTextOut(int x, int y, unsigned options, const Rect& rect, const QString& text) override;

    bool StartDoc(const QString& documentName) override;
    bool EndDoc() override;
    bool StartPage() override;
    bool EndPage() override;

private:
    void RecordText(int x, int y, const QString& text, const Rect* clip);

    DeviceContext* target_ = nullptr;
    int dpiX_ = 0;
    int dpiY_ = 0;
    QByteArray trace_;
};

// Quotes a text for the trace: UTF-8 between double quotes, with '"' and
// '\' escaped and control characters written as \xHH so that a call always
// stays on one line.
QByteArray QuoteTraceText(const QString& text);

} // namespace rekol
