#include "form/device_context.h"
#include "form/draw_primitives.h"

namespace rekol {

Pen StockPen(StockObject which)
{
    return which == StockObject::NullPen ? Pen{PenStyle::Null, 0} : Pen{PenStyle::Solid, 0};
}

Brush StockBrush(StockObject which)
{
    return which == StockObject::LightGrayBrush ? Brush::LightGray : Brush::Null;
}

LogFont DeviceContext::StockFont(StockObject which) const
{
    // The variable-pitch font of dialogs, and a printer's own 10-point face,
    // which is never taller than a sixth of an inch.
    LogFont font;
    if (which == StockObject::AnsiVarFont)
        MakePointFont(font, 80, QStringLiteral("MS Sans Serif"), *this);
    else
        MakePointFont(font, 100, QStringLiteral("Arial"), *this);
    return font;
}

} // namespace rekol
