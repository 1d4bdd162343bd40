#pragma once

#include <QIcon>
#include <QImage>

namespace rekol {

// The application icon (a report sheet with a tick), drawn at `size` pixels.
QImage DrawAppIcon(int size);

// The icon of the About box, the main window and the desktop entry, with its
// 16 and 32 pixel images.
QIcon AppIcon();

} // namespace rekol
