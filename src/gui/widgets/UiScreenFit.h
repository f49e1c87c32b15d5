#pragma once
#include <QRect>

class QApplication;
class QWidget;

// Keeping windows within reach on screens smaller than the one a placement was made on.

// `r` moved inside `area` first, then shrunk where it is still larger (never below
// `minimum`, which the area may then cut).
QRect FitRectInto(QRect r, const QRect &area, const QSize &minimum = QSize(200, 150));
// The available area (without panels) of the screen holding the centre of `r`, else
// of the primary screen; empty without any screen.
QRect AvailableAreaFor(const QRect &r);
// Whenever `window` shows, its frame is fitted into its screen's available area (the
// frame's size is only known once it is on the screen).
void KeepWindowOnScreen(QWidget *window);
// From now on every dialog that shows is placed inside the available area of the
// screen of the window it belongs to (the main window's screen).
void KeepDialogsOnScreen(QApplication *app);
