#include "UiAppIcon.h"

#include <QPainter>
#include <QPixmap>

QIcon AppIcon()
{
    QIcon icon;
    for (int size : {16, 32, 64}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
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
        icon.addPixmap(pm);
    }
    return icon;
}
