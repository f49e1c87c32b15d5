// COM numbers and devices: the fixed-slot rule, pins from mysetup.ini and the command
// line, and the message of a port that cannot be opened.
#include "LangText.h"
#include "MSComm1.h"
#include "PortList.h"
#include "ProfileFile.h"
#include "RunSettings.h"
#include "ScriptedPrompts.h"
#include "SimulatedRadio.h"
#include "Startup.h"
#include "TestProgramDir.h"

#include <QtTest>

#include <grp.h>
#include <unistd.h>

class TestPortList : public QObject {
    Q_OBJECT
private slots:
    void init() { env = std::make_unique<TestProgramDir>(); InitDefaults(); PinRunDevice(QString()); }
    void cleanup() { PinRunDevice(QString()); env.reset(); }

    void ruleGivesEveryKindFixedNumbers()
    {
        QCOMPARE(RuleDeviceForCom(1), QStringLiteral("/dev/ttyS0"));
        QCOMPARE(RuleDeviceForCom(4), QStringLiteral("/dev/ttyS3"));
        QCOMPARE(RuleDeviceForCom(5), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(RuleDeviceForCom(12), QStringLiteral("/dev/ttyUSB7"));
        QCOMPARE(RuleDeviceForCom(13), QStringLiteral("/dev/ttyACM0"));
        QCOMPARE(RuleDeviceForCom(16), QStringLiteral("/dev/ttyACM3"));
        QVERIFY(RuleDeviceForCom(0).isEmpty());
        QVERIFY(RuleDeviceForCom(17).isEmpty());
        const QVector<PortSlot> list = ListPorts();
        QCOMPARE(list.size(), 16);
        QCOMPARE(list.at(5).number, 6);
    }

    void pinsOverrideTheRule()
    {
        SimulatedRadio radio;
        QVERIFY(radio.start());
        QVERIFY(WriteProfileString(MySetupPath(), QStringLiteral("ports"), QStringLiteral("COM3"), radio.devicePath()));
        PortSlot pinned = PortForCom(3);
        QCOMPARE(pinned.device, radio.devicePath());
        QVERIFY(pinned.pinned && pinned.present);
        Run().comPort = 3;
        QCOMPARE(LinkDevicePath(), radio.devicePath());

        // A device pinned for the run wins over the chosen number.
        Run().comPort = 7;
        QCOMPARE(LinkDevicePath(), RuleDeviceForCom(7));
        PinRunDevice(QStringLiteral("/dev/ttyAMA0"));
        QCOMPARE(LinkDevicePath(), QStringLiteral("/dev/ttyAMA0"));

        // Re-evaluated on every call: the device goes away, the port is absent.
        radio.stop();
        QVERIFY(!PortForCom(3).present);
    }

    void openFailureExplainsWhy()
    {
        ScriptedPrompts answers;
        MSComm1 port;
        PinRunDevice(QStringLiteral("/dev/tarven-missing"));
        QVERIFY(!OpenLinkPort(port));
        QCOMPARE(answers.icons, QList<MsgIcon>{MsgIcon::Critical});
        QVERIFY(answers.messages.first().startsWith(LangText(9003)));
        QVERIFY(answers.messages.first().contains(QStringLiteral("/dev/tarven-missing")));
        QVERIFY(answers.messages.first().contains(LangText(9069)));
        QVERIFY(!port.PortOpen());

        // Permission denied names the group that owns the device.
        const QString detail = PortOpenFailureDetail(QStringLiteral("/dev/null"), QSerialPort::PermissionError,
                                                     QStringLiteral("Permission denied"));
        if (::access("/dev/null", R_OK | W_OK) == 0) {
            QVERIFY(detail.contains(QStringLiteral("in use by another program")));
        } else {
            QVERIFY(detail.contains(LangText(9068)));
            QVERIFY(detail.contains(DeviceGroup(QStringLiteral("/dev/null"))));
        }
        QCOMPARE(DeviceGroup(QStringLiteral("/dev/null")), QString::fromLocal8Bit(getgrgid(0)->gr_name));
    }

    void receiveEventWaitsForTheThreshold()
    {
        SimulatedRadio radio;
        QVERIFY(radio.start());
        PinRunDevice(radio.devicePath());
        MSComm1 port;
        QVERIFY(OpenLinkPort(port));
        QSignalSpy events(&port, &MSComm1::OnComm);
        port.setRThreshold(10);
        port.Output(QByteArray("PROGRAM"));   // answered with 3 bytes
        QTRY_COMPARE(radio.commandsReceived(), 1);
        QTRY_COMPARE(port.InBufferCount(), 3);
        QCoreApplication::processEvents();
        QCOMPARE(events.size(), 0);
        port.setInBufferCount(0);
        QCOMPARE(port.InBufferCount(), 0);
        port.setRThreshold(3);
        port.Output(QByteArray("PROGRAM"));
        QTRY_COMPARE(events.size(), 1);
        QCOMPARE(port.CommEvent(), MSComm1::comEvReceive);
        QCOMPARE(port.Input(), QByteArray("\x5A\x4A\x06"));
    }

private:
    std::unique_ptr<TestProgramDir> env;
};

QTEST_GUILESS_MAIN(TestPortList)
#include "tst_portlist.moc"
