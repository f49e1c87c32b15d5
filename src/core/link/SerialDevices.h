#pragma once
#include <QJsonObject>
#include <QList>
#include <QString>
#include <functional>

// The serial devices present on this machine and what the system knows about each.
//
// The list comes from QSerialPortInfo, completed with the stable /dev/serial/by-id links
// that udev makes for USB adapters and with Bluetooth serial devices (/dev/rfcomm*).
// Tests, and a user diagnosing a setup, can replace it: SetSerialDeviceLister in code,
// or the environment variable TARVEN_PORT_LIST naming a JSON file in the form that
// `tarven-cli ports --json` prints.
struct SerialDevice {
    QString device;          // /dev/ttyUSB0
    QString byId;            // /dev/serial/by-id/usb-..., empty when the device has none
    QString description;     // "FT232R USB UART"
    QString manufacturer;
    QString serialNumber;
    int vendorId = -1;       // USB ids, -1 when unknown
    int productId = -1;

    bool isUsb() const;
    // The path to remember the device by: its by-id link when it has one.
    QString stablePath() const { return byId.isEmpty() ? device : byId; }
    // "FT232R USB UART, FTDI, serial A1B2C3, USB 0403:6001"; empty when nothing is known.
    QString details() const;
    QJsonObject toJson() const;
    static SerialDevice fromJson(const QJsonObject &o);
};

QList<SerialDevice> SerialDevicesPresent();
// The present device a path names (the device itself or one of its links); device empty if none.
SerialDevice FindSerialDevice(const QString &path, const QList<SerialDevice> &present);

using SerialDeviceLister = std::function<QList<SerialDevice>()>;
void SetSerialDeviceLister(SerialDeviceLister lister);   // empty: the system's list again

// `--port auto`: the only USB serial device present, by its stable path. With none or
// several, returns false and a message naming the candidates in *error.
bool ResolveAutoPort(QString *device, QString *error);
