#pragma once
// Checks and pictures of whole windows: no caption cut off, and a picture written to
// $TARVEN_SCREENSHOT_DIR when that is set (the screenshot scripts set it).
#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QtTest>

namespace windowpictures {

// Every visible label and button shows its whole caption.
inline void checkNothingCut(QWidget *w)
{
    for (QLabel *l : w->findChildren<QLabel *>()) {
        if (l->isVisibleTo(w) && !l->text().isEmpty())
            QVERIFY2(l->width() >= l->sizeHint().width(), qPrintable(l->objectName() + ": " + l->text()));
    }
    for (QAbstractButton *b : w->findChildren<QAbstractButton *>()) {
        if (b->isVisibleTo(w) && !b->text().isEmpty())
            QVERIFY2(b->width() >= b->fontMetrics().horizontalAdvance(b->text()) + 6, qPrintable(b->objectName()));
    }
}

// Grabs the window (with its MDI frame when it has one) and saves it when asked to.
inline void save(QWidget *w, const QString &name)
{
    QWidget *frame = !w->isWindow() && w->parentWidget() ? w->parentWidget() : w;
    const QPixmap pixmap = frame->grab();
    QVERIFY(!pixmap.isNull());
    const QString dir = qEnvironmentVariable("TARVEN_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    QVERIFY(pixmap.save(dir + QLatin1Char('/') + name + QStringLiteral(".png")));
}

}   // namespace windowpictures
