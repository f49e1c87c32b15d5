// The radio-information read: the exchange, the decoded record, and its retries.
#include "LinkFrames.h"
#include "LinkRig.h"
#include "RadioInfo.h"

namespace {
void putText(QByteArray &area, int offset, int width, const QByteArray &text)
{
    for (int i = 0; i < width; ++i)
        area[offset + i] = i < text.size() ? text.at(i) : '\0';
}
}

class TestLinkInfo : public QObject {
    Q_OBJECT
private slots:
    void infoReadDecodesEveryField()
    {
        LinkRig rig;
        Link().NoEchoMode = true;
        QByteArray &a = rig.radio.info;
        a.fill(char(0xFF));
        a[0] = char(0x32);                       // high bits are not the band
        putText(a, 0x20, 8, "07-1-E-1");
        putText(a, 0x28, 4, "C0DE");
        putText(a, 0x2C, 4, "EU");
        putText(a, 0x30, 16, "SN-12345");
        putText(a, 0x40, 16, "2023-01-02");
        putText(a, 0x50, 16, "2024-03-04");
        putText(a, 0x60, 96, QByteArray(96, 'r'));
        putText(a, 0xC0, 16, "DEALER 9");
        putText(a, 0xD0, 16, "2023-02-03");
        putText(a, 0xE0, 16, "2023-04-05");
        putText(a, 0xF0, 16, "ANNA");
        CurrentRadioInfo().model = QStringLiteral("TARVEN2");
        CurrentRadioInfo().versionInfo = QStringLiteral("V1.00");

        QVERIFY(rig.engine.StartRadioInfoRead());
        QVERIFY(rig.waitResult());
        QCOMPARE(rig.radio.commandsReceived(), 19);
        QCOMPARE(rig.radio.commands().at(2), LinkFrames::readCommand(0x3E00, 16));
        QCOMPARE(rig.ui.progressOpened, 0);
        QVERIFY(rig.answers.messages.isEmpty());
        QCOMPARE(Link().InfoBuffer, rig.radio.info);

        const RadioInfo &r = CurrentRadioInfo();
        QCOMPARE(r.bandMode, 2);
        QCOMPARE(r.batchNumber, QStringLiteral("07-1-E-1"));
        QCOMPARE(r.customerCode, QStringLiteral("C0DE"));
        QCOMPARE(r.salesAreaCode, QStringLiteral("EU"));
        QCOMPARE(r.serialNumber, QStringLiteral("SN-12345"));
        QCOMPARE(r.factoryDate, QStringLiteral("2023-01-02"));
        QCOMPARE(r.repairDate, QStringLiteral("2024-03-04"));
        QCOMPARE(r.repairReason, QString(96, QLatin1Char('r')));
        QCOMPARE(r.dealerCode, QStringLiteral("DEALER 9"));
        QCOMPARE(r.stockInDate, QStringLiteral("2023-02-03"));
        QCOMPARE(r.saleDate, QStringLiteral("2023-04-05"));
        QCOMPARE(r.handler, QStringLiteral("ANNA"));
        QCOMPARE(r.model, QStringLiteral("TARVEN2"));
        QCOMPARE(r.versionInfo, QStringLiteral("V1.00"));
    }

    void emptyAreaGivesEmptyTextsAndBand15()
    {
        const RadioInfo r = DecodedRadioInfo(QByteArray(256, char(0xFF)), RadioInfo{});
        QCOMPARE(r.bandMode, 15);
        QVERIFY(r.serialNumber.isEmpty() && r.handler.isEmpty() && r.repairReason.isEmpty());
        // A short area reads as FF, never beyond its end.
        QCOMPARE(DecodedRadioInfo(QByteArray(0x33, 'x'), RadioInfo{}).serialNumber, QStringLiteral("xxx"));
    }

    void timedOutBlockIsReadAgainAfterRetry()
    {
        LinkRig rig;
        Link().NoEchoMode = true;
        rig.radio.dropReplyAt[0x3E50] = 1;
        rig.answers.answers << Answer::Retry;
        QVERIFY(rig.engine.StartRadioInfoRead());
        QVERIFY(rig.waitResult());
        QCOMPARE(rig.answers.questions, QStringList{LangText(9008)});
        QCOMPARE(rig.radio.countOf('P'), 2);
        QCOMPARE(int(std::count(rig.radio.commands().begin(), rig.radio.commands().end(),
                                LinkFrames::readCommand(0x3E50, 16))), 2);
        QCOMPARE(Link().InfoBuffer, rig.radio.info);
    }

    void silentRadioAsksRetryAndCancelEnds()
    {
        LinkRig rig;
        rig.radio.silent = true;
        rig.answers.answers << Answer::Retry;   // the second question comes at once
        QVERIFY(rig.engine.StartRadioInfoRead());
        QVERIFY(!rig.waitResult());
        QCOMPARE(rig.radio.countOf('P'), 5);
        QCOMPARE(rig.answers.questions.size(), 2);
        QVERIFY(!rig.port.PortOpen());
    }

    void secondOperationWhileBusyIsRefused()
    {
        LinkRig rig;
        Link().NoEchoMode = true;
        QVERIFY(rig.engine.StartRadioInfoRead());
        QVERIFY(!rig.engine.StartRadioInfoRead());
        QVERIFY(!rig.engine.StartRead(LinkEngine::Confirm::Given));
        // Each refusal says what is running, in the words of its menu entry.
        QCOMPARE(rig.answers.messages.size(), 2);
        for (const QString &m : rig.answers.messages) {
            QVERIFY2(m.startsWith(LangText(30005)), qPrintable(m));
            QVERIFY2(m.contains(QStringLiteral("Radio Information")), qPrintable(m));
        }
        QVERIFY(rig.waitResult());
        QCOMPARE(rig.finished.size(), 0);
        QCOMPARE(rig.radio.countOf('P'), 1);
    }
};

QTEST_GUILESS_MAIN(TestLinkInfo)
#include "tst_linkinfo.moc"
