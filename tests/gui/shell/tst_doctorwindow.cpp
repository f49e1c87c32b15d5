// Help > Check connection and Help > Save a report for support: the doctor window on a
// healthy port (the simulated radio answers) and on a device the user may not open, the
// port finder choosing the cable that appeared, and the report written with what it says.
#include "ShellTestKit.h"
#include "WindowPictures.h"
#include "FakeSystem.h"

#include "FrmDoctor.h"
#include "LangText.h"
#include "PortList.h"
#include "RecentMessages.h"
#include "SimulatedRadio.h"
#include "SupportReport.h"
#include "UiSupportCommands.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QProcess>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

#include <memory>

class TestDoctorWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<ShellInstall> install;
    std::unique_ptr<ScriptedPrompts> answers;
    std::unique_ptr<FakeSystem> system;

private slots:
    void init()
    {
        install = std::make_unique<ShellInstall>();
        answers = std::make_unique<ScriptedPrompts>();
        system = std::make_unique<FakeSystem>();
        system->addUsbTty(QStringLiteral("ttyUSB0"), QStringLiteral("ch341-uart"), QStringLiteral("1a86"), QStringLiteral("7523"));
        system->addPlatformTty(QStringLiteral("ttyS0"), QStringLiteral("4"));
        system->nodes[QStringLiteral("/dev/ttyS0")] = FakeSystem::node(QStringLiteral("root"), QStringLiteral("root"), 0, 0600, false);
        UseSystemView(system.get());
    }
    void cleanup()
    {
        UseSystemView(nullptr);
        system.reset();
        answers.reset();
        install.reset();
    }

    void windowsInBothLanguages_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("english") << 1;
        QTest::newRow("chinese") << 2;
    }
    void windowsInBothLanguages()
    {
        QFETCH(int, language);
        SetLanguage(language);
        const QString suffix = language == 1 ? QStringLiteral("en") : QStringLiteral("zh");

        // Healthy: the user may open the cable and the radio answers.
        SimulatedRadio radio;
        radio.echo = true;
        QVERIFY(radio.start());
        system->nodes[QStringLiteral("/dev/ttyUSB0")] = FakeSystem::node(QStringLiteral("root"), QStringLiteral("dialout"), 20, 0660, true);
        {
            FrmDoctor dlg;
            dlg.portBox()->setEditText(radio.devicePath());
            dlg.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dlg));
            dlg.CheckNow();
            QVERIFY(dlg.report().healthy());
            QVERIFY(dlg.results()->toPlainText().contains(QStringLiteral("TARVEN II")));
            QVERIFY(dlg.results()->toPlainText().contains(LangText(30933)));     // ttyS0 is marked
            windowpictures::checkNothingCut(&dlg);
            windowpictures::save(&dlg, QStringLiteral("doctor-healthy-") + suffix);
        }

        // A cable only the group dialout may open, the user outside it.
        system->nodes[QStringLiteral("/dev/ttyUSB0")] = FakeSystem::node(QStringLiteral("root"), QStringLiteral("dialout"), 20, 0660, false);
        FrmDoctor dlg;
        dlg.portBox()->setEditText(QStringLiteral("/dev/ttyUSB0"));
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        dlg.CheckNow();
        QVERIFY(!dlg.report().healthy());
        QVERIFY(dlg.results()->toPlainText().contains(QStringLiteral("sudo usermod -aG dialout alice")));
        windowpictures::checkNothingCut(&dlg);
        windowpictures::save(&dlg, QStringLiteral("doctor-permission-") + suffix);

        // Only root may open it: no group is named at all.
        system->nodes[QStringLiteral("/dev/ttyUSB0")] = FakeSystem::node(QStringLiteral("root"), QStringLiteral("root"), 0, 0600, false);
        dlg.CheckNow();
        QVERIFY(!dlg.results()->toPlainText().contains(QStringLiteral("usermod")));
    }

    void finderOffersTheCableThatAppears()
    {
        FrmDoctor dlg;
        dlg.FindCable();
        auto *use = dlg.findChild<QPushButton *>(QStringLiteral("CommandUse"));
        QVERIFY(!use->isEnabled());
        system->addUsbTty(QStringLiteral("ttyUSB3"), QStringLiteral("cp210x"), QStringLiteral("10c4"), QStringLiteral("ea60"));
        QTRY_VERIFY(use->isEnabled());
        QCOMPARE(dlg.portBox()->currentText(), QStringLiteral("/dev/serial/by-id/usb-10c4_ttyUSB3-if00-port0"));
        use->click();
        QCOMPARE(ChosenOtherDevice(), QStringLiteral("/dev/serial/by-id/usb-10c4_ttyUSB3-if00-port0"));
    }

    void reportSaysWhatGoesInAndHoldsIt()
    {
        QTemporaryDir tmp;
        qputenv("XDG_CACHE_HOME", tmp.filePath(QStringLiteral("cache")).toUtf8());
        RememberShownMessage(QStringLiteral("The serial port cannot be opened."));
        ScriptedFiles files;
        const QString out = tmp.filePath(QStringLiteral("support"));
        files.saveAnswers << out;
        QString shown;
        OnNextModal([&](QDialog *dlg) {
            shown = dlg->findChild<QLabel *>(QStringLiteral("Label1"))->text();
            dlg->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save)->click();
        }, QStringLiteral("FrmSupportReport"));
        SaveSupportReport(nullptr);
        qunsetenv("XDG_CACHE_HOME");
        QCOMPARE(shown, SupportReportWhatGoesIn());
        QCOMPARE(answers->messages.last(), LangText(30962).arg(out + QStringLiteral(".tar.gz")));
        QProcess tar;
        tar.start(QStringLiteral("tar"), {QStringLiteral("-tzf"), out + QStringLiteral(".tar.gz")});
        QVERIFY(tar.waitForFinished());
        const QString list = QString::fromUtf8(tar.readAllStandardOutput());
        for (const char *file : {"tarven-report/about.txt", "tarven-report/doctor.txt", "tarven-report/messages.txt"})
            QVERIFY2(list.contains(QLatin1String(file)), qPrintable(list));
        QVERIFY(!list.contains(QStringLiteral("trace.txt")));      // not allowed, not there
    }
};

QTEST_MAIN(TestDoctorWindow)
#include "tst_doctorwindow.moc"
