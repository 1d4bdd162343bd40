#include "res/widgets/dialog_font.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>

namespace rekol {

QFont DialogFont(const DialogTemplate& dialog)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    // Whole pixels, as the platform sizes a dialog font: points * dpi / 72,
    // rounded.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int dpi = screen ? qRound(screen->logicalDotsPerInchY()) : 96;
    font.setPixelSize((dialog.pointSize * dpi + 36) / 72);
    return font;
}

DialogBaseUnits MeasureBaseUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int alphabet =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(alphabet / 26 + 1) / 2, metrics.height()};
}

} // namespace rekol
