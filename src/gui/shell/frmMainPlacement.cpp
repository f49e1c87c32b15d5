// Window placement of the main window, kept in the per-user settings store under the
// application title, group "Settings", in twips (15 twips to a pixel).
#include "frmMain.h"

#include "UiScreenFit.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSettings>

namespace {
constexpr int kTwipsPerPixel = 15;
constexpr int kDefaultLeft = 1000;
constexpr int kDefaultTop = 1000;
constexpr int kDefaultWidth = 12500;
constexpr int kDefaultHeight = 9500;

QSettings placementStore()
{
    return QSettings(QStringLiteral("tarven"), QCoreApplication::applicationName());
}

int twipsValue(const QSettings &s, const char *key, int fallback)
{
    bool ok = false;
    const int v = s.value(QString::fromLatin1(key)).toString().toInt(&ok);
    return ok ? v : fallback;
}
}

void frmMain::restorePlacement()
{
    QSettings s = placementStore();
    s.beginGroup(QStringLiteral("Settings"));
    QRect r(twipsValue(s, "MainLeft", kDefaultLeft) / kTwipsPerPixel, twipsValue(s, "MainTop", kDefaultTop) / kTwipsPerPixel,
            twipsValue(s, "MainWidth", kDefaultWidth) / kTwipsPerPixel, twipsValue(s, "MainHeight", kDefaultHeight) / kTwipsPerPixel);
    // A placement made on a larger screen (or another screen layout) is fitted to the
    // screen the window opens on: moved inside it, then shrunk where it is still larger.
    r = FitRectInto(r, AvailableAreaFor(r));
    KeepWindowOnScreen(this);
    resize(r.size());
    move(r.topLeft());
}

void frmMain::storePlacement()
{
    // A window closed while minimised keeps the placement it had before.
    if (isMinimized())
        return;
    QSettings s = placementStore();
    s.beginGroup(QStringLiteral("Settings"));
    s.setValue(QStringLiteral("MainLeft"), QString::number(x() * kTwipsPerPixel));
    s.setValue(QStringLiteral("MainTop"), QString::number(y() * kTwipsPerPixel));
    s.setValue(QStringLiteral("MainWidth"), QString::number(width() * kTwipsPerPixel));
    s.setValue(QStringLiteral("MainHeight"), QString::number(height() * kTwipsPerPixel));
    s.endGroup();
    s.sync();
}
