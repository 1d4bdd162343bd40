#pragma once

#include "form/device_context.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>

#include <optional>

class QPagedPaintDevice;
class QPainter;

namespace rekol {

// Draws through a QPainter that is active on a screen widget, a printer or a
// PDF writer. The text's top edge is turned into its baseline and right
// aligned text is measured with the device's own font metrics, so the
// coordinates the form computes stay exact integers of the device.
class PainterDevice : public DeviceContext {
public:
    // `pages` is the painter's device when it has pages (printer, PDF).
    PainterDevice(QPainter& painter, QPagedPaintDevice* pages = nullptr);

    int GetDeviceCaps(DeviceCap cap) const override;
    TextMetrics GetTextMetrics() override;

    LogFont SelectFont(const LogFont& font) override;

    void LineTo(int x, int y) override;
    void Rectangle(const Rect& rect) override;
    void TextOut(int x, int y, const QString& text) override;
    void ExtTextOut(int x, int y, unsigned options, const Rect& rect, const QString& text) override;

    bool StartDoc(const QString& documentName) override;
    bool EndDoc() override;
    bool StartPage() override;
    bool EndPage() override;

    // The Qt font a font description stands for on this device.
    static QFont ToQFont(const LogFont& font);

private:
    void DrawText(int x, int y, const QString& text);
    const QFontMetrics& Metrics();

    QPainter& painter_;
    QPagedPaintDevice* pages_;
    int dpiX_;
    int dpiY_;
    int pagesStarted_ = 0;
    // The metrics of the selected font, made when first needed.
    std::optional<QFontMetrics> metrics_;
};

} // namespace rekol
