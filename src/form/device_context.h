#pragma once

#include <QRgb>
#include <QString>

#include <cstdint>
#include <utility>

// The drawing interface of the collection form: integer device pixels, x to
// the right, y downward, a resolution per direction, and the small set of
// operations the printed form and the preview draw with. Pens, brushes and
// fonts are plain values: selecting one returns the one it replaces, so a
// routine puts back what it found.
namespace rekol {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0; // exclusive
    int bottom = 0; // exclusive
};

enum class DeviceCap { LogPixelsX, LogPixelsY };

enum class PenStyle { Solid, Null };

// A black pen; width 0 is the thinnest line the device can draw.
struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 0;
    friend bool operator==(const Pen&, const Pen&) = default;
};

inline Pen CreatePen(int width) { return Pen{PenStyle::Solid, width}; }

enum class Brush { White, LightGray, Null };

enum CharSet : std::uint8_t {
    DefaultCharSet = 1,
    TurkishCharSet = 162,
    BalticCharSet = 186,
    EastEuropeCharSet = 238,
};

enum FontWeight : int {
    FontWeightDontCare = 0, // the face's normal weight
    FontWeightNormal = 400,
    FontWeightBold = 700,
};

// A font description. A negative height asks for that character (em)
// height in pixels; `pointTenths` keeps the size the font was asked for.
struct LogFont {
    int height = 0;
    int weight = FontWeightDontCare;
    std::uint8_t charSet = DefaultCharSet;
    QString faceName;
    int pointTenths = 0;
    friend bool operator==(const LogFont&, const LogFont&) = default;
};

enum class StockObject { NullBrush, LightGrayBrush, NullPen, BlackPen, AnsiVarFont, DeviceDefaultFont };

Pen StockPen(StockObject which);
Brush StockBrush(StockObject which);

enum class TextAlign { Left, Right }; // the vertical reference is always the top of the text
enum class BkMode { Transparent, Opaque };

// Options of ExtTextOut.
enum TextOutOption : unsigned {
    TextOutOpaque = 2,  // fill the rectangle with the background colour
    TextOutClipped = 4, // clip the text to the rectangle
};

struct TextMetrics {
    int height = 0; // ascent + descent
    int ascent = 0;
    int descent = 0;
};

// A drawing device. The base keeps the selected objects and attributes;
// back ends draw with them.
class DeviceContext {
public:
    virtual ~DeviceContext() = default;

    virtual int GetDeviceCaps(DeviceCap cap) const = 0;
    // Metrics of the selected font.
    virtual TextMetrics GetTextMetrics() = 0;

    virtual Pen SelectPen(const Pen& pen) { return std::exchange(pen_, pen); }
    virtual Brush SelectBrush(Brush brush) { return std::exchange(brush_, brush); }
    virtual LogFont SelectFont(const LogFont& font) { return std::exchange(font_, font); }
    virtual TextAlign SetTextAlign(TextAlign align) { return std::exchange(align_, align); }
    virtual BkMode SetBkMode(BkMode mode) { return std::exchange(bkMode_, mode); }
    virtual QRgb SetBkColor(QRgb color) { return std::exchange(bkColor_, color); }
    QRgb GetBkColor() const { return bkColor_; }

    virtual void MoveTo(int x, int y)
    {
        x_ = x;
        y_ = y;
    }
    // A line from the current position to (x, y), which becomes the current
    // position; drawn with the selected pen.
    virtual void LineTo(int x, int y) = 0;
    // Filled with the selected brush and outlined with the selected pen; a
    // null pen leaves out the right and bottom edge.
    virtual void Rectangle(const Rect& rect) = 0;
    // Text with its top edge at y and its left or right edge at x.
    virtual void TextOut(int x, int y, const QString& text) = 0;
    virtual void ExtTextOut(int x, int y, unsigned options, const Rect& rect, const QString& text) = 0;

    virtual bool StartDoc(const QString& documentName) = 0;
    virtual bool EndDoc() = 0;
    virtual bool StartPage() = 0;
    virtual bool EndPage() = 0;

    // A stock font made for this device's resolution.
    LogFont StockFont(StockObject which) const;

    const Pen& CurrentPen() const { return pen_; }
    Brush CurrentBrush() const { return brush_; }
    const LogFont& CurrentFont() const { return font_; }
    TextAlign CurrentTextAlign() const { return align_; }
    BkMode CurrentBkMode() const { return bkMode_; }

protected:
    // Back ends call this once their resolution is known: a new device
    // starts with its default font selected.
    void SelectDefaultFont() { font_ = StockFont(StockObject::DeviceDefaultFont); }

    int x_ = 0;
    int y_ = 0;

private:
    Pen pen_{PenStyle::Solid, 0};
    Brush brush_ = Brush::White;
    LogFont font_;
    TextAlign align_ = TextAlign::Left;
    BkMode bkMode_ = BkMode::Opaque;
    QRgb bkColor_ = 0xFFFFFFFF;
};

} // namespace rekol
