#pragma once
#include <QString>

// Shows a note in the main window's status bar (a value stored other than typed, a
// refused delete, an undone step). An empty note leaves the status bar as it is; without
// a main window the note goes nowhere.
void ShowStatusNote(const QString &note);
// The note the status bar shows now (empty when none).
QString CurrentStatusNote();
