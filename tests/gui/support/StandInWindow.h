#pragma once
#include <QString>

class QWidget;

// Child windows that answer the public slots other windows call by name (ValidateControls,
// SetEditDisable), registered under the name of a window that a test needs but does not
// exercise, e.g. the channel grid. They count what they receive.
void RegisterStandInWindow(const QString &name);
int StandInWindowsCreated();
int StandInValidations(const QWidget *window);     // -1 for a window that is no stand-in
