#pragma once
#include <QString>
#include <QStringList>

// Finds the cable by watching the device list while the user unplugs it and plugs it in
// again: each look is compared with the one before, and the first device that appears
// (one that was not there the look before) is the cable. A cable that was not plugged in
// at the start is found as soon as it is plugged in.
class PortFinder {
public:
    explicit PortFinder(const QStringList &present) : last_(present) {}
    // The next look at the devices present; returns the device that appeared, if any.
    QString look(const QStringList &present);
    QString found() const { return found_; }

private:
    QStringList last_;
    QString found_;
};

// The paths of the serial devices present now, by-id names where they have one.
QStringList PresentSerialPaths();
