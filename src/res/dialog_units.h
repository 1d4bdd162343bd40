#pragma once

#include <QRect>

namespace rekol {

// The dialog font's base units in pixels: `cx` is its average character
// width, `cy` its height. A dialog unit is cx / 4 pixels across and cy / 8
// pixels down.
struct DialogBaseUnits {
    int cx = 0;
    int cy = 0;
};

// Converts a rectangle in dialog units to pixels, rounding each edge to the
// nearest pixel as the platform the templates were drawn for does.
QRect MapDialogRect(const QRect& units, const DialogBaseUnits& base);

} // namespace rekol
