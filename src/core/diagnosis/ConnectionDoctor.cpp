#include "ConnectionDoctor.h"

#include "LangText.h"

#include <QJsonArray>

namespace {
using Verdict = DoctorCheck::Verdict;

DoctorCheck check(const char *topic, Verdict verdict, const QString &finding, const QString &fix = QString())
{
    return DoctorCheck{QString::fromLatin1(topic), verdict, finding, fix};
}

// The port to look at when none is given: the only USB serial device.
QString choosePort(const QList<SurveyedDevice> &devices)
{
    QString only;
    for (const SurveyedDevice &d : devices) {
        if (!d.isUsb())
            continue;
        if (!only.isEmpty())
            return QString();
        only = d.byId.isEmpty() ? d.path : d.byId;
    }
    return only;
}

QString processList(const QList<ProcessEntry> &processes)
{
    QStringList names;
    for (const ProcessEntry &p : processes)
        names << QStringLiteral("%1 (%2)").arg(p.name).arg(p.pid);
    return names.join(QStringLiteral(", "));
}

const char *verdictKey(Verdict v)
{
    return v == Verdict::Ok ? "ok" : v == Verdict::Note ? "note" : "problem";
}

QString verdictWord(Verdict v)
{
    return LangText(v == Verdict::Ok ? 30945 : v == Verdict::Note ? 30947 : 30946);
}

void addProbeChecks(DoctorReport &r)
{
    using Outcome = IdentProbeResult::Outcome;
    const IdentProbeResult &p = r.probe;
    if (p.outcome == Outcome::PortFailed) {
        r.checks << check("cable", Verdict::Problem, p.summary(), LangText(30975));
        return;
    }
    if (p.outcome == Outcome::Silent)
        r.checks << check("cable", Verdict::Problem, p.summary());
    else
        r.checks << check("cable", Verdict::Ok, LangText(p.echo ? 30930 : 30931));
    if (p.outcome != Outcome::Silent)
        r.checks << check("radio", p.identified() ? Verdict::Ok : Verdict::Problem, p.summary());
}
} // namespace

bool DoctorReport::healthy() const
{
    for (const DoctorCheck &c : checks) {
        if (c.verdict == Verdict::Problem)
            return false;
    }
    return true;
}

DoctorReport RunConnectionDoctor(const SystemView &system, const DoctorOptions &options)
{
    DoctorReport r;
    r.devices = SurveySerialDevices(system);
    r.port = options.port.isEmpty() ? choosePort(r.devices) : options.port;
    const UserIdentity user = system.user();

    // A port named outright (a pseudo-terminal, a link) is checked even when the
    // device tree lists no serial device.
    if (r.devices.isEmpty() && options.port.isEmpty())
        r.checks << check("devices", Verdict::Problem, LangText(30938), LangText(30939));
    else if (r.port.isEmpty())
        r.checks << check("devices", Verdict::Note, LangText(30939));

    // The services that take fresh adapters matter whichever port is used.
    r.holders = FindPortHolders(system, r.port, options.ownPid);
    if (r.holders.modemManagerPid > 0)
        r.checks << check("modemmanager", Verdict::Note, LangText(30922).arg(r.holders.modemManagerPid),
                          LangText(30923));
    if (r.holders.brlttyPid > 0) {
        bool ch340 = false;
        for (const SurveyedDevice &d : r.devices)
            ch340 = ch340 || d.vendorId == 0x1a86 || d.vendorId == 0x10c4;
        r.checks << check("brltty", ch340 || r.devices.isEmpty() ? Verdict::Problem : Verdict::Note,
                          LangText(30924).arg(r.holders.brlttyPid), LangText(30925));
    }
    if (r.port.isEmpty())
        return r;

    r.portDevice = SurveyDevice(system, r.port, r.devices);
    r.access = AdviseAccess(r.port, r.portDevice.access, user);
    r.checks << check("access", r.access.ok() ? Verdict::Ok : Verdict::Problem, r.access.finding, r.access.fix);
    if (!r.access.ok())
        return r;

    if (r.holders.holding.isEmpty())
        r.checks << check("holders", Verdict::Ok, LangText(30920));
    else
        r.checks << check("holders", Verdict::Problem, LangText(30921).arg(processList(r.holders.holding)));

    if (options.probe && r.holders.holding.isEmpty()) {
        r.probed = true;
        r.probe = ProbeRadioIdent(r.port, options.probeOptions);
        addProbeChecks(r);
    }
    return r;
}

QString SurveyedDeviceDetails(const SurveyedDevice &d)
{
    QStringList parts;
    if (!d.driver.isEmpty())
        parts << LangText(30976).arg(d.driver);
    if (d.isUsb())
        parts << QStringLiteral("USB ") + d.usbIds() + (d.chip.isEmpty() ? QString() : QStringLiteral(" (") + d.chip + QLatin1Char(')'));
    const QString strings = QStringList{d.manufacturer, d.product}.join(QLatin1Char(' ')).trimmed();
    if (!strings.isEmpty())
        parts << strings;
    if (!d.serial.isEmpty())
        parts << LangText(30901).arg(d.serial);
    QString text = parts.join(QStringLiteral(", "));
    if (d.access.exists)
        text += (text.isEmpty() ? QString() : QStringLiteral("; ")) + QStringLiteral("%1 %2:%3").arg(d.access.modeText(), d.access.owner, d.access.group);
    return text;
}

QString DoctorReportText(const DoctorReport &r)
{
    QString t = LangText(30934) + QLatin1Char('\n');
    if (r.devices.isEmpty())
        t += QStringLiteral("  ") + LangText(30938) + QLatin1Char('\n');
    for (const SurveyedDevice &d : r.devices) {
        t += QStringLiteral("  ") + d.path;
        if (!d.byId.isEmpty())
            t += QStringLiteral("  ") + d.byId;
        t += QStringLiteral("  [") + LangText(d.access.userCanReadWrite ? 30932 : 30933) + QStringLiteral("]\n");
        const QString details = SurveyedDeviceDetails(d);
        if (!details.isEmpty())
            t += QStringLiteral("      ") + details + QLatin1Char('\n');
    }
    t += QLatin1Char('\n');
    if (!r.port.isEmpty())
        t += LangText(30935).arg(r.port) + QLatin1Char('\n');
    for (const DoctorCheck &c : r.checks) {
        t += QStringLiteral("  [%1] %2\n").arg(verdictWord(c.verdict), c.finding);
        if (!c.fix.isEmpty())
            t += QStringLiteral("      ") + LangText(30948) + QLatin1Char(' ') + c.fix + QLatin1Char('\n');
    }
    return t;
}

QJsonObject DoctorReportJson(const DoctorReport &r)
{
    QJsonObject o;
    QJsonArray devices;
    for (const SurveyedDevice &d : r.devices)
        devices.append(d.toJson());
    o[QStringLiteral("devices")] = devices;
    o[QStringLiteral("port")] = r.port.isEmpty() ? QJsonValue() : QJsonValue(r.port);
    QJsonArray checks;
    for (const DoctorCheck &c : r.checks) {
        QJsonObject j;
        j[QStringLiteral("topic")] = c.topic;
        j[QStringLiteral("verdict")] = QString::fromLatin1(verdictKey(c.verdict));
        j[QStringLiteral("finding")] = c.finding;
        j[QStringLiteral("fix")] = c.fix.isEmpty() ? QJsonValue() : QJsonValue(c.fix);
        checks.append(j);
    }
    o[QStringLiteral("checks")] = checks;
    if (r.probed && r.probe.identified()) {
        QJsonObject radio;
        radio[QStringLiteral("model")] = r.probe.model;
        radio[QStringLiteral("band")] = r.probe.band;
        radio[QStringLiteral("firmware")] = r.probe.firmware;
        radio[QStringLiteral("ctcssDcs")] = r.probe.ctcssDcs;
        o[QStringLiteral("radio")] = radio;
    }
    if (r.probed)
        o[QStringLiteral("echo")] = r.probe.echo;
    o[QStringLiteral("healthy")] = r.healthy();
    return o;
}
