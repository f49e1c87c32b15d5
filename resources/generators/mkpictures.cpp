// Draws the pictures of the program directory: the splash pictures StartE.jpg (English)
// and StartC.jpg (Chinese), and the background tiles PIC/BK_1.jpg and PIC/BK_2.jpg.
//
//   tarven-mkpictures PROGRAM_DIR
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>

namespace {
constexpr int kSplashWidth = 480;
constexpr int kSplashHeight = 300;
// The tile repeats every kTile pixels; the picture has one extra pixel on each side,
// which the main window leaves out when it tiles.
constexpr int kTile = 96;

QFont font(const QString &family, double points, bool bold)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// Concentric arcs spreading from an antenna: the radio waves of the splash.
void drawWaves(QPainter &p, QPointF origin)
{
    p.save();
    for (int i = 1; i <= 5; ++i) {
        QColor c(255, 255, 255, 120 - i * 18);
        p.setPen(QPen(c, 3.0, Qt::SolidLine, Qt::RoundCap));
        const double r = 22.0 * i;
        p.drawArc(QRectF(origin.x() - r, origin.y() - r, 2 * r, 2 * r), -40 * 16, 80 * 16);
    }
    p.restore();
}

// A hand-held radio in outline: body, antenna, display and keypad.
void drawRadio(QPainter &p, QPointF at)
{
    p.save();
    p.translate(at);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(220, 230, 245), 2.5));
    p.setBrush(QColor(30, 45, 70));
    p.drawRoundedRect(QRectF(0, 40, 70, 140), 12, 12);
    p.drawRoundedRect(QRectF(12, 0, 10, 44), 4, 4);
    p.setBrush(QColor(120, 200, 160));
    p.drawRoundedRect(QRectF(10, 56, 50, 26), 3, 3);
    p.setBrush(QColor(200, 210, 225));
    p.setPen(Qt::NoPen);
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 3; ++c)
            p.drawRoundedRect(QRectF(12 + c * 17, 94 + r * 19, 12, 12), 2, 2);
    }
    p.restore();
    drawWaves(p, at + QPointF(17, 2));
}

QImage splash(const QString &subtitle, const QString &subtitleFamily)
{
    QImage img(kSplashWidth, kSplashHeight, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient sky(0, 0, kSplashWidth, kSplashHeight);
    sky.setColorAt(0.0, QColor(18, 40, 78));
    sky.setColorAt(1.0, QColor(8, 90, 120));
    p.fillRect(img.rect(), sky);
    QRadialGradient glow(QPointF(360, 90), 220);
    glow.setColorAt(0.0, QColor(255, 255, 255, 50));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(img.rect(), glow);

    drawRadio(p, QPointF(360, 70));

    p.setPen(Qt::white);
    p.setFont(font(QStringLiteral("DejaVu Sans"), 34, true));
    p.drawText(QRectF(32, 70, 320, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("TARVEN II"));
    p.setPen(QColor(200, 225, 245));
    p.setFont(font(subtitleFamily, 13, false));
    p.drawText(QRectF(34, 132, 300, 60), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, subtitle);
    p.setPen(QColor(150, 185, 215));
    p.setFont(font(QStringLiteral("DejaVu Sans"), 9, false));
    p.drawText(QRectF(34, 250, 300, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("27 MHz CB  \u00b7  10 m  \u00b7  V1.00"));
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.drawLine(QPointF(34, 240), QPointF(330, 240));
    return img;
}

// A quiet pattern of thin wave lines that repeats seamlessly every kTile pixels.
QImage tile(QColor base, QColor line)
{
    QImage inner(kTile, kTile, QImage::Format_RGB32);
    inner.fill(base);
    QPainter p(&inner);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(line, 1.2));
    for (int row = 0; row < 4; ++row) {
        QPainterPath path;
        const double y0 = row * kTile / 4.0 + kTile / 8.0;
        // Drawn a little past both edges so no line end shows where the tiles meet.
        path.moveTo(-4, y0 + 3.0 * std::sin(2 * M_PI * -4 / kTile + row * M_PI / 2));
        for (int x = -3; x <= kTile + 4; ++x)
            path.lineTo(x, y0 + 3.0 * std::sin(2 * M_PI * x / kTile + row * M_PI / 2));
        p.drawPath(path);
    }
    p.end();
    // One pixel of border all round, copied from the opposite edges.
    QImage img(kTile + 2, kTile + 2, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, inner.pixel((x - 1 + kTile) % kTile, (y - 1 + kTile) % kTile));
    }
    return img;
}

bool save(const QImage &img, const QString &path)
{
    if (!img.save(path, "JPG", 92)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}
}

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tarven-mkpictures PROGRAM_DIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir + QStringLiteral("/PIC"));
    bool ok = save(splash(QStringLiteral("Programming software for the CB and 10 m two-way radio"), QStringLiteral("DejaVu Sans")),
                   dir + QStringLiteral("/StartE.jpg"));
    ok = save(splash(QStringLiteral("CB / 10 米波段对讲机写频软件"), QStringLiteral("Noto Sans CJK SC")),
              dir + QStringLiteral("/StartC.jpg")) && ok;
    ok = save(tile(QColor(226, 232, 240), QColor(208, 217, 229)), dir + QStringLiteral("/PIC/BK_1.jpg")) && ok;
    ok = save(tile(QColor(232, 230, 222), QColor(216, 212, 200)), dir + QStringLiteral("/PIC/BK_2.jpg")) && ok;
    return ok ? 0 : 1;
}
