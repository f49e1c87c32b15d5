#pragma once
#include "SerialDevices.h"
#include "SystemView.h"

#include <QSerialPort>
#include <QString>
#include <QVector>

class MSComm1;

// COM numbers 1..16 and the devices behind them.
//
// The rule gives every kind of device fixed numbers, so a cable keeps its COM number
// whatever else is plugged in or out:
//
//   COM1  .. COM4    /dev/ttyS0   .. /dev/ttyS3     serial ports of the machine
//   COM5  .. COM12   /dev/ttyUSB0 .. /dev/ttyUSB7   USB serial adapters (most cables)
//   COM13 .. COM16   /dev/ttyACM0 .. /dev/ttyACM3   USB modem-class adapters
//
// Two kinds of pinning override the rule:
//   - a line "COM<n>=/dev/..." in section [ports] of mysetup.ini gives COM n that device
//     (for adapters with other names, e.g. /dev/ttyAMA0 or a /dev/serial/by-id link);
//   - a device pinned for the run (command line --port) is used by every link operation
//     whatever COM number is chosen.
// A device outside the sixteen slots (ttyUSB8 and up, ttyACM4 and up, rfcomm, ...) can be
// chosen as the "other device": it is kept under Device in section [ports] of
// mysetup.ini, by its /dev/serial/by-id path when it has one, and used instead of the
// COM number until a COM number is chosen again.
//
// A port is present when the system's serial port enumeration lists its device; a device
// named by a pin counts as present when its file exists (pseudo-terminals and links are
// not enumerated). Everything is evaluated again on every call, so hot-plugged adapters
// appear and vanish at the next refresh.

constexpr int kComPorts = 16;

struct PortSlot {
    int number = 0;         // 1..16
    QString device;         // e.g. /dev/ttyUSB0
    bool present = false;
    bool pinned = false;    // from [ports] of mysetup.ini
    SerialDevice info;      // what the system knows about the device, when present
};

QVector<PortSlot> ListPorts();            // COM1..COM16 in order
PortSlot PortForCom(int number);          // number outside 1..16: no device
QString RuleDeviceForCom(int number);     // the fixed-slot device, ignoring pins
QString PortRuleText();                   // the rule above in a few lines, for the port dialog

// Present devices that no COM number reaches.
QList<SerialDevice> OtherSerialDevices();
QString ChosenOtherDevice();                  // empty when a COM number is in use
void SaveOtherDevice(const QString &path);    // empty: back to the COM number

void PinRunDevice(const QString &device);   // empty removes the pin
QString PinnedRunDevice();
// The device a link operation opens: the run's pinned device, else the chosen other
// device, else the device of the chosen COM number (Run().comPort).
QString LinkDevicePath();

// Configures the port for the link (9600,n,8,1, no handshaking, binary, RThreshold 1) and
// opens it. On failure shows language text 9003 with the critical icon, followed by the
// system's reason, and returns false.
bool OpenLinkPort(MSComm1 &port);

// The reason lines shown after 9003: what is wrong and the one thing that helps (no
// device present; access refused, with the group to join only when a group with read
// and write access exists; the program holding the device; else the system's text).
QString PortOpenFailureDetail(const QString &device, QSerialPort::SerialPortError error,
                              const QString &systemText, const SystemView &system = CurrentSystem());
// The group that owns a device file, empty when it cannot be found.
QString DeviceGroup(const QString &device);
