#include "UiStatusNote.h"

#include <QApplication>
#include <QMainWindow>
#include <QStatusBar>

namespace {
constexpr int kNoteMs = 30000;   // long enough to read twice

QMainWindow *mainWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("frmMain"))
            return qobject_cast<QMainWindow *>(w);
    }
    return nullptr;
}
}

void ShowStatusNote(const QString &note)
{
    if (note.isEmpty())
        return;
    if (QMainWindow *w = mainWindow())
        w->statusBar()->showMessage(note, kNoteMs);
}

QString CurrentStatusNote()
{
    QMainWindow *w = mainWindow();
    return w ? w->statusBar()->currentMessage() : QString();
}
