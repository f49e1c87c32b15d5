// The engine's answers to the radio at each stage of read and write: time-outs of the
// password block and the identification, a write block out of tries with the restart
// after OK and the end after Cancel, the version question, a radio that refuses a frame
// for ever, and a cable pulled in the middle of a write.
#include "LinkOutcome.h"
#include "LinkRig.h"

namespace {
// The retry question of a write whose radio stopped answering at `address`.
QString stalledAt(int address)
{
    LinkOutcome partial;
    partial.writtenBytes = address;
    return LangText(9008) + QStringLiteral("\r\n\r\n") + RadioHoldsText(partial, Image().header.model.bandMode);
}
} // namespace

class TestLinkEngine : public QObject {
    Q_OBJECT
private slots:
    // A radio answering 0A to the same frame for ever: ten in a row are one failed try,
    // so the write ends through the usual retry question.
    void persistentSendAgainEndsThroughTheRetryQuestion()
    {
        LinkRig rig;
        Link().NoEchoMode = true;
        rig.radio.sendAgainAt[0x0200] = 1000000;
        QVERIFY(rig.engine.StartWrite(LinkEngine::Confirm::Given));
        QVERIFY(!rig.waitResult());
        // The question says how much of the new data the radio holds by now.
        QCOMPARE(rig.answers.questions, QStringList{stalledAt(0x0200)});
        QVERIFY(rig.answers.questions.first().contains(QStringLiteral("01FF")));
        const int tries = 1 + kBlockRetries;
        QCOMPARE(writesOf(rig.radio, 0x0200), tries * LinkEngine::kMaxSendAgainInARow);
        QTRY_COMPARE(rig.radio.commands().last(), LinkFrames::endCommand());
        QVERIFY(rig.ended());
    }

    // The password block gets its three tries, then the retry question.
    void passwordBlockTimeOut()
    {
        LinkRig rig;
        Link().NoEchoMode = true;
        rig.radio.dropReplyAt[0x3E10] = 100;
        QVERIFY(rig.engine.StartRead(LinkEngine::Confirm::Given));
        QVERIFY(!rig.waitResult());
        QCOMPARE(readsOf(rig.radio, 0x3E10), kPasswordRetries);
        QCOMPARE(rig.answers.questions, QStringList{LangText(9008)});
        QCOMPARE(readsOf(rig.radio, 0x0000), 0);
    }

    // A lost identification asks at once; OK starts again from "PROGRAM".
    void identificationTimeOutAsksAndRetries()
    {
        LinkRig rig;
        Link().NoEchoMode = true;
        rig.radio.dropIdentReplies = 1;
        rig.answers.answers << Answer::Ok;
        QVERIFY(rig.engine.StartRead(LinkEngine::Confirm::Given));
        QVERIFY(rig.waitResult());
        QCOMPARE(rig.answers.questions, QStringList{LangText(9008)});
        QCOMPARE(rig.radio.countOf('P'), 2);
        QCOMPARE(rig.radio.countOf(2), 2);
    }

    // A write block out of tries: OK restarts the write from "PROGRAM" and it completes.
    void writeBlockTimeOutRestartsAfterOk()
    {
        LinkRig rig;
        Link().NoEchoMode = true;
        rig.radio.dropReplyAt[0x0300] = 1 + kBlockRetries;
        rig.answers.answers << Answer::Ok;
        QVERIFY(rig.engine.StartWrite(LinkEngine::Confirm::Given));
        QVERIFY(rig.waitResult());
        QCOMPARE(rig.answers.questions, QStringList{stalledAt(0x0300)});
        QCOMPARE(rig.radio.countOf('P'), 2);
        QCOMPARE(writesOf(rig.radio, 0x0000), 2);
        QCOMPARE(rig.radio.memory, LinkRig::packed(Image()));
        QCOMPARE(rig.answers.messages.last(), LangText(9010));
    }

    // Cancel at the retry question ends the write: "END" goes out, the port closes.
    void writeCancelledAtTheRetryQuestion()
    {
        LinkRig rig;
        Link().NoEchoMode = true;
        rig.radio.dropReplyAt[0x0300] = 100;
        rig.answers.answers << Answer::Cancel;
        QVERIFY(rig.engine.StartWrite(LinkEngine::Confirm::Given));
        QVERIFY(!rig.waitResult());
        QCOMPARE(writesOf(rig.radio, 0x0300), 1 + kBlockRetries);
        QCOMPARE(writesOf(rig.radio, 0x0310), 0);
        QTRY_COMPARE(rig.radio.commands().last(), LinkFrames::endCommand());
        QVERIFY(!rig.port.PortOpen());
        QVERIFY(!rig.ui.progressOpen);
    }

    // A radio firmware this release does not support: the version question; No ends the
    // write before any data, Yes without a release that supports it keeps the program.
    void versionQuestionDuringAWrite_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("no") << Answer::No;
        QTest::newRow("yes") << Answer::Yes;
    }
    void versionQuestionDuringAWrite()
    {
        QFETCH(Answer, answer);
        LinkRig rig;
        Link().NoEchoMode = true;
        rig.radio.firmware = QStringLiteral("V109");
        const QByteArray before = rig.radio.memory;
        rig.answers.answers << answer;
        QVERIFY(rig.engine.StartWrite(LinkEngine::Confirm::Given));
        QVERIFY(!rig.waitResult());
        QCOMPARE(rig.answers.questions.size(), 1);
        QVERIFY(rig.answers.questions.first().contains(QStringLiteral("V1.09")));
        QCOMPARE(rig.radio.countOf('W'), 0);
        QCOMPARE(rig.radio.memory, before);
        QVERIFY(!rig.answers.endRequested);
        if (answer == Answer::Yes)
            QCOMPARE(rig.answers.messages, QStringList{LangText(9063)});
    }

    // A cable pulled during the data frames: the message says in plain words that the
    // device is gone and that the radio may hold a partial write.
    void cablePulledDuringTheDataFramesSaysWhatItMeans()
    {
        LinkRig rig;
        Link().NoEchoMode = true;
        rig.radio.hangUpAfterCommands = 40;
        QVERIFY(rig.engine.StartWrite(LinkEngine::Confirm::Given));
        QVERIFY(!rig.waitResult());
        const QString m = rig.answers.messages.last();
        QVERIFY2(m.contains(LangText(30003)) && m.contains(LangText(30004)), qPrintable(m));
        QVERIFY2(!m.contains(QStringLiteral("ioctl")), qPrintable(m));
    }
};

QTEST_GUILESS_MAIN(TestLinkEngine)
#include "tst_linkengine.moc"
