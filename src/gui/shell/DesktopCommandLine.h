#pragma once
#include <QString>
#include <QStringList>

// The command line of the desktop program:
//
//   tarven [--demo] [--port DEVICE|auto] [FILE.dat] | --help | --version
//
// It is read before any window system connection is made, so `tarven --help` and
// `tarven --version` work without a display.
struct DesktopCommandLine {
    bool finished = false;   // help, version or bad usage: end with `status`
    int status = 0;
    bool demo = false;
    QString port;            // empty: the chosen COM number
    QString startFile;       // absolute path of FILE.dat, opened once the main window shows
};

DesktopCommandLine ParseDesktopCommandLine(const QStringList &arguments);
