// COM numbers and devices: the fixed-slot rule, pins from mysetup.ini and the command
// line, other devices and `--port auto`, and the message of a port that cannot be opened.
#include "LangText.h"
#include "MSComm1.h"
#include "PortList.h"
#include "ProfileFile.h"
#include "RunSettings.h"
#include "ScriptedPrompts.h"
#include "SerialDevices.h"
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
    void cleanup()
    {
        PinRunDevice(QString());
        SetSerialDeviceLister({});
        env.reset();
    }

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

        // Re-evaluated on every call: the device goes away, the port is absent. A
        // pseudo-terminal's number may be reused at once by a test running beside this
        // one, so the vanishing device is a file of our own.
        QTemporaryDir dir;
        const QString device = dir.filePath(QStringLiteral("ttyGONE"));
        QVERIFY(QFile(device).open(QIODevice::WriteOnly));
        QVERIFY(WriteProfileString(MySetupPath(), QStringLiteral("ports"), QStringLiteral("COM3"), device));
        QVERIFY(PortForCom(3).present);
        QVERIFY(QFile::remove(device));
        QVERIFY(!PortForCom(3).present);
    }

    void devicesOutsideTheSlotsAreOtherDevices()
    {
        SimulatedRadio radio;
        QVERIFY(radio.start());
        const QString byId = QStringLiteral("/dev/serial/by-id/usb-1a86_USB2.0-Serial-if00-port0");
        SetSerialDeviceLister([&] {
            return QList<SerialDevice>{
                {QStringLiteral("/dev/ttyUSB0"), {}, QStringLiteral("FT232R USB UART"), QStringLiteral("FTDI"),
                 QStringLiteral("A50285BI"), 0x0403, 0x6001},
                {QStringLiteral("/dev/ttyUSB9"), byId, QStringLiteral("USB2.0-Serial"), {}, {}, 0x1a86, 0x7523},
                {radio.devicePath(), {}, {}, {}, {}, -1, -1},
            };
        });
        const PortSlot com5 = PortForCom(5);
        QVERIFY(com5.present);
        QCOMPARE(com5.info.details(), QStringLiteral("FT232R USB UART, FTDI, serial A50285BI, USB 0403:6001"));
        QVERIFY(!PortForCom(6).present);
        QVERIFY(PortForCom(6).info.details().isEmpty());

        const QList<SerialDevice> others = OtherSerialDevices();
        QCOMPARE(others.size(), 2);
        QCOMPARE(others.at(0).stablePath(), byId);           // remembered by its by-id link
        QCOMPARE(others.at(1).stablePath(), radio.devicePath());
        QCOMPARE(FindSerialDevice(byId, others).device, QStringLiteral("/dev/ttyUSB9"));

        // The chosen other device is what the link opens, until a COM number is chosen again.
        Run().comPort = 5;
        SaveOtherDevice(radio.devicePath());
        QCOMPARE(ChosenOtherDevice(), radio.devicePath());
        QCOMPARE(LinkDevicePath(), radio.devicePath());
        MSComm1 port;
        QVERIFY(OpenLinkPort(port));
        port.setPortOpen(false);
        SaveOtherDevice(QString());
        QCOMPARE(LinkDevicePath(), QStringLiteral("/dev/ttyUSB0"));
    }

    void autoPortNeedsExactlyOneUsbDevice()
    {
        QList<SerialDevice> present{{QStringLiteral("/dev/ttyS0"), {}, {}, {}, {}, -1, -1}};
        SetSerialDeviceLister([&] { return present; });
        QString device;
        QString error;
        QVERIFY(!ResolveAutoPort(&device, &error));
        QCOMPARE(error, LangText(30502));

        const QString byId = QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
        present << SerialDevice{QStringLiteral("/dev/ttyUSB3"), byId, QStringLiteral("FT232R USB UART"), {}, {}, 0x0403, 0x6001};
        QVERIFY(ResolveAutoPort(&device, &error));
        QCOMPARE(device, byId);

        present << SerialDevice{QStringLiteral("/dev/ttyACM0"), {}, {}, {}, {}, -1, -1};
        QVERIFY(!ResolveAutoPort(&device, &error));
        QVERIFY(error.startsWith(LangText(30503)));
        QVERIFY(error.contains(byId) && error.contains(QStringLiteral("/dev/ttyACM0")));
        QVERIFY(!error.contains(QStringLiteral("/dev/ttyS0")));
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

        // Refused although this user may open the device: not a matter of access.
        const QString detail = PortOpenFailureDetail(QStringLiteral("/dev/null"), QSerialPort::PermissionError,
                                                     QStringLiteral("Permission denied"));
        QVERIFY(!detail.contains(QLatin1Char('\r')));
        if (::access("/dev/null", R_OK | W_OK) == 0)
            QVERIFY(detail.contains(LangText(30975)) || detail.contains(LangText(30921).section(QLatin1Char(':'), 0, 0)));
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
