#pragma once
#include "SystemView.h"

#include <QJsonObject>
#include <QList>
#include <QString>

// The serial devices of the machine as the kernel's device tree describes them: every
// /sys/class/tty entry backed by hardware (a serial port of the machine without a UART
// behind it is left out), with its /dev/serial/by-id name, the driver, the USB ids and
// strings of the adapter, the chip they mean, and the device file's access.
struct SurveyedDevice {
    QString path;           // /dev/ttyUSB0
    QString byId;           // /dev/serial/by-id/usb-..., empty without one
    QString driver;         // "ch341-uart", "cp210x", "ftdi_sio", "pl2303", "cdc_acm", "serial8250"
    int vendorId = -1;      // USB ids; -1 for a device that is not on USB
    int productId = -1;
    int revision = -1;      // bcdDevice
    QString manufacturer;
    QString product;
    QString serial;
    QString chip;           // from the ids, empty when unknown
    bool programmingCable = false;   // ids of an adapter used in programming cables
    FileAccess access;

    bool isUsb() const { return vendorId >= 0; }
    QString usbIds() const;          // "1a86:7523", empty when not on USB
    QJsonObject toJson() const;
};

QList<SurveyedDevice> SurveySerialDevices(const SystemView &system);
// The device a path names: one of the surveyed devices (by its path, its by-id link or
// the file either resolves to), or, for a device the tree does not list (a
// pseudo-terminal, a link), a record with the path and its access only.
SurveyedDevice SurveyDevice(const SystemView &system, const QString &path, const QList<SurveyedDevice> &surveyed);
