// Reads from the simulated radio through the real serial layer: the command sequence,
// the buffer and image that result, echo detection and the password block.
#include "LinkFrames.h"
#include "LinkRig.h"

#include <QRandomGenerator>

namespace {
// Random memory that still unpacks sensibly is not needed here: the buffer is compared
// byte for byte, the image only through the pack of what was read.
QByteArray randomMemory(quint32 seed)
{
    QRandomGenerator rng(seed);
    QByteArray b(kTransferBytes, '\0');
    for (char &c : b)
        c = char(rng.bounded(256));
    return b;
}
}

class TestLinkRead : public QObject {
    Q_OBJECT
private slots:
    void cleanReadSends468CommandsAndCopiesTheMemory()
    {
        LinkRig rig;
        rig.radio.memory = randomMemory(7);
        rig.radio.echo = false;
        Link().NoEchoMode = true;   // the right guess: no time-out before the first answer
        rig.answers.answers << Answer::Ok;
        QVERIFY(rig.engine.StartRead());
        QCOMPARE(rig.answers.questions.size(), 1);   // 9004, answered OK
        QVERIFY(rig.waitResult());

        QCOMPARE(rig.radio.commandsReceived(), 468);
        const QList<QByteArray> &c = rig.radio.commands();
        QCOMPARE(c.first(), QByteArray("PROGRAM"));
        QCOMPARE(c.at(1), QByteArray(1, '\x02'));
        QCOMPARE(c.at(2), LinkFrames::readCommand(0x3E10, 16));
        QCOMPARE(c.at(3), LinkFrames::readCommand(0x0000, 16));
        QCOMPARE(c.at(466), LinkFrames::readCommand(0x1CF0, 16));
        QCOMPARE(c.last(), QByteArray("END"));
        QCOMPARE(Link().TransferBuffer, rig.radio.memory);
        QVERIFY(!rig.port.PortOpen());
        QVERIFY(!rig.ui.progressOpen);
        QCOMPARE(rig.ui.percents.first(), 0);
        QCOMPARE(rig.ui.percents.last(), 100);
        QVERIFY(std::is_sorted(rig.ui.percents.begin(), rig.ui.percents.end()));
        QCOMPARE(rig.answers.messages.last(), LangText(9009));
    }

    void readImageIsWhatTheRadioHolds()
    {
        LinkRig rig(1);
        RadioImage source = Image();
        source.header.options.TOT = 7;
        source.header.keys.KeyFunc[3] = 9;
        QVERIFY(source.addChannel(57, QStringLiteral("28.31500")));
        rig.radio.memory = LinkRig::packed(source);
        const RadioImage before = Image();
        QVERIFY(rig.engine.StartRead(LinkEngine::Confirm::Given));
        QVERIFY(rig.waitResult());
        // Nothing changes before the caller's "read finished" step.
        QVERIFY(Image().toBytes() == before.toBytes());
        QVERIFY(LinkEngine::ApplyReadToImage());
        QCOMPARE(Image().header.options.TOT, int16_t(7));
        QCOMPARE(Image().header.keys.KeyFunc[3], int16_t(9));
        QVERIFY(Image().channel(57));
        QCOMPARE(Image().channel(57)->freqText(), QStringLiteral("02831500"));
        QCOMPARE(LinkRig::packed(Image()), rig.radio.memory);
    }

    // Echo detection: the first guess of a run expects an echo; a wrong guess costs one
    // time-out, and the guess that worked is kept for later operations.
    void echoExpectationAdaptsToTheCable_data()
    {
        QTest::addColumn<bool>("cableEchoes");
        QTest::addColumn<bool>("startNoEcho");
        QTest::addColumn<int>("programs");
        QTest::newRow("echo cable, right guess") << true << false << 1;
        QTest::newRow("echo cable, wrong guess") << true << true << 2;
        QTest::newRow("plain cable, right guess") << false << true << 1;
        QTest::newRow("plain cable, wrong guess") << false << false << 2;
    }
    void echoExpectationAdaptsToTheCable()
    {
        QFETCH(bool, cableEchoes);
        QFETCH(bool, startNoEcho);
        QFETCH(int, programs);
        LinkRig rig;
        rig.radio.memory = randomMemory(3);
        rig.radio.echo = cableEchoes;
        Link().NoEchoMode = startNoEcho;
        QVERIFY(rig.engine.StartRead(LinkEngine::Confirm::Given));
        QVERIFY(rig.waitResult());
        QCOMPARE(rig.radio.countOf('P'), programs);
        QCOMPARE(Link().NoEchoMode, !cableEchoes);
        QCOMPARE(Link().TransferBuffer, rig.radio.memory);
        // The next operation starts with the guess that worked.
        QVERIFY(rig.engine.StartRadioInfoRead());
        QVERIFY(rig.waitResult());
        QCOMPARE(rig.radio.countOf('P'), programs + 1);
    }

    void passwordBlock_data()
    {
        QTest::addColumn<QString>("radioPassword");
        QTest::addColumn<QString>("known");
        QTest::addColumn<QVariant>("typed");      // invalid: the dialog is cancelled
        QTest::addColumn<int>("asked");
        QTest::addColumn<bool>("succeeds");
        QTest::newRow("none set") << QString() << QString() << QVariant() << 0 << true;
        QTest::newRow("already known") << QStringLiteral("AB") << QStringLiteral("AB") << QVariant() << 0 << true;
        QTest::newRow("asked, matches") << QStringLiteral("AB") << QString() << QVariant(QStringLiteral("AB  ")) << 1 << true;
        QTest::newRow("asked, case differs") << QStringLiteral("Ab1") << QStringLiteral("x") << QVariant(QStringLiteral("AB1")) << 1 << false;
        QTest::newRow("asked, cancelled") << QStringLiteral("7777") << QString() << QVariant() << 1 << false;
    }
    void passwordBlock()
    {
        QFETCH(QString, radioPassword);
        QFETCH(QString, known);
        QFETCH(QVariant, typed);
        QFETCH(int, asked);
        QFETCH(bool, succeeds);
        LinkRig rig;
        Link().NoEchoMode = true;
        rig.radio.setPassword(radioPassword);
        Link().ProgPassword = known;
        if (typed.isValid())
            rig.ui.passwordAnswer = typed.toString();
        QVERIFY(rig.engine.StartRead(LinkEngine::Confirm::Given));
        QCOMPARE(rig.waitResult(), succeeds);
        QCOMPARE(rig.ui.passwordRequests, asked);
        if (succeeds) {
            QCOMPARE(rig.radio.commandsReceived(), 468);
        } else {
            QCOMPARE(rig.answers.messages, QStringList{QStringLiteral("PassWord Failure!")});
            QCOMPARE(rig.radio.countOf('R'), 1);   // no block was read
            QTRY_COMPARE_WITH_TIMEOUT(rig.radio.commands().last(), QByteArray("END"), kOperationLimitMs);
        }
        if (typed.isValid())
            QCOMPARE(Link().ProgPassword, typed.toString().trimmed());
        else
            QCOMPARE(Link().ProgPassword, known);
    }

    void otherModelIsRefusedNamingBoth()
    {
        LinkRig rig;
        Link().NoEchoMode = true;
        rig.radio.model = QStringLiteral("ZX77");
        QVERIFY(rig.engine.StartRead(LinkEngine::Confirm::Given));
        QVERIFY(!rig.waitResult());
        QCOMPARE(rig.answers.messages,
                 QStringList{LangText(9012) + QStringLiteral("\r\nPC is TARVEN II\r\nRadio is ZX77")});
        QCOMPARE(rig.radio.countOf('R'), 1);
    }

    void unlistedFirmwareAsksForAnotherRelease_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("no") << int(Answer::No);
        QTest::newRow("yes") << int(Answer::Yes);
    }
    void unlistedFirmwareAsksForAnotherRelease()
    {
        QFETCH(int, answer);
        LinkRig rig;
        Link().NoEchoMode = true;
        rig.radio.firmware = QStringLiteral("V207");
        rig.answers.answers << Answer(answer);
        QVERIFY(rig.engine.StartRead(LinkEngine::Confirm::Given));
        QVERIFY(!rig.waitResult());
        QCOMPARE(rig.answers.questions, QStringList{VersionMessage(QStringLiteral("V100"), QStringLiteral("V207"), 0)});
        // No release supports V207: Yes says so and this program stays with its document.
        QVERIFY(!rig.answers.endRequested);
        QCOMPARE(rig.answers.messages.contains(LangText(9063)), answer == int(Answer::Yes));
        QCOMPARE(rig.radio.countOf('R'), 1);
        QVERIFY(!rig.port.PortOpen());
    }

    void listedFirmwareOfAnotherNumberIsAccepted()
    {
        LinkRig rig;
        Link().NoEchoMode = true;
        rig.radio.firmware = QStringLiteral("V102");   // V100V102 is listed in Version.ini
        QVERIFY(rig.engine.StartRead(LinkEngine::Confirm::Given));
        QVERIFY(rig.waitResult());
    }

    void unknownBandModeOfTheRadioIsRejected()
    {
        LinkRig rig;
        Link().NoEchoMode = true;
        rig.radio.band = 5;
        const QByteArray before = Image().toBytes();
        QVERIFY(rig.engine.StartRead(LinkEngine::Confirm::Given));
        QVERIFY(!rig.waitResult());
        QCOMPARE(rig.answers.messages, QStringList{QStringLiteral("Country Mode Error!")});
        QCOMPARE(rig.radio.countOf('R'), 1);
        QCOMPARE(Image().toBytes(), before);
    }

    void readIntoAnotherBandTakesTheRadiosBand()
    {
        LinkRig rig(0);
        Link().NoEchoMode = true;
        rig.radio.band = 2;
        QVERIFY(rig.engine.StartRead(LinkEngine::Confirm::Given));
        QVERIFY(rig.waitResult());   // a read takes any band of this model
        QVERIFY(LinkEngine::ApplyReadToImage());
        QCOMPARE(Image().header.model.bandMode, int16_t(2));
        QCOMPARE(Run().BandMode, 2);
    }

    void cancelledQuestionSendsNothing()
    {
        LinkRig rig;
        rig.answers.answers << Answer::Cancel;
        QVERIFY(!rig.engine.StartRead());
        QVERIFY(rig.ended());
        QCOMPARE(rig.ui.progressOpened, 0);
        QTest::qWait(50);
        QCOMPARE(rig.radio.commandsReceived(), 0);
    }
};

QTEST_GUILESS_MAIN(TestLinkRead)
#include "tst_linkread.moc"
