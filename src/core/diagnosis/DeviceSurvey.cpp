#include "DeviceSurvey.h"

#include "SerialAdapters.h"

#include <QJsonValue>

namespace {
const QString kTtyClass = QStringLiteral("/sys/class/tty/");
const QString kById = QStringLiteral("/dev/serial/by-id/");

QString hex4(int v)
{
    return QStringLiteral("%1").arg(v, 4, 16, QLatin1Char('0'));
}

int hexValue(const QString &text)
{
    bool ok = false;
    const int v = text.toInt(&ok, 16);
    return ok ? v : -1;
}

QString fileName(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

// A serial port of the machine is listed even when no UART sits behind it; its type
// then reads 0.
bool isRealDevice(const SystemView &system, const QString &name)
{
    if (system.resolve(kTtyClass + name + QStringLiteral("/device")).isEmpty())
        return false;
    const QString type = system.readText(kTtyClass + name + QStringLiteral("/type"));
    return !(name.startsWith(QLatin1String("ttyS")) && type == QLatin1String("0"));
}

// The USB device above a tty: the nearest folder that holds idVendor.
void readUsbIds(const SystemView &system, const QString &deviceFolder, SurveyedDevice &d)
{
    QString folder = deviceFolder;
    for (int up = 0; up < 4 && folder.count(QLatin1Char('/')) > 1; ++up) {
        const QString vendor = system.readText(folder + QStringLiteral("/idVendor"));
        if (!vendor.isEmpty()) {
            d.vendorId = hexValue(vendor);
            d.productId = hexValue(system.readText(folder + QStringLiteral("/idProduct")));
            d.revision = hexValue(system.readText(folder + QStringLiteral("/bcdDevice")));
            d.manufacturer = system.readText(folder + QStringLiteral("/manufacturer"));
            d.product = system.readText(folder + QStringLiteral("/product"));
            d.serial = system.readText(folder + QStringLiteral("/serial"));
            return;
        }
        folder = folder.left(folder.lastIndexOf(QLatin1Char('/')));
    }
}
} // namespace

QString SurveyedDevice::usbIds() const
{
    return isUsb() ? hex4(vendorId) + QLatin1Char(':') + hex4(qMax(productId, 0)) : QString();
}

QJsonObject SurveyedDevice::toJson() const
{
    auto orNull = [](const QString &s) { return s.isEmpty() ? QJsonValue() : QJsonValue(s); };
    QJsonObject o;
    o[QStringLiteral("device")] = path;
    o[QStringLiteral("byId")] = orNull(byId);
    o[QStringLiteral("driver")] = orNull(driver);
    o[QStringLiteral("vendorId")] = isUsb() ? QJsonValue(hex4(vendorId)) : QJsonValue();
    o[QStringLiteral("productId")] = isUsb() ? QJsonValue(hex4(qMax(productId, 0))) : QJsonValue();
    o[QStringLiteral("revision")] = revision >= 0 ? QJsonValue(hex4(revision)) : QJsonValue();
    o[QStringLiteral("manufacturer")] = orNull(manufacturer);
    o[QStringLiteral("product")] = orNull(product);
    o[QStringLiteral("serial")] = orNull(serial);
    o[QStringLiteral("chip")] = orNull(chip);
    o[QStringLiteral("programmingCable")] = programmingCable;
    o[QStringLiteral("owner")] = access.owner;
    o[QStringLiteral("group")] = access.group;
    o[QStringLiteral("mode")] = access.modeText();
    o[QStringLiteral("canOpen")] = access.userCanReadWrite;
    return o;
}

QList<SurveyedDevice> SurveySerialDevices(const SystemView &system)
{
    // by-id link -> the device it names
    QList<QPair<QString, QString>> links;
    for (const QString &link : system.entries(kById))
        links.append({kById + link, system.resolve(kById + link)});

    QList<SurveyedDevice> list;
    for (const QString &name : system.entries(kTtyClass)) {
        if (!isRealDevice(system, name))
            continue;
        SurveyedDevice d;
        d.path = QStringLiteral("/dev/") + name;
        const QString resolved = system.resolve(d.path);
        for (const auto &link : links) {
            if (!link.second.isEmpty() && (link.second == d.path || link.second == resolved))
                d.byId = link.first;
        }
        const QString deviceFolder = system.resolve(kTtyClass + name + QStringLiteral("/device"));
        d.driver = fileName(system.resolve(kTtyClass + name + QStringLiteral("/device/driver")));
        readUsbIds(system, deviceFolder, d);
        if (d.isUsb()) {
            d.chip = AdapterChipName(d.vendorId, d.productId, d.revision, d.serial);
            d.programmingCable = IsProgrammingCableAdapter(d.vendorId, d.productId);
        }
        d.access = system.access(d.path);
        list << d;
    }
    return list;
}

SurveyedDevice SurveyDevice(const SystemView &system, const QString &path, const QList<SurveyedDevice> &surveyed)
{
    const QString resolved = system.resolve(path);
    for (const SurveyedDevice &d : surveyed) {
        if (d.path == path || (!d.byId.isEmpty() && d.byId == path)
            || (!resolved.isEmpty() && system.resolve(d.path) == resolved))
            return d;
    }
    SurveyedDevice d;
    d.path = path;
    d.access = system.access(path);
    return d;
}
