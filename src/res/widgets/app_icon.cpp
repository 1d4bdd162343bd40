#include "res/widgets/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace rekol {

QImage DrawAppIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);

    // The sheet.
    p.setPen(QPen(QColor(0x1f, 0x3b, 0x73), 1.5));
    p.setBrush(QColor(0xfb, 0xfb, 0xf4));
    p.drawRoundedRect(QRectF(5, 2, 22, 28), 2, 2);
    // Its ruled lines.
    p.setPen(QPen(QColor(0x6f, 0x8f, 0xc7), 1.5));
    for (int y = 9; y <= 24; y += 5)
        p.drawLine(QPointF(9, y), QPointF(17, y));
    // The tick of a report received.
    QPainterPath tick;
    tick.moveTo(15, 20);
    tick.lineTo(20, 26);
    tick.lineTo(30, 12);
    p.setPen(QPen(QColor(0x1e, 0x8c, 0x3a), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
    return image;
}

QIcon AppIcon()
{
    QIcon icon;
    for (int size : {16, 32})
        icon.addPixmap(QPixmap::fromImage(DrawAppIcon(size)));
    return icon;
}

} // namespace rekol
