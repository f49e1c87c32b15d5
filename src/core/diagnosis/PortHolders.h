#pragma once
#include "SystemView.h"

#include <QList>
#include <QString>

// Who holds a serial port: processes with the device open (other users' processes are
// seen only by name, their open files are not readable), and the two services known to
// take fresh USB serial adapters: ModemManager, which probes them for modems, and
// brltty, which claims CH340 and CP210x adapters as Braille displays.
struct PortHolders {
    QList<ProcessEntry> holding;      // have the device open
    int modemManagerPid = 0;          // 0 when not running
    int brlttyPid = 0;
};

PortHolders FindPortHolders(const SystemView &system, const QString &device, int ownPid = 0);
