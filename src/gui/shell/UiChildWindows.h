#pragma once
#include <QList>
#include <QString>
#include <functional>

class QMdiArea;
class QWidget;

// Child windows of the main window, found by their control name (objectName).
// Windows are created by name through factories registered at start-up.
using WindowFactory = std::function<QWidget *()>;
void RegisterWindowFactory(const QString &name, WindowFactory factory);
bool HasWindowFactory(const QString &name);

void SetMdiArea(QMdiArea *area);          // the main window's client area
QMdiArea *MdiArea();

// Loaded windows with that name: MDI children and top-level windows alike.
QList<QWidget *> LoadedWindows(const QString &name);
QWidget *LoadedWindow(const QString &name);   // the first, or nullptr

// Focuses a loaded window of that name, or creates it, shows it modeless in the MDI
// area and arranges the children in cascade. Returns the window.
QWidget *ShowChild(const QString &name);
// Arranges the child windows in cascade, each at its preferred size (within the area).
void CascadeChildWindows();
// Closes and deletes every loaded window with that name.
void UnloadByName(const QString &name);
// Closes a window's MDI frame with it (as the frame's close box does); a window
// without a frame just closes.
void CloseChildFrame(QWidget *window);
// Closes every child window of the MDI area.
void CloseAllChildWindows();
// Calls a public method of every loaded window of that name (no-op when none).
void CallOnLoaded(const QString &name, const char *method);
