// The link under a disturbed line: lost, refused, corrupted and garbled replies, a silent
// radio, a lost or wrong "END" acknowledge, and a device that vanishes during a read.
#include "LinkFrames.h"
#include "LinkRig.h"

#include <QRandomGenerator>

namespace {
QByteArray randomMemory()
{
    QByteArray b(kTransferBytes, '\0');
    QRandomGenerator rng(99);
    for (char &c : b)
        c = char(rng.bounded(256));
    return b;
}
}

class TestLinkFaults : public QObject {
    Q_OBJECT
private slots:
    void lostRepliesAndCorruptBlocksAreRequestedAgain()
    {
        LinkRig rig;
        Link().NoEchoMode = true;
        rig.radio.memory = randomMemory();
        rig.radio.dropReplyAt[0x0100] = 1;
        rig.radio.badChecksumAt[0x0300] = 1;
        rig.radio.garbageAt[0x0040] = 1;
        QVERIFY(rig.engine.StartRead(LinkEngine::Confirm::Given));
        QVERIFY(rig.waitResult());
        QCOMPARE(readsOf(rig.radio, 0x0100), 2);
        QCOMPARE(readsOf(rig.radio, 0x0300), 2);
        QCOMPARE(readsOf(rig.radio, 0x0040), 2);
        QCOMPARE(rig.radio.commandsReceived(), 468 + 3);
        QCOMPARE(Link().BlockRetries[0x0100 / 16], int16_t(2));
        QCOMPARE(Link().TransferBuffer, rig.radio.memory);
        QVERIFY(rig.answers.questions.isEmpty());
    }

    void sendAgainRepeatsTheSameFrameWithoutUsingARetry()
    {
        LinkRig rig;
        Link().NoEchoMode = true;
        rig.radio.sendAgainAt[0x0200] = 4;   // more than the three retries a block has
        QVERIFY(rig.engine.StartWrite(LinkEngine::Confirm::Given));
        QVERIFY(rig.waitResult());
        QCOMPARE(writesOf(rig.radio, 0x0200), 5);
        QCOMPARE(Link().BlockRetries[0x0200 / 16], int16_t(3));
        QCOMPARE(rig.radio.memory, LinkRig::packed(Image()));
    }

    void lostEndAcknowledgeStillEndsWithSuccess()
    {
        LinkRig rig;
        Link().NoEchoMode = true;
        rig.radio.loseEndAck = true;
        QVERIFY(rig.engine.StartRead(LinkEngine::Confirm::Given));
        QVERIFY(rig.waitResult());
        QVERIFY(rig.engine.StartWrite(LinkEngine::Confirm::Given));
        QVERIFY(rig.waitResult());
        QVERIFY(rig.engine.StartRadioInfoRead());
        QVERIFY(rig.waitResult());
        QCOMPARE(rig.answers.messages, QStringList({LangText(9009), LangText(9010)}));
    }

    void sendAgainAfterEndOfAReadIsIgnored()
    {
        LinkRig rig;
        Link().NoEchoMode = true;
        rig.radio.endAnswersSendAgain = true;
        QVERIFY(rig.engine.StartRead(LinkEngine::Confirm::Given));
        QVERIFY(rig.waitResult());
        QCOMPARE(rig.radio.commandsReceived(), 468);
        QCOMPARE(rig.radio.commands().last(), QByteArray("END"));
        QCOMPARE(rig.radio.countOf('W'), 0);
    }

    void silentRadioGetsFourProgramsThenTheRetryQuestion()
    {
        LinkRig rig;
        rig.radio.silent = true;
        QVERIFY(rig.engine.StartRead(LinkEngine::Confirm::Given));
        QVERIFY(!rig.waitResult());
        QCOMPARE(rig.radio.countOf('P'), 4);
        QCOMPARE(rig.answers.questions, QStringList{LangText(9008)});
        // A failure still takes the radio out of programming mode.
        QTRY_COMPARE_WITH_TIMEOUT(rig.radio.commands().last(), QByteArray("END"), kOperationLimitMs);
        QVERIFY(!rig.port.PortOpen());
        QVERIFY(!rig.ui.progressOpen);
        // The four attempts alternate the echo expectation: three flips from the start value.
        QCOMPARE(Link().NoEchoMode, true);
    }

    void blockOutOfRetriesAsksAndRestartsFromTheFirstBlock()
    {
        LinkRig rig;
        Link().NoEchoMode = true;
        rig.radio.memory = randomMemory();
        rig.radio.dropReplyAt[0x0500] = 4;
        rig.answers.answers << Answer::Ok;
        QVERIFY(rig.engine.StartRead(LinkEngine::Confirm::Given));
        QVERIFY(rig.waitResult());
        QCOMPARE(rig.answers.questions, QStringList{LangText(9008)});
        QCOMPARE(rig.radio.countOf('P'), 2);
        QCOMPARE(readsOf(rig.radio, 0x0000), 2);
        QCOMPARE(readsOf(rig.radio, 0x0500), 5);
        QCOMPARE(Link().BlockRetries[0x0500 / 16], int16_t(0));
        QCOMPARE(Link().TransferBuffer, rig.radio.memory);
        QCOMPARE(rig.ui.percents.last(), 100);
        QVERIFY(rig.ui.percents.count(0) >= 2);   // the bar went back to 0 for the new attempt
    }

    void blockOutOfRetriesAndCancelEndsTheRead()
    {
        LinkRig rig;
        Link().NoEchoMode = true;
        rig.radio.dropReplyAt[0x0500] = 100;
        const QByteArray before = Image().toBytes();
        QVERIFY(rig.engine.StartRead(LinkEngine::Confirm::Given));
        QVERIFY(!rig.waitResult());
        QCOMPARE(readsOf(rig.radio, 0x0500), 4);
        QCOMPARE(rig.answers.questions, QStringList{LangText(9008)});
        QCOMPARE(Image().toBytes(), before);
    }

    void cablePulledMidReadEndsAtOnceWithImageUnchanged()
    {
        LinkRig rig;
        Link().NoEchoMode = true;
        rig.radio.hangUpAfterCommands = 100;
        const QByteArray before = Image().toBytes();
        QVERIFY(rig.engine.StartRead(LinkEngine::Confirm::Given));
        QVERIFY(!rig.waitResult());
        QVERIFY(rig.ended());
        QVERIFY(!rig.port.PortOpen());
        QVERIFY(!rig.ui.progressOpen);
        QCOMPARE(rig.radio.commandsReceived(), 100);
        QVERIFY(rig.answers.questions.isEmpty());   // no retry question, no endless retry
        QCOMPARE(rig.answers.messages.size(), 1);
        QVERIFY(rig.answers.messages.last().startsWith(LangText(9066)));
        QVERIFY(rig.answers.messages.last().contains(rig.radio.devicePath()));
        QCOMPARE(rig.answers.icons.last(), MsgIcon::Critical);
        QCOMPARE(Image().toBytes(), before);
    }

    void cablePulledDuringAWriteEndsTheWrite()
    {
        LinkRig rig;
        Link().NoEchoMode = true;
        rig.radio.hangUpAfterCommands = 10;
        QVERIFY(rig.engine.StartWrite(LinkEngine::Confirm::Given));
        QVERIFY(!rig.waitResult());
        QVERIFY(rig.answers.messages.last().startsWith(LangText(9066)));
        QVERIFY(!rig.ui.progressOpen);
        // The engine is usable again once a radio is there.
        QVERIFY(rig.radio.start());
        PinRunDevice(rig.radio.devicePath());
        rig.radio.hangUpAfterCommands = -1;
        QVERIFY(rig.engine.StartRead(LinkEngine::Confirm::Given));
        QVERIFY(rig.waitResult());
    }

    void deviceGoneBeforeTheTransferStarts()
    {
        LinkRig rig;
        rig.answers.answers << Answer::Ok;
        // The port test passes; the adapter is pulled while the question is on screen.
        QVERIFY(rig.engine.StartRead());
        rig.radio.hangUp();
        QVERIFY(!rig.waitResult());
        QVERIFY(rig.answers.messages.last().startsWith(LangText(9003)));
        QVERIFY(!rig.ui.progressOpen);
        QVERIFY(rig.ended());
    }

    void portThatCannotBeOpenedLeavesTheLinkIdle()
    {
        LinkRig rig;
        PinRunDevice(QStringLiteral("/dev/tarven-no-such-device"));
        QVERIFY(!rig.engine.StartRead());
        QVERIFY(!rig.engine.StartRadioInfoRead());
        QVERIFY(rig.ended());
        QVERIFY(rig.finished.isEmpty());
        QCOMPARE(rig.answers.messages.size(), 2);
        QVERIFY(rig.answers.messages.first().startsWith(LangText(9003)));
        QVERIFY(rig.answers.messages.first().contains(LangText(9069)));
        QCOMPARE(rig.answers.icons.first(), MsgIcon::Critical);
    }
};

QTEST_GUILESS_MAIN(TestLinkFaults)
#include "tst_linkfaults.moc"
