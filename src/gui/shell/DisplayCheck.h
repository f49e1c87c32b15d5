#pragma once
#include <QString>

// Whether the desktop program has somewhere to show its window. Qt ends the process
// with an abort and a long plea when its platform cannot connect; asked first, the
// program can say so in one line and end with status 1 instead. A platform named in
// QT_QPA_PLATFORM other than xcb or wayland (offscreen, vnc, ...) needs no display.
bool DisplayAvailable();
QString NoDisplayLine();
