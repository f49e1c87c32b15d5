// Writes the program's icon into a hicolor icon theme tree for installation:
//   mkicons DIR   ->   DIR/hicolor/<n>x<n>/apps/tarven.png for the usual sizes
#include "UiAppIcon.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: mkicons DIR\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/hicolor");
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString dir = root + QStringLiteral("/%1x%1/apps").arg(size);
        if (!QDir().mkpath(dir) || !AppIconImage(size).save(dir + QStringLiteral("/tarven.png"))) {
            std::fprintf(stderr, "mkicons: cannot write %s\n", qPrintable(dir));
            return 1;
        }
    }
    return 0;
}
