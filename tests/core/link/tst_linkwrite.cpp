// Writes to the simulated radio through the real serial layer: what arrives in the
// radio's memory, the checks before any data frame, and images the radio cannot hold.
#include "LinkFrames.h"
#include "LinkRig.h"

class TestLinkWrite : public QObject {
    Q_OBJECT
private slots:
    void writeLeavesThePackedImageInTheRadio()
    {
        LinkRig rig(1);
        Link().NoEchoMode = true;
        rig.radio.memory.fill(char(0x5A));
        QVERIFY(Image().addChannel(123, QStringLiteral("29.12500")));
        Image().header.tips[4].LoopCount = 3;
        rig.answers.answers << Answer::Ok;
        QVERIFY(rig.engine.StartWrite());
        QCOMPARE(rig.answers.questions, QStringList{LangText(9005)});
        QVERIFY(rig.waitResult());

        QCOMPARE(rig.radio.memory, LinkRig::packed(Image()));
        QCOMPARE(rig.radio.commandsReceived(), 468);
        QCOMPARE(rig.radio.countOf('W'), 464);
        QCOMPARE(rig.radio.commands().at(2), LinkFrames::readCommand(0x3E10, 16));
        QCOMPARE(rig.radio.commands().last(), QByteArray("END"));
        QCOMPARE(rig.answers.messages, QStringList{LangText(9010)});
        QCOMPARE(rig.ui.progressOperation, int(LinkWrite));
        QCOMPARE(rig.ui.percents.last(), 100);
    }

    void bandOfTheRadioMustMatchTheImage()
    {
        LinkRig rig(0);
        Link().NoEchoMode = true;
        rig.radio.band = 1;
        const QByteArray memory = rig.radio.memory;
        QVERIFY(rig.engine.StartWrite(LinkEngine::Confirm::Given));
        QVERIFY(!rig.waitResult());
        QCOMPARE(rig.answers.messages, QStringList{LangText(9030)});
        QCOMPARE(rig.answers.icons.first(), MsgIcon::Warning);
        QCOMPARE(rig.radio.countOf('W'), 0);
        QCOMPARE(rig.radio.memory, memory);
    }

    void radioWithoutToneFunctionIsWarnedAboutAndWritten()
    {
        LinkRig rig;
        Link().NoEchoMode = true;
        rig.radio.ctcssDcs = false;
        QVERIFY(rig.engine.StartWrite(LinkEngine::Confirm::Given));
        QVERIFY(rig.waitResult());
        QCOMPARE(rig.answers.messages.first(),
                 QStringLiteral("CTCSS/DCS Function is invalid,\r\nSome features will not work."));
        QCOMPARE(rig.radio.countOf('W'), 464);
    }

    void valueThatDoesNotFitRefusesTheWriteBeforeAnythingIsSent_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("named");
        // Named in the words of the windows, never by the code's field names.
        QTest::newRow("channel power") << 0 << QStringLiteral("Channel 1 (EU 1): TX power is 4 (allowed 0 to 3)");
        QTest::newRow("option byte") << 1 << QStringLiteral("Optional Features: Time-out timer is 256");
        QTest::newRow("seven-bit option") << 2 << QStringLiteral("Optional Features: ASQ level is 128 (allowed 0 to 127)");
        QTest::newRow("frequency") << 3 << QStringLiteral("Channel 1 (EU 1): the frequency \"12801500\"");
        QTest::newRow("channel number") << 4 << QStringLiteral("Channel 0:");
        QTest::newRow("tone tip") << 5 << QStringLiteral("Tone tip 8: Step 14, Length (ms) is -1");
        QTest::newRow("duplex") << 6 << QStringLiteral("Channel 1 (EU 1): Duplex is 7 (allowed 0 to 3)");
    }
    void valueThatDoesNotFitRefusesTheWriteBeforeAnythingIsSent()
    {
        QFETCH(int, field);
        QFETCH(QString, named);
        LinkRig rig;
        RadioImage &img = Image();
        ChannelRecord &first = img.at(0);
        QCOMPARE(first.number, int16_t(1));
        switch (field) {
        case 0: first.Tx_Power = 4; break;
        case 1: img.header.options.TOT = 256; break;
        case 2: img.header.options.AsqValue = 128; break;
        case 3: first.setFreqText(QStringLiteral("12801500")); break;
        case 4: first.number = 0; break;
        case 5: img.header.tips[7].steps[13].ToneLen = -1; break;
        case 6: first.DUP = 7; break;
        }
        QVERIFY(!rig.engine.StartWrite());
        QVERIFY(rig.answers.questions.isEmpty());
        QCOMPARE(rig.answers.messages.size(), 1);
        QVERIFY(rig.answers.messages.first().startsWith(LangText(9067)));
        const QString message = rig.answers.messages.first();
        QVERIFY2(message.contains(named), qPrintable(message));
        for (const char *codeName : {"Tx_Power", "TOT", "AsqValue", "DUP", "ToneLen"})
            QVERIFY2(!message.contains(QLatin1String(codeName)), qPrintable(message));
        QVERIFY(rig.ended());
        QTest::qWait(50);
        QCOMPARE(rig.radio.commandsReceived(), 0);
    }
};

QTEST_GUILESS_MAIN(TestLinkWrite)
#include "tst_linkwrite.moc"
