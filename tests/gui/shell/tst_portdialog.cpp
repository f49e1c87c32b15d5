// The port dialog: what the system knows about each COM number's device, absent ones
// marked, the "Other device" list, and the choice kept in mysetup.ini.
#include "ShellTestKit.h"
#include "WindowPictures.h"
#include "FakeSystem.h"

#include "FrmSetComm.h"
#include "LangText.h"
#include "ProfileFile.h"
#include "SerialDevices.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>

namespace {
const QString kFtdiById = QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
const QString kCh340ById = QStringLiteral("/dev/serial/by-id/usb-1a86_USB2.0-Serial-if00-port0");

void click(QWidget *form, const char *button)
{
    auto *b = form->findChild<QPushButton *>(QString::fromLatin1(button));
    QVERIFY2(b, button);
    b->click();
}

QString comPortSetting()
{
    return ReadProfileString(MySetupPath(), QStringLiteral("language"), QStringLiteral("comPort"));
}
}

class TestPortDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<ShellInstall> install;
    std::unique_ptr<ScriptedPrompts> answers;
    QList<SerialDevice> devices;
    std::unique_ptr<FakeSystem> system;    // every listed device may be opened, unless a test says not

private slots:
    void init()
    {
        install = std::make_unique<ShellInstall>();
        answers = std::make_unique<ScriptedPrompts>();
        devices = {
            {QStringLiteral("/dev/ttyS0"), {}, {}, {}, {}, -1, -1},
            {QStringLiteral("/dev/ttyS3"), {}, {}, {}, {}, -1, -1},
            {QStringLiteral("/dev/ttyUSB0"), kFtdiById, QStringLiteral("FT232R USB UART"), QStringLiteral("FTDI"),
             QStringLiteral("A50285BI"), 0x0403, 0x6001},
            {QStringLiteral("/dev/ttyUSB9"), kCh340ById, QStringLiteral("USB2.0-Serial"), QStringLiteral("QinHeng Electronics"),
             {}, 0x1a86, 0x7523},
            {QStringLiteral("/dev/rfcomm0"), {}, QStringLiteral("Bluetooth serial link"), {}, {}, -1, -1},
        };
        SetSerialDeviceLister([this] { return devices; });
        system = std::make_unique<FakeSystem>();
        for (const SerialDevice &d : devices)
            system->nodes[d.device] = FakeSystem::node(QStringLiteral("root"), QStringLiteral("dialout"), 20, 0660, true);
        system->nodes[QStringLiteral("/dev/ttyUSB1")] = system->nodes.value(QStringLiteral("/dev/ttyS0"));
        UseSystemView(system.get());
    }

    void cleanup()
    {
        UseSystemView(nullptr);
        SetSerialDeviceLister({});
        answers.reset();
        install.reset();
    }

    void showsWhatTheSystemKnows()
    {
        Run().comPort = 5;
        FrmSetComm dlg;
        QCOMPARE(dlg.option(4)->text(), LangText(22002) + QStringLiteral("5"));
        const QString com5 = dlg.deviceLabel(4)->toolTip();
        for (const char *part : {"/dev/ttyUSB0", "FT232R USB UART", "FTDI", "A50285BI", "0403:6001"})
            QVERIFY2(com5.contains(QLatin1String(part)), qPrintable(com5));
        QCOMPARE(dlg.deviceLabel(0)->toolTip(), QStringLiteral("/dev/ttyS0"));
        QVERIFY(dlg.deviceLabel(1)->toolTip().endsWith(LangText(30500)));   // COM2: /dev/ttyS1 absent
        QList<bool> enabled;
        for (int i = 0; i < kComPorts; ++i)
            enabled << dlg.option(i)->isEnabled();
        QCOMPARE(enabled.count(true), 3);   // COM1, COM4, COM5
        QCOMPARE(dlg.selectedIndex(), 4);

        // ttyUSB9 and rfcomm0 have no COM number: they are the other devices.
        QComboBox *others = dlg.otherDevices();
        QCOMPARE(others->count(), 2);
        QCOMPARE(others->itemData(0).toString(), kCh340ById);
        QVERIFY(others->itemText(0).contains(QStringLiteral("1a86:7523")));
        QCOMPARE(others->itemData(1).toString(), QStringLiteral("/dev/rfcomm0"));
    }

    // A device only root may open is still offered, but marked.
    void deviceThatCannotBeOpenedIsMarked()
    {
        system->nodes[QStringLiteral("/dev/ttyS0")] = FakeSystem::node(QStringLiteral("root"), QStringLiteral("root"), 0, 0600, false);
        FrmSetComm dlg;
        QCOMPARE(dlg.deviceLabel(0)->toolTip(), QStringLiteral("/dev/ttyS0 — ") + LangText(30970));
        QVERIFY(!dlg.deviceLabel(4)->toolTip().contains(LangText(30970)));
    }

    void followsTheDeviceListAndKeepsTheChoice()
    {
        Run().comPort = 4;
        FrmSetComm dlg;
        QCOMPARE(dlg.selectedIndex(), 3);
        // COM6 (ttyUSB1) is plugged in and COM4 (ttyS3) goes away while the dialog is open.
        devices.append({QStringLiteral("/dev/ttyUSB1"), {}, QStringLiteral("CP2102 USB to UART Bridge Controller"),
                        QStringLiteral("Silicon Labs"), {}, 0x10c4, 0xea60});
        devices.removeAt(1);
        QVERIFY(!dlg.option(5)->isEnabled());
        dlg.ReCommTimer_Timer();
        QVERIFY(dlg.option(5)->isEnabled());
        QVERIFY(dlg.deviceLabel(5)->toolTip().contains(QStringLiteral("CP2102")));
        QVERIFY(!dlg.option(3)->isEnabled());
        QVERIFY(dlg.deviceLabel(3)->toolTip().endsWith(LangText(30500)));
        QCOMPARE(dlg.selectedIndex(), 3);   // the pending choice stays, even disabled

        dlg.option(11)->setChecked(true);
        dlg.ReCommTimer_Timer();
        QCOMPARE(dlg.selectedIndex(), 11);
        click(&dlg, "CommandOK");
        QCOMPARE(Run().comPort, 12);
        QCOMPARE(comPortSetting(), QStringLiteral("12"));
    }

    void otherDeviceIsKeptByItsStablePath()
    {
        Run().comPort = 1;
        {
            FrmSetComm dlg;
            dlg.otherDevices()->setCurrentIndex(0);
            emit dlg.otherDevices()->activated(0);
            QCOMPARE(dlg.selectedIndex(), int(FrmSetComm::kOtherOption));
            click(&dlg, "CommandOK");
        }
        QCOMPARE(ChosenOtherDevice(), kCh340ById);
        QCOMPARE(LinkDevicePath(), kCh340ById);
        QCOMPARE(Run().comPort, 1);

        // Unplugged: the choice is still shown, marked absent, and stays selected.
        devices.removeAt(3);
        {
            FrmSetComm dlg;
            QCOMPARE(dlg.selectedIndex(), int(FrmSetComm::kOtherOption));
            QCOMPARE(dlg.otherDevices()->currentData().toString(), kCh340ById);
            QVERIFY(dlg.otherDevices()->currentText().endsWith(LangText(30500)));
            // Back to a COM number: the other device is forgotten.
            dlg.option(2)->setChecked(true);
            click(&dlg, "CommandOK");
        }
        QVERIFY(ChosenOtherDevice().isEmpty());
        QCOMPARE(LinkDevicePath(), QStringLiteral("/dev/ttyS2"));
    }

    void cancelChangesNothing()
    {
        Run().comPort = 1;
        WriteComPort(1);
        FrmSetComm dlg;
        QVERIFY(dlg.findChild<QTimer *>(QStringLiteral("ReCommTimer"))->isActive());
        dlg.option(6)->setChecked(true);
        click(&dlg, "CommandCancel");
        QCOMPARE(Run().comPort, 1);
        QCOMPARE(comPortSetting(), QStringLiteral("1"));
        QVERIFY(ChosenOtherDevice().isEmpty());
        QVERIFY(!dlg.findChild<QTimer *>(QStringLiteral("ReCommTimer"))->isActive());
    }

    void picturesInBothLanguages_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("english") << 1;
        QTest::newRow("chinese") << 2;
    }
    void picturesInBothLanguages()
    {
        QFETCH(int, language);
        SetLanguage(language);
        Run().comPort = 5;
        system->nodes[QStringLiteral("/dev/ttyS0")] = FakeSystem::node(QStringLiteral("root"), QStringLiteral("root"), 0, 0600, false);
        FrmSetComm dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        windowpictures::save(&dlg, language == 1 ? QStringLiteral("port-dialog-en") : QStringLiteral("port-dialog-zh"));
        windowpictures::checkNothingCut(&dlg);
        // Fits the smallest screen we support.
        QVERIFY2(dlg.width() <= 800 && dlg.height() <= 560, qPrintable(QStringLiteral("%1x%2").arg(dlg.width()).arg(dlg.height())));
    }
};

QTEST_MAIN(TestPortDialog)
#include "tst_portdialog.moc"
