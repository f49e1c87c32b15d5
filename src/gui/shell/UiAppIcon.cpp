#include "UiAppIcon.h"

#include <QPainter>
#include <QPixmap>

QImage AppIconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(18, 60, 110));
    p.drawRoundedRect(QRectF(18, 16, 30, 46), 6, 6);
    p.drawRoundedRect(QRectF(22, 2, 6, 18), 3, 3);
    p.setBrush(QColor(120, 200, 160));
    p.drawRoundedRect(QRectF(23, 22, 20, 12), 2, 2);
    p.setBrush(QColor(210, 220, 235));
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c)
            p.drawRect(QRectF(23 + c * 7, 39 + r * 7, 5, 5));
    }
    p.end();
    return image;
}

QIcon AppIcon()
{
    QIcon icon;
    for (int size : {16, 32, 64})
        icon.addPixmap(QPixmap::fromImage(AppIconImage(size)));
    return icon;
}
