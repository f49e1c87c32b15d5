#include "PortList.h"

#include "AccessAdvice.h"
#include "LangText.h"
#include "MSComm1.h"
#include "ProfileFile.h"
#include "PortHolders.h"
#include "Prompts.h"
#include "RunSettings.h"
#include "Startup.h"
#include "SystemView.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>


namespace {
QString &runPin()
{
    static QString pin;
    return pin;
}

struct SlotRange {
    int firstCom;
    int count;
    const char *prefix;
};
constexpr SlotRange kSlotRanges[] = {
    {1, 4, "/dev/ttyS"},
    {5, 8, "/dev/ttyUSB"},
    {13, 4, "/dev/ttyACM"},
};

const QString kPortsSection = QStringLiteral("ports");

QString pinnedDeviceForCom(int number)
{
    return ReadProfileString(MySetupPath(), kPortsSection, QStringLiteral("COM%1").arg(number));
}

PortSlot slotFor(int number, const QList<SerialDevice> &present)
{
    PortSlot slot;
    slot.number = number;
    if (number < 1 || number > kComPorts)
        return slot;
    const QString pinned = pinnedDeviceForCom(number);
    if (!pinned.isEmpty()) {
        slot.device = pinned;
        slot.pinned = true;
    } else {
        slot.device = RuleDeviceForCom(number);
    }
    slot.info = FindSerialDevice(slot.device, present);
    slot.present = !slot.info.device.isEmpty() || (slot.pinned && QFileInfo::exists(pinned));
    return slot;
}
} // namespace

QString RuleDeviceForCom(int number)
{
    for (const SlotRange &r : kSlotRanges) {
        if (number >= r.firstCom && number < r.firstCom + r.count)
            return QString::fromLatin1(r.prefix) + QString::number(number - r.firstCom);
    }
    return QString();
}

QVector<PortSlot> ListPorts()
{
    const QList<SerialDevice> present = SerialDevicesPresent();
    QVector<PortSlot> list;
    for (int n = 1; n <= kComPorts; ++n)
        list.append(slotFor(n, present));
    return list;
}

PortSlot PortForCom(int number)
{
    return slotFor(number, SerialDevicesPresent());
}

QList<SerialDevice> OtherSerialDevices()
{
    const QVector<PortSlot> comSlots = ListPorts();
    QList<SerialDevice> others;
    for (const SerialDevice &d : SerialDevicesPresent()) {
        const bool reached = std::any_of(comSlots.begin(), comSlots.end(), [&](const PortSlot &s) {
            return s.info.device == d.device;
        });
        if (!reached)
            others << d;
    }
    return others;
}

QString ChosenOtherDevice()
{
    return ReadProfileString(MySetupPath(), kPortsSection, QStringLiteral("Device"));
}

void SaveOtherDevice(const QString &path)
{
    if (path != ChosenOtherDevice())
        WriteProfileString(MySetupWritePath(), kPortsSection, QStringLiteral("Device"), path);
}

QString PortRuleText()
{
    return QStringLiteral(
        "COM1-COM4: /dev/ttyS0-3; COM5-COM12: /dev/ttyUSB0-7; COM13-COM16: /dev/ttyACM0-3.\n"
        "A line COM<n>=<device> in section [ports] of %1 gives COM n another device.")
        .arg(MySetupPath());
}

void PinRunDevice(const QString &device)
{
    runPin() = device;
}

QString PinnedRunDevice()
{
    return runPin();
}

QString LinkDevicePath()
{
    if (!runPin().isEmpty())
        return runPin();
    const QString other = ChosenOtherDevice();
    if (!other.isEmpty())
        return other;
    return PortForCom(Run().comPort).device;
}

QString DeviceGroup(const QString &device)
{
    return CurrentSystem().access(device).group;
}

QString PortOpenFailureDetail(const QString &device, QSerialPort::SerialPortError error,
                              const QString &systemText, const SystemView &system)
{
    if (device.isEmpty())
        return QStringLiteral("COM%1: ").arg(Run().comPort) + LangText(9069);
    const FileAccess access = system.access(device);
    if (error == QSerialPort::DeviceNotFoundError || !access.exists)
        return device + QStringLiteral(": ") + systemText + QLatin1Char('\n') + LangText(9069);
    if (error == QSerialPort::PermissionError) {
        // Access refused: the reason and the one change that helps. Access granted but
        // the open refused: another program holds the device.
        const AccessAdvice advice = AdviseAccess(device, access, system.user());
        if (!advice.ok())
            return advice.finding + (advice.fix.isEmpty() ? QString() : QLatin1Char('\n') + advice.fix);
        const PortHolders holders = FindPortHolders(system, device, int(QCoreApplication::applicationPid()));
        if (!holders.holding.isEmpty()) {
            QStringList names;
            for (const ProcessEntry &p : holders.holding)
                names << QStringLiteral("%1 (%2)").arg(p.name).arg(p.pid);
            return device + QStringLiteral(": ") + LangText(30921).arg(names.join(QStringLiteral(", ")));
        }
    }
    return device + QStringLiteral(": ") + systemText + QLatin1Char('\n') + LangText(30975);
}

bool OpenLinkPort(MSComm1 &port)
{
    if (port.PortOpen())
        port.setPortOpen(false);
    const QString device = LinkDevicePath();
    port.setCommPort(Run().comPort);
    port.setPortName(device);
    port.setHandshaking(0);
    port.setSettings(QStringLiteral("9600,n,8,1"));
    port.setInputMode(1);
    port.setInputLen(0);
    port.setRThreshold(1);
    if (!device.isEmpty() && port.setPortOpen(true))
        return true;
    const QString detail = device.isEmpty()
        ? PortOpenFailureDetail(QString(), QSerialPort::DeviceNotFoundError, QString())
        : PortOpenFailureDetail(device, port.error(), port.errorString());
    prompts().message(LangText(9003) + QLatin1Char('\n') + detail, MsgIcon::Critical);
    return false;
}
