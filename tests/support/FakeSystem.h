#pragma once
// A stand-in for the machine the connection doctor looks at: a sysfs-like device tree
// and /dev built in a temporary folder, owners, groups and modes given per device, a
// user and a process table given as they are.
#include "SystemView.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

class FakeSystem : public HostSystem {
public:
    FakeSystem() : HostSystem(QString()) { root_ = dir_.path(); }

    QMap<QString, FileAccess> nodes;     // device path -> owner, group, mode, access
    UserIdentity who{QStringLiteral("alice"), 1000, {QStringLiteral("alice")}, {QStringLiteral("alice")}};
    QList<ProcessEntry> table;

    FileAccess access(const QString &path) const override
    {
        if (nodes.contains(path))
            return nodes.value(path);
        if (path.startsWith(QLatin1String("/dev/pts/")))   // a simulated radio: the real node
            return HostSystem().access(path);
        return HostSystem::access(path);
    }
    UserIdentity user() const override { return who; }
    QList<ProcessEntry> processes() const override { return table; }

    static FileAccess node(const QString &owner, const QString &group, unsigned gid, unsigned mode, bool canOpen)
    {
        FileAccess a;
        a.exists = true;
        a.owner = owner;
        a.group = group;
        a.gid = gid;
        a.mode = mode;
        a.isCharDevice = true;
        a.userCanReadWrite = canOpen;
        return a;
    }

    // A USB serial adapter: the USB device with its ids and strings, the tty below its
    // interface, the driver link, /dev/<name> and its by-id link.
    void addUsbTty(const QString &name, const QString &driver, const QString &vid, const QString &pid,
                   const QString &revision = QStringLiteral("0264"), const QString &serial = QString())
    {
        const QString usb = QStringLiteral("/sys/devices/pci0000:00/usb1/1-%1").arg(++usbCount_);
        write(usb + QStringLiteral("/idVendor"), vid);
        write(usb + QStringLiteral("/idProduct"), pid);
        write(usb + QStringLiteral("/bcdDevice"), revision);
        write(usb + QStringLiteral("/product"), QStringLiteral("USB Serial"));
        if (!serial.isEmpty())
            write(usb + QStringLiteral("/serial"), serial);
        const QString port = usb + QStringLiteral("/1-%1:1.0/%2").arg(usbCount_).arg(name);
        addTty(name, port, driver);
        mkdir(QStringLiteral("/dev/serial/by-id"));
        QFile::link(QStringLiteral("../../") + name,
                    root_ + QStringLiteral("/dev/serial/by-id/usb-%1_%2-if00-port0").arg(vid, name));
    }
    // A serial port of the machine; type 0 when no UART is behind it.
    void addPlatformTty(const QString &name, const QString &type)
    {
        addTty(name, QStringLiteral("/sys/devices/platform/serial8250/%1").arg(name), QStringLiteral("serial8250"));
        write(QStringLiteral("/sys/class/tty/") + name + QStringLiteral("/type"), type);
    }
    // A virtual terminal: in the class, but no hardware behind it.
    void addVirtualTty(const QString &name) { mkdir(QStringLiteral("/sys/class/tty/") + name); }

    void write(const QString &path, const QString &text)
    {
        mkdir(path.left(path.lastIndexOf(QLatin1Char('/'))));
        QFile f(root_ + path);
        if (f.open(QIODevice::WriteOnly))
            f.write(text.toUtf8() + '\n');
    }
    void mkdir(const QString &path) { QDir().mkpath(root_ + path); }

private:
    void addTty(const QString &name, const QString &deviceFolder, const QString &driver)
    {
        mkdir(deviceFolder);
        const QString driverFolder = QStringLiteral("/sys/bus/usb-serial/drivers/") + driver;
        mkdir(driverFolder);
        QFile::link(root_ + driverFolder, root_ + deviceFolder + QStringLiteral("/driver"));
        mkdir(QStringLiteral("/sys/class/tty/") + name);
        QFile::link(root_ + deviceFolder, root_ + QStringLiteral("/sys/class/tty/") + name + QStringLiteral("/device"));
        write(QStringLiteral("/dev/") + name, QString());
    }

    QTemporaryDir dir_;
    int usbCount_ = 0;
};
