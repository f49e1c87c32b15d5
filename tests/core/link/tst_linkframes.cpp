// Frames and recognisers: the replies a radio may send, with and without the cable's
// echo, and the malformed ones that must be ignored.
#include "LinkFrames.h"

#include <QtTest>

using namespace LinkFrames;

class TestLinkFrames : public QObject {
    Q_OBJECT
private slots:
    void commandsHaveTheirBytes()
    {
        QCOMPARE(readCommand(0x1CF0, 16), QByteArray("R\x1C\xF0\x10", 4));
        const QByteArray f = dataFrame(0x0120, QByteArray(16, '\x01'));
        QCOMPARE(f.size(), 22);
        QCOMPARE(uint8_t(f.at(20)), uint8_t((0x01 + 0x20 + 0x10 + 16) & 0xFF));
        QCOMPARE(uint8_t(f.at(21)), kAck);
    }

    void dataFramesAreCheckedWholly()
    {
        const QByteArray good = dataFrame(0x3E10, QByteArray(16, '\xF0'));
        DataReply r;
        QVERIFY(parseDataFrame(good, 0, &r));
        QCOMPARE(r.address, 0x3E10);
        QCOMPARE(r.data, QByteArray(16, '\xF0'));
        QVERIFY(parseDataFrame(QByteArray("R\x3E\x10\x10", 4) + good, 4, nullptr));   // after an echo

        QByteArray badSum = good;
        badSum[20] = char(badSum.at(20) + 1);
        QByteArray noAck = good;
        noAck[21] = 0x0A;
        QByteArray wrongLength = good;
        wrongLength[3] = 0x0F;
        QVERIFY(!parseDataFrame(badSum, 0, nullptr));
        QVERIFY(!parseDataFrame(noAck, 0, nullptr));
        QVERIFY(!parseDataFrame(wrongLength, 0, nullptr));
        QVERIFY(!parseDataFrame(good.left(21), 0, nullptr));
        QVERIFY(!parseDataFrame(QByteArray(), 0, nullptr));
    }

    void repliesNeedTheirExactLength()
    {
        const QByteArray echo("PROGRAM");
        QVERIFY(isEntryAnswer(echo + entryReply(), 7));
        QVERIFY(!isEntryAnswer(QByteArray("PRO"), 0));          // an echo mistaken for the answer
        QVERIFY(isAck(QByteArray("END\x06"), 3));
        QVERIFY(!isAck(QByteArray("\x06\x06"), 0));
        QVERIFY(isSendAgain(QByteArray("\x0A"), 0));
        QVERIFY(!isIdentRecord(QByteArray("\x06"), 0));         // 06 where a record is due
    }

    void identificationRecordIsParsed()
    {
        QByteArray rec = identRecord({QStringLiteral("AB"), 2, QStringLiteral("V101"), true});
        QVERIFY(isIdentRecord(rec, 0));
        RadioIdentRecord id = parseIdent(QByteArray(1, '\x02') + rec, 1);
        QCOMPARE(id.model, QStringLiteral("AB"));
        QCOMPARE(id.band, 2);
        QCOMPARE(id.version, QStringLiteral("V101"));
        QVERIFY(id.ctcssDcs);
        rec[13] = char(0xFE);   // other capability bits do not count
        QVERIFY(!parseIdent(rec, 0).ctcssDcs);
    }

    void passwordEndsAtNulOrFF()
    {
        QByteArray block(16, '\0');
        QCOMPARE(passwordOfBlock(QByteArray(16, '\xFF')), QString());
        block.replace(12, 4, QByteArray("ab\0z", 4));
        QCOMPARE(passwordOfBlock(block), QStringLiteral("ab"));
        block.replace(12, 4, QByteArray("1234"));
        QCOMPARE(passwordOfBlock(block), QStringLiteral("1234"));
        block.replace(12, 4, QByteArray("x\xFFyz", 4));
        QCOMPARE(passwordOfBlock(block), QStringLiteral("x"));
    }
};

QTEST_GUILESS_MAIN(TestLinkFrames)
#include "tst_linkframes.moc"
