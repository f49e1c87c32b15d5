#include "CliPorts.h"

#include "ControlChars.h"
#include "LangText.h"
#include "PortList.h"
#include "SystemView.h"
#include "SerialDevices.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>

namespace {
// The COM number that reaches a device, 0 for none.
int comNumberOf(const SerialDevice &d, const QVector<PortSlot> &comSlots)
{
    for (const PortSlot &s : comSlots) {
        if (s.info.device == d.device)
            return s.number;
    }
    return 0;
}
}

int runPortsCommand(const CliArgs &args)
{
    const QList<SerialDevice> present = SerialDevicesPresent();
    const QVector<PortSlot> comSlots = ListPorts();
    if (args.contains(QStringLiteral("--json"))) {
        QJsonArray list;
        for (const SerialDevice &d : present) {
            QJsonObject o = d.toJson();
            // Descriptions and serial numbers are what the device says about itself.
            for (auto it = o.begin(); it != o.end(); ++it) {
                if (it->isString())
                    *it = EscapeControls(it->toString());
            }
            const int com = comNumberOf(d, comSlots);
            o[QStringLiteral("com")] = com > 0 ? QJsonValue(com) : QJsonValue();
            o[QStringLiteral("canOpen")] = CurrentSystem().access(d.device).userCanReadWrite;
            list.append(o);
        }
        const QByteArray json = QJsonDocument(list).toJson(QJsonDocument::Indented);
        std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
        return 0;
    }
    if (present.isEmpty())
        std::printf("No serial device is present.\n");
    for (const SerialDevice &d : present) {
        const int com = comNumberOf(d, comSlots);
        QString line = QStringLiteral("%1 %2").arg(com > 0 ? QStringLiteral("COM%1").arg(com) : QStringLiteral("-"), -6)
                           .arg(d.device);
        if (!d.byId.isEmpty())
            line += QStringLiteral("  ") + d.byId;
        if (!d.details().isEmpty())
            line += QStringLiteral("  (") + d.details() + QLatin1Char(')');
        // A device this user may not open is listed, but marked: `doctor` says why.
        if (!CurrentSystem().access(d.device).userCanReadWrite)
            line += QStringLiteral("  [") + LangText(30970) + QLatin1Char(']');
        std::printf("%s\n", qPrintable(EscapeControls(line)));
    }
    return 0;
}

bool ResolvePortOption(CliArgs &args)
{
    if (args.value(QStringLiteral("--port")) != QLatin1String("auto"))
        return true;
    QString device;
    QString error;
    if (!ResolveAutoPort(&device, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(EscapeControls(error, LineBreaks::Keep)));
        return false;
    }
    args.setValue(QStringLiteral("--port"), device);
    return true;
}
