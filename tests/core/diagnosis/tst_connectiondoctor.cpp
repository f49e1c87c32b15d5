// The connection doctor on fake machines: the devices it lists and the chips it names,
// the access verdict and its one fix (never a group without read and write access, never
// root's), the processes and services that hold a port, the cable and radio checks
// against the simulated radio, and the port finder.
#include "ConnectionDoctor.h"
#include "FakeSystem.h"
#include "LangText.h"
#include "PortFinder.h"
#include "PortList.h"
#include "SerialAdapters.h"
#include "SimulatedRadio.h"
#include "Startup.h"
#include "TestProgramDir.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

namespace {
const QString kUsb0 = QStringLiteral("/dev/ttyUSB0");

const DoctorCheck *findCheck(const DoctorReport &r, const char *topic)
{
    for (const DoctorCheck &c : r.checks) {
        if (c.topic == QLatin1String(topic))
            return &c;
    }
    return nullptr;
}

// Every text a user would read: the report, its fixes and the port-open message.
QString allWords(const DoctorReport &r)
{
    return DoctorReportText(r);
}
}

class TestConnectionDoctor : public QObject {
    Q_OBJECT
private slots:
    void init() { env = std::make_unique<TestProgramDir>(); InitDefaults(); }
    void cleanup() { env.reset(); }

    void surveyNamesDevicesDriversAndChips()
    {
        FakeSystem sys;
        sys.addUsbTty(QStringLiteral("ttyUSB0"), QStringLiteral("ch341-uart"), QStringLiteral("1a86"), QStringLiteral("7523"));
        sys.addUsbTty(QStringLiteral("ttyUSB1"), QStringLiteral("pl2303"), QStringLiteral("067b"), QStringLiteral("2303"),
                      QStringLiteral("0300"));
        sys.addUsbTty(QStringLiteral("ttyUSB2"), QStringLiteral("ftdi_sio"), QStringLiteral("0403"), QStringLiteral("6001"),
                      QStringLiteral("0600"), QStringLiteral("A50285BI"));
        sys.addPlatformTty(QStringLiteral("ttyS0"), QStringLiteral("4"));
        sys.addPlatformTty(QStringLiteral("ttyS1"), QStringLiteral("0"));    // no UART behind it
        sys.addVirtualTty(QStringLiteral("tty1"));
        sys.nodes[kUsb0] = FakeSystem::node(QStringLiteral("root"), QStringLiteral("dialout"), 20, 0660, false);

        const QList<SurveyedDevice> list = SurveySerialDevices(sys);
        QStringList paths;
        for (const SurveyedDevice &d : list)
            paths << d.path;
        QCOMPARE(paths, (QStringList{QStringLiteral("/dev/ttyS0"), QStringLiteral("/dev/ttyUSB0"),
                                     QStringLiteral("/dev/ttyUSB1"), QStringLiteral("/dev/ttyUSB2")}));
        const SurveyedDevice &ch340 = list.at(1);
        QCOMPARE(ch340.driver, QStringLiteral("ch341-uart"));
        QCOMPARE(ch340.usbIds(), QStringLiteral("1a86:7523"));
        QCOMPARE(ch340.chip, QStringLiteral("CH340"));
        QVERIFY(ch340.programmingCable);
        QCOMPARE(ch340.byId, QStringLiteral("/dev/serial/by-id/usb-1a86_ttyUSB0-if00-port0"));
        QVERIFY(!ch340.access.userCanReadWrite);
        QCOMPARE(ch340.access.modeText(), QStringLiteral("crw-rw----"));
        QVERIFY(list.at(2).chip.startsWith(QStringLiteral("PL2303HXA")));     // the revision tells
        QVERIFY(list.at(3).chip.contains(LangText(30941)));                  // the clones' serial
        QCOMPARE(list.at(0).driver, QStringLiteral("serial8250"));
        QVERIFY(!list.at(0).isUsb());
        // The by-id name finds the same device.
        QCOMPARE(SurveyDevice(sys, ch340.byId, list).path, kUsb0);
    }

    // The one fix that helps, for each kind of device node.
    void accessAdviceNamesOnlyAGroupThatHelps()
    {
        UserIdentity alice{QStringLiteral("alice"), 1000, {QStringLiteral("alice")}, {QStringLiteral("alice")}};
        const FileAccess dialout = FakeSystem::node(QStringLiteral("root"), QStringLiteral("dialout"), 20, 0660, false);
        AccessAdvice a = AdviseAccess(kUsb0, dialout, alice);
        QCOMPARE(a.verdict, AccessAdvice::Verdict::JoinGroup);
        QVERIFY(a.fix.contains(QStringLiteral("sudo usermod -aG dialout alice")));

        alice.memberGroups << QStringLiteral("dialout");     // joined, not logged in again
        a = AdviseAccess(kUsb0, dialout, alice);
        QCOMPARE(a.verdict, AccessAdvice::Verdict::LoginAgain);
        QVERIFY(!a.fix.contains(QStringLiteral("usermod")));

        // Only root can open these: no group is ever suggested.
        const QList<FileAccess> rootOnly = {
            FakeSystem::node(QStringLiteral("root"), QStringLiteral("root"), 0, 0600, false),
            FakeSystem::node(QStringLiteral("root"), QStringLiteral("root"), 0, 0660, false),
            FakeSystem::node(QStringLiteral("root"), QStringLiteral("dialout"), 20, 0600, false),
            FakeSystem::node(QStringLiteral("root"), QStringLiteral("dialout"), 20, 0640, false),
        };
        for (const FileAccess &node : rootOnly) {
            a = AdviseAccess(QStringLiteral("/dev/ttyS0"), node, alice);
            QCOMPARE(a.verdict, AccessAdvice::Verdict::RootOnly);
            QVERIFY(a.group.isEmpty());
            QVERIFY2(!(a.finding + a.fix).contains(QStringLiteral("usermod")), qPrintable(a.fix));
            QVERIFY(a.fix.contains(CableUdevRulePath()));
        }

        // Open for this user, or for root: nothing to fix.
        QVERIFY(AdviseAccess(kUsb0, FakeSystem::node(QStringLiteral("root"), QStringLiteral("dialout"), 20, 0660, true), alice).ok());
        UserIdentity root{QStringLiteral("root"), 0, {QStringLiteral("root")}, {QStringLiteral("root")}};
        QVERIFY(AdviseAccess(kUsb0, dialout, root).ok());
        QCOMPARE(AdviseAccess(QStringLiteral("/dev/ttyUSB9"), FileAccess{}, alice).verdict, AccessAdvice::Verdict::Missing);
    }

    void doctorAndOpenFailureOnADeviceOnlyRootCanOpen()
    {
        FakeSystem sys;
        sys.addPlatformTty(QStringLiteral("ttyS0"), QStringLiteral("4"));
        sys.nodes[QStringLiteral("/dev/ttyS0")] = FakeSystem::node(QStringLiteral("root"), QStringLiteral("root"), 0, 0600, false);
        DoctorOptions options;
        options.port = QStringLiteral("/dev/ttyS0");
        const DoctorReport r = RunConnectionDoctor(sys, options);
        QVERIFY(!r.healthy());
        QVERIFY(!r.probed);                                     // nothing is sent to a port we cannot open
        QCOMPARE(findCheck(r, "access")->verdict, DoctorCheck::Verdict::Problem);
        const QString text = allWords(r);
        QVERIFY(text.contains(LangText(30933)));
        QVERIFY(!text.contains(QStringLiteral("usermod")));

        const QString detail = PortOpenFailureDetail(QStringLiteral("/dev/ttyS0"), QSerialPort::PermissionError,
                                                     QStringLiteral("Permission denied"), sys);
        QVERIFY(!detail.contains(QStringLiteral("usermod")));
        QVERIFY(!detail.contains(QLatin1Char('\r')));
        QVERIFY(detail.startsWith(QStringLiteral("/dev/ttyS0")));

        // The same for a dialout device: the fix is to join dialout.
        sys.nodes[QStringLiteral("/dev/ttyS0")] = FakeSystem::node(QStringLiteral("root"), QStringLiteral("dialout"), 20, 0660, false);
        QVERIFY(PortOpenFailureDetail(QStringLiteral("/dev/ttyS0"), QSerialPort::PermissionError,
                                      QStringLiteral("Permission denied"), sys)
                    .contains(QStringLiteral("sudo usermod -aG dialout alice")));
        QVERIFY(RunConnectionDoctor(sys, options).access.fix.contains(QStringLiteral("usermod -aG dialout")));
    }

    void processesAndServicesThatHoldThePort()
    {
        FakeSystem sys;
        sys.addUsbTty(QStringLiteral("ttyUSB0"), QStringLiteral("ch341-uart"), QStringLiteral("1a86"), QStringLiteral("7523"));
        sys.nodes[kUsb0] = FakeSystem::node(QStringLiteral("root"), QStringLiteral("dialout"), 20, 0660, true);
        sys.table = {{1, QStringLiteral("systemd"), {}},
                     {4242, QStringLiteral("minicom"), {QStringLiteral("/dev/pts/1"), kUsb0}},
                     {700, QStringLiteral("ModemManager"), {}},
                     {701, QStringLiteral("brltty"), {}},
                     {99, QStringLiteral("tarven"), {kUsb0}}};
        DoctorOptions options;          // no port given: the only USB device is checked
        options.ownPid = 99;
        const DoctorReport r = RunConnectionDoctor(sys, options);
        QCOMPARE(r.port, QStringLiteral("/dev/serial/by-id/usb-1a86_ttyUSB0-if00-port0"));
        QCOMPARE(findCheck(r, "access")->verdict, DoctorCheck::Verdict::Ok);
        const DoctorCheck *holders = findCheck(r, "holders");
        QCOMPARE(holders->verdict, DoctorCheck::Verdict::Problem);
        QVERIFY(holders->finding.contains(QStringLiteral("minicom (4242)")));
        QVERIFY(!holders->finding.contains(QStringLiteral("tarven")));
        QVERIFY(!r.probed);
        QCOMPARE(findCheck(r, "modemmanager")->verdict, DoctorCheck::Verdict::Note);
        QVERIFY(findCheck(r, "modemmanager")->finding.contains(QStringLiteral("700")));
        // brltty with a CH340 present is the known cause of a vanishing port.
        QCOMPARE(findCheck(r, "brltty")->verdict, DoctorCheck::Verdict::Problem);
        QVERIFY(!findCheck(r, "brltty")->fix.isEmpty());

        sys.table = {{1, QStringLiteral("systemd"), {}}};
        options.probe = false;
        const DoctorReport quiet = RunConnectionDoctor(sys, options);
        QCOMPARE(findCheck(quiet, "holders")->verdict, DoctorCheck::Verdict::Ok);
        QVERIFY(!findCheck(quiet, "modemmanager"));
        QVERIFY(!findCheck(quiet, "brltty"));
        QVERIFY(quiet.healthy());
        QCOMPARE(DoctorReportJson(quiet).value(QStringLiteral("healthy")).toBool(), true);
    }

    void cableAndRadioChecksAgainstTheSimulatedRadio_data()
    {
        QTest::addColumn<bool>("echo");
        QTest::addColumn<bool>("silent");
        QTest::newRow("radio, plain line") << false << false;
        QTest::newRow("radio, echoing cable") << true << false;
        QTest::newRow("echoing cable, radio off") << true << true;
        QTest::newRow("silent line") << false << true;
    }
    void cableAndRadioChecksAgainstTheSimulatedRadio()
    {
        QFETCH(bool, echo);
        QFETCH(bool, silent);
        SimulatedRadio radio;
        radio.echo = echo;
        radio.silent = silent;
        radio.firmware = QStringLiteral("V101");
        QVERIFY(radio.start());
        FakeSystem sys;
        DoctorOptions options;
        options.port = radio.devicePath();
        options.probeOptions.attempts = 2;
        options.probeOptions.replyTimeoutMs = 100;
        const DoctorReport r = RunConnectionDoctor(sys, options);
        QVERIFY(r.probed);
        QCOMPARE(findCheck(r, "access")->verdict, DoctorCheck::Verdict::Ok);
        const DoctorCheck *cable = findCheck(r, "cable");
        const DoctorCheck *answer = findCheck(r, "radio");
        const QJsonObject json = DoctorReportJson(r);
        if (!silent) {
            QCOMPARE(cable->finding, LangText(echo ? 30930 : 30931));
            QCOMPARE(answer->verdict, DoctorCheck::Verdict::Ok);
            QVERIFY2(r.healthy(), qPrintable(DoctorReportText(r)));
            QVERIFY(answer->finding.contains(QStringLiteral("V101")));
            QCOMPARE(json.value(QStringLiteral("radio")).toObject().value(QStringLiteral("firmware")).toString(),
                     QStringLiteral("V101"));
            QCOMPARE(radio.countOf('R') + radio.countOf('W'), 0);
        } else if (echo) {
            QCOMPARE(cable->verdict, DoctorCheck::Verdict::Ok);
            QCOMPARE(answer->verdict, DoctorCheck::Verdict::Problem);
            QCOMPARE(answer->finding, LangText(30904));
        } else {
            QCOMPARE(cable->verdict, DoctorCheck::Verdict::Problem);
            QCOMPARE(cable->finding, LangText(30903));
            QVERIFY(!answer);
        }
        QCOMPARE(json.value(QStringLiteral("echo")).toBool(), echo);
    }

    void finderNamesTheDeviceThatAppears()
    {
        const QString usb0 = QStringLiteral("/dev/serial/by-id/usb-cable");
        PortFinder plugged({QStringLiteral("/dev/ttyS0"), usb0});
        QVERIFY(plugged.look({QStringLiteral("/dev/ttyS0"), usb0}).isEmpty());
        QVERIFY(plugged.look({QStringLiteral("/dev/ttyS0")}).isEmpty());          // unplugged
        QCOMPARE(plugged.look({QStringLiteral("/dev/ttyS0"), usb0}), usb0);      // and back
        QCOMPARE(plugged.look({QStringLiteral("/dev/ttyS0"), usb0, QStringLiteral("/dev/ttyUSB1")}), usb0);

        PortFinder fresh({QStringLiteral("/dev/ttyS0")});
        QCOMPARE(fresh.look({QStringLiteral("/dev/ttyS0"), QStringLiteral("/dev/ttyACM0")}), QStringLiteral("/dev/ttyACM0"));
    }

    // The udev rule names exactly the adapters marked as programming cables.
    void udevRuleCoversTheProgrammingCableAdaptersOnly()
    {
        QFile rule(QStringLiteral(TARVEN_TEST_SOURCE_DIR "/resources/udev/70-tarven-cable.rules"));
        QVERIFY(rule.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(rule.readAll());
        QSet<QString> inRule;
        const QRegularExpression line(QStringLiteral("ATTRS\\{idVendor\\}==\"([0-9a-f]{4})\", ATTRS\\{idProduct\\}==\"([0-9a-f]{4})\""));
        for (auto it = line.globalMatch(text); it.hasNext();) {
            const auto m = it.next();
            inRule << m.captured(1) + QLatin1Char(':') + m.captured(2);
        }
        QSet<QString> cables;
        for (const AdapterChip &c : KnownAdapterChips()) {
            if (c.programmingCable)
                cables << QStringLiteral("%1:%2").arg(c.vendorId, 4, 16, QLatin1Char('0')).arg(c.productId, 4, 16, QLatin1Char('0'));
        }
        QCOMPARE(inRule, cables);
        for (const QString &l : text.split(QLatin1Char('\n'))) {
            if (l.contains(QLatin1String("uaccess")) && !l.startsWith(QLatin1Char('#')))
                QVERIFY2(l.contains(QLatin1String("SUBSYSTEM==\"tty\"")) && l.contains(QLatin1String("idVendor")), qPrintable(l));
        }
    }

private:
    std::unique_ptr<TestProgramDir> env;
};

QTEST_GUILESS_MAIN(TestConnectionDoctor)
#include "tst_connectiondoctor.moc"
