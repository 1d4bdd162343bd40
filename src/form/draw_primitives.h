#pragma once

#include "form/device_context.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace rekol {

// A ruled table: [0] y of the top line, [1] x of the left edge, [2] row
// pitch, [3] number of rows, [4] n, the number of column lines, [5 .. 4 + n]
// x of each column line, left to right; the last one is also the frame's
// right edge. Entries after 4 + n are ignored.
using GridSpec = std::vector<std::int32_t>;

void DrawGrid(DeviceContext& dc, const GridSpec& spec);

// A check box whose bottom-right corner is (x, y), a 1/size inch square in
// device pixels, ticked when `tick` is non-zero.
void DrawCheckBox(DeviceContext& dc, int x, int y, int tick, unsigned size);

// A font of `tenths` of a point in face `face`, for device `dc`.
void MakePointFont(LogFont& font, int tenths, const QString& face, const DeviceContext& dc);

// The character set a language's fonts need; DefaultCharSet leaves a font's
// own set unchanged.
std::uint8_t LanguageCharSet(const QString& language);

// Gives the font the character set of `language` (the text of string 1198)
// and, when asked, bold weight.
void ApplyLanguageFont(LogFont& font, bool bold, const QString& language);

} // namespace rekol
