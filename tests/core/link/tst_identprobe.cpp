// The identification probe against the simulated radio: what it reports for a radio that
// answers with and without an echoing cable, for a line that only echoes or stays silent,
// and that it never reads or writes the channel memory.
#include "IdentProbe.h"
#include "LangText.h"
#include "SimulatedRadio.h"
#include "Startup.h"
#include "TestProgramDir.h"

#include <QtTest>

class TestIdentProbe : public QObject {
    Q_OBJECT
private slots:
    void init() { env = std::make_unique<TestProgramDir>(); InitDefaults(); }
    void cleanup() { env.reset(); }

    void answeringRadioIsIdentifiedWithoutTouchingMemory_data()
    {
        QTest::addColumn<bool>("echo");
        QTest::newRow("plain line") << false;
        QTest::newRow("echoing cable") << true;
    }
    void answeringRadioIsIdentifiedWithoutTouchingMemory()
    {
        QFETCH(bool, echo);
        SimulatedRadio radio;
        radio.echo = echo;
        radio.band = 2;
        radio.firmware = QStringLiteral("V102");
        radio.setDemoInfo();
        QVERIFY(radio.start());

        IdentProbeOptions options;
        options.readSerialNumber = true;
        const IdentProbeResult r = ProbeRadioIdent(radio.devicePath(), options);
        QVERIFY(r.identified());
        QCOMPARE(r.echo, echo);
        QCOMPARE(r.model, QStringLiteral("TARVEN2"));
        QCOMPARE(r.band, 2);
        QCOMPARE(r.firmware, QStringLiteral("V102"));
        QVERIFY(!r.serialNumber.isEmpty());
        QVERIFY(r.endAcknowledged);
        QVERIFY(r.summary().contains(QStringLiteral("V102")));
        QVERIFY(r.summary().contains(QStringLiteral("HAM")));

        // Entry, identification, the serial-number block and END: no data frame, and the
        // only read is the one block of the information area.
        QCOMPARE(radio.countOf('W'), 0);
        QCOMPARE(radio.countOf('R'), 1);
        QCOMPARE(radio.commands().at(radio.commands().size() - 2).toHex(), QByteArray("523e3010"));
        QCOMPARE(radio.countOf('E'), 1);

        // Without the serial number nothing at all is read.
        radio.clearLog();
        const IdentProbeResult plain = ProbeRadioIdent(radio.devicePath());
        QVERIFY(plain.identified());
        QVERIFY(plain.serialNumber.isEmpty());
        QCOMPARE(radio.countOf('R'), 0);
    }

    void radioThatMissesTheFirstEntryIsStillFound()
    {
        SimulatedRadio radio;
        radio.dropEntryReplies = 2;
        QVERIFY(radio.start());
        QVERIFY(ProbeRadioIdent(radio.devicePath()).identified());
    }

    void lineWithoutRadioSaysWhatCameBack()
    {
        SimulatedRadio radio;
        radio.silent = true;
        QVERIFY(radio.start());
        IdentProbeOptions quick;
        quick.attempts = 2;
        quick.replyTimeoutMs = 80;
        IdentProbeResult r = ProbeRadioIdent(radio.devicePath(), quick);
        QCOMPARE(r.outcome, IdentProbeResult::Outcome::Silent);
        QVERIFY(!r.echo);
        QCOMPARE(r.summary(), LangText(30903));

        radio.echo = true;      // a cable that echoes with the radio switched off
        r = ProbeRadioIdent(radio.devicePath(), quick);
        QCOMPARE(r.outcome, IdentProbeResult::Outcome::EchoOnly);
        QVERIFY(r.echo);
        QCOMPARE(r.firstBytes, QByteArray("PROGRAM"));
    }

    void radioThatEntersButDoesNotIdentify()
    {
        SimulatedRadio radio;
        radio.dropIdentReplies = 5;
        QVERIFY(radio.start());
        const IdentProbeResult r = ProbeRadioIdent(radio.devicePath());
        QCOMPARE(r.outcome, IdentProbeResult::Outcome::NoIdent);
        QCOMPARE(radio.countOf('E'), 1);    // programming mode is left all the same
    }

    void missingDeviceIsAPortFailure()
    {
        const IdentProbeResult r = ProbeRadioIdent(QStringLiteral("/dev/tarven-missing"));
        QCOMPARE(r.outcome, IdentProbeResult::Outcome::PortFailed);
        QCOMPARE(r.openError, QSerialPort::DeviceNotFoundError);
        QVERIFY(!r.summary().isEmpty());
    }

private:
    std::unique_ptr<TestProgramDir> env;
};

QTEST_GUILESS_MAIN(TestIdentProbe)
#include "tst_identprobe.moc"
