#include "res/dialog_units.h"

namespace rekol {
namespace {

// a * b / c rounded to the nearest integer (all operands non-negative here).
int MulDiv(int a, int b, int c) { return (a * b + c / 2) / c; }

} // namespace

QRect MapDialogRect(const QRect& units, const DialogBaseUnits& base)
{
    const int left = MulDiv(units.left(), base.cx, 4);
    const int top = MulDiv(units.top(), base.cy, 8);
    const int right = MulDiv(units.left() + units.width(), base.cx, 4);
    const int bottom = MulDiv(units.top() + units.height(), base.cy, 8);
    return QRect(left, top, right - left, bottom - top);
}

} // namespace rekol
