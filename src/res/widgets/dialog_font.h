#pragma once

#include "res/dialog_template.h"
#include "res/dialog_units.h"

#include <QFont>

namespace rekol {

// The font a template's dialog is drawn in. The templates name a Windows
// bitmap face; Liberation Sans (the metric twin of Arial) stands in for it at
// the template's size in whole pixels, DejaVu Sans where Liberation is
// missing.
QFont DialogFont(const DialogTemplate& dialog);

// The base units of `font`, measured the way the platform measures them:
// the width of the 52 letters of the alphabet over 52, rounded, and the
// font's height.
DialogBaseUnits MeasureBaseUnits(const QFont& font);

} // namespace rekol
