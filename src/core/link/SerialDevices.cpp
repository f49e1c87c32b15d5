#include "SerialDevices.h"

#include "LangText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSerialPortInfo>

namespace {
SerialDeviceLister &overrideLister()
{
    static SerialDeviceLister lister;
    return lister;
}

QList<SerialDevice> fromListFile(const QString &path)
{
    QList<SerialDevice> list;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return list;
    for (const QJsonValue &v : QJsonDocument::fromJson(f.readAll()).array())
        list << SerialDevice::fromJson(v.toObject());
    return list;
}

// by-id link -> canonical device, for every link udev made.
QList<QPair<QString, QString>> byIdLinks()
{
    QList<QPair<QString, QString>> links;
    const QDir dir(QStringLiteral("/dev/serial/by-id"));
    for (const QFileInfo &link : dir.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot, QDir::Name))
        links.append({link.absoluteFilePath(), link.canonicalFilePath()});
    return links;
}

QList<SerialDevice> systemList()
{
    const auto links = byIdLinks();
    QList<SerialDevice> list;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        SerialDevice d;
        d.device = info.systemLocation();
        d.description = info.description();
        d.manufacturer = info.manufacturer();
        d.serialNumber = info.serialNumber();
        if (info.hasVendorIdentifier())
            d.vendorId = info.vendorIdentifier();
        if (info.hasProductIdentifier())
            d.productId = info.productIdentifier();
        for (const auto &link : links) {
            if (link.second == QFileInfo(d.device).canonicalFilePath())
                d.byId = link.first;
        }
        list << d;
    }
    // Bluetooth serial links are not always enumerated.
    const QDir dev(QStringLiteral("/dev"));
    for (const QString &name : dev.entryList({QStringLiteral("rfcomm*")}, QDir::System | QDir::Files)) {
        const QString path = dev.filePath(name);
        if (FindSerialDevice(path, list).device.isEmpty())
            list << SerialDevice{path, {}, QStringLiteral("Bluetooth serial link"), {}, {}, -1, -1};
    }
    return list;
}

QString hex4(int v)
{
    return QStringLiteral("%1").arg(v, 4, 16, QLatin1Char('0'));
}
}

bool SerialDevice::isUsb() const
{
    return vendorId >= 0 || device.contains(QLatin1String("ttyUSB")) || device.contains(QLatin1String("ttyACM"))
        || byId.contains(QLatin1String("/usb-"));
}

QString SerialDevice::details() const
{
    QStringList parts;
    if (!description.isEmpty())
        parts << description;
    if (!manufacturer.isEmpty())
        parts << manufacturer;
    if (!serialNumber.isEmpty())
        parts << QStringLiteral("serial ") + serialNumber;
    if (vendorId >= 0)
        parts << QStringLiteral("USB ") + hex4(vendorId) + QLatin1Char(':') + hex4(qMax(productId, 0));
    return parts.join(QStringLiteral(", "));
}

QJsonObject SerialDevice::toJson() const
{
    QJsonObject o;
    o[QStringLiteral("device")] = device;
    o[QStringLiteral("byId")] = byId;
    o[QStringLiteral("description")] = description;
    o[QStringLiteral("manufacturer")] = manufacturer;
    o[QStringLiteral("serialNumber")] = serialNumber;
    o[QStringLiteral("vendorId")] = vendorId >= 0 ? QJsonValue(hex4(vendorId)) : QJsonValue();
    o[QStringLiteral("productId")] = productId >= 0 ? QJsonValue(hex4(productId)) : QJsonValue();
    o[QStringLiteral("usb")] = isUsb();
    return o;
}

SerialDevice SerialDevice::fromJson(const QJsonObject &o)
{
    auto id = [&](const char *key) {
        bool ok = false;
        const int v = o.value(QLatin1String(key)).toString().toInt(&ok, 16);
        return ok ? v : -1;
    };
    return SerialDevice{o.value(QLatin1String("device")).toString(),
                        o.value(QLatin1String("byId")).toString(),
                        o.value(QLatin1String("description")).toString(),
                        o.value(QLatin1String("manufacturer")).toString(),
                        o.value(QLatin1String("serialNumber")).toString(),
                        id("vendorId"),
                        id("productId")};
}

void SetSerialDeviceLister(SerialDeviceLister lister)
{
    overrideLister() = std::move(lister);
}

QList<SerialDevice> SerialDevicesPresent()
{
    if (overrideLister())
        return overrideLister()();
    const QString listFile = qEnvironmentVariable("TARVEN_PORT_LIST");
    if (!listFile.isEmpty())
        return fromListFile(listFile);
    return systemList();
}

SerialDevice FindSerialDevice(const QString &path, const QList<SerialDevice> &present)
{
    if (path.isEmpty())
        return {};
    const QString canonical = QFileInfo(path).canonicalFilePath();
    for (const SerialDevice &d : present) {
        if (d.device == path || d.byId == path || (!canonical.isEmpty() && QFileInfo(d.device).canonicalFilePath() == canonical))
            return d;
    }
    return {};
}

bool ResolveAutoPort(QString *device, QString *error)
{
    QList<SerialDevice> usb;
    for (const SerialDevice &d : SerialDevicesPresent()) {
        if (d.isUsb())
            usb << d;
    }
    if (usb.size() == 1) {
        *device = usb.first().stablePath();
        return true;
    }
    if (usb.isEmpty()) {
        *error = LangText(30502);
        return false;
    }
    *error = LangText(30503);
    for (const SerialDevice &d : usb)
        *error += QStringLiteral("\n  ") + d.stablePath() + (d.details().isEmpty() ? QString() : QStringLiteral("  (") + d.details() + QLatin1Char(')'));
    return false;
}
