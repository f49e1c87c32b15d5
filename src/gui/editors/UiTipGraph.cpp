#include "UiTipGraph.h"

#include "RadioImage.h"
#include "TipGraph.h"

#include <QPainter>

namespace {
constexpr int kUnitsPerPixel = 15;
}

void DrawTip(int n, QPainter &painter, const QSize &pixels)
{
    if (n < 1 || n > kToneTips)
        return;
    const QList<TipBar> bars = TipGraphBars(Image().header.tips[n - 1], pixels.width() * kUnitsPerPixel,
                                            pixels.height() * kUnitsPerPixel);
    painter.save();
    painter.scale(1.0 / kUnitsPerPixel, 1.0 / kUnitsPerPixel);
    painter.setPen(Qt::NoPen);
    for (const TipBar &bar : bars)
        painter.fillRect(bar.box, bar.odd ? QColor(255, 0, 0) : QColor(0, 0, 255));
    painter.restore();
}

TipPicture::TipPicture(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1(0)"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setMinimumSize(240, 90);
}

void TipPicture::setTip(int n)
{
    tip_ = n;
    update();
}

void TipPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    DrawTip(tip_, painter, size());
}
