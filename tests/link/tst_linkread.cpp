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
};

QTEST_GUILESS_MAIN(TestLinkRead)
#include "tst_linkread.moc"
