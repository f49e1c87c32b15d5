// The safety net on the real link against the simulated radio: a write read back and
// checked, a cancel at many points of a read and of a write, and the backups of both.
#include "BackupStore.h"
#include "LinkOutcome.h"
#include "LinkRig.h"
#include "MemoryLayout.h"
#include "ReadImage.h"
#include "TransferBackups.h"

#include <QRandomGenerator>

namespace {
QByteArray randomMemory(quint32 seed)
{
    QByteArray b(kTransferBytes, '\0');
    QRandomGenerator rng(seed);
    for (char &c : b)
        c = char(rng.bounded(256));
    return b;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Cancels the engine once the radio has taken `after` commands.
void cancelAfter(LinkRig &rig, int after)
{
    QObject::connect(&rig.radio, &SimulatedRadio::commandReceived, &rig.engine, [&rig, after] {
        if (rig.radio.commandsReceived() == after)
            rig.engine.Cancel();
    });
}

// What every cancelled operation leaves: the radio told "END" (if it was told anything),
// the port closed, the engine idle, the window told.
void checkCancelledCleanly(LinkRig &rig)
{
    QVERIFY(!rig.waitResult());
    QVERIFY(rig.ended());
    QVERIFY(!rig.port.PortOpen());
    QVERIFY(rig.engine.lastOutcome().cancelled);
    QVERIFY(rig.ui.phases.contains(LinkPhase::Cancelling));
    QVERIFY(!rig.ui.progressOpen);
    if (rig.radio.commandsReceived() > 0)
        QCOMPARE(rig.radio.commands().last(), QByteArray("END"));
    QVERIFY(rig.answers.questions.isEmpty());
}
} // namespace

class TestLinkSafety : public QObject {
    Q_OBJECT
private slots:
    void writeIsReadBackAndPassesOnAHealthyRadio()
    {
        LinkRig rig;
        Link().NoEchoMode = true;
        rig.engine.setVerifyAfterWrite(true);
        QVERIFY(rig.engine.StartWrite(LinkEngine::Confirm::Given));
        QVERIFY(rig.waitResult());
        QCOMPARE(rig.radio.memory, LinkRig::packed(Image()));
        QCOMPARE(rig.radio.countOf('P'), 2);
        QCOMPARE(rig.radio.countOf('W'), 464);
        QCOMPARE(rig.radio.countOf('R'), 1 + 1 + 464);   // two password blocks, the read back
        QCOMPARE(rig.radio.commands().last(), QByteArray("END"));
        QCOMPARE(rig.ui.phases, QList<LinkPhase>{LinkPhase::Verifying});
        QCOMPARE(rig.ui.percents.last(), 100);
        QVERIFY(rig.engine.lastOutcome().verified);
        // The success message says the write was checked, not only sent.
        QCOMPARE(rig.answers.messages, QStringList{LangText(9010) + QLatin1Char('\n') + LangText(30600)});
        QVERIFY(!rig.port.PortOpen());
    }

    void aByteStoredWronglyFailsTheWriteByName_data()
    {
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("mask");
        QTest::addColumn<QString>("named");
        QTest::newRow("channel frequency") << 0x00B0 << 0x01 << QStringLiteral("Channel 12 (EU 12): ") + LangText(15002);
        QTest::newRow("channel in use") << 0x1900 << 0x02 << QStringLiteral("Channel 2 (EU 2): ") + LangText(30124);
        QTest::newRow("option") << 0x1A45 << 0x80 << LangText(16000) + QStringLiteral(": ") + LangText(16008);
        QTest::newRow("common channel") << 0x1A3B << 0x80 << LangText(16101) + QStringLiteral(": ") + LangText(15005);
        QTest::newRow("key") << 0x1A88 << 0x01 << LangText(25008) + QStringLiteral(" 2: P3");
        QTest::newRow("tone tip") << MemoryLayout::toneTipAddress(2) << 0x01 << LangText(29001) + QStringLiteral(" 2");
        QTest::newRow("DTMF code") << 0x1C30 << 0xFF << QStringLiteral("DTMF code 4");
        QTest::newRow("unused byte") << 0x1A13 << 0x01 << QString();
    }
    void aByteStoredWronglyFailsTheWriteByName()
    {
        QFETCH(int, address);
        QFETCH(int, mask);
        QFETCH(QString, named);
        LinkRig rig;
        Link().NoEchoMode = true;
        rig.engine.setVerifyAfterWrite(true);
        rig.radio.flipStoredAddress = address;
        rig.radio.flipStoredMask = uint8_t(mask);
        QVERIFY(rig.engine.StartWrite(LinkEngine::Confirm::Given));
        const bool ok = rig.waitResult();
        QVERIFY(rig.ended());
        QCOMPARE(uint8_t(rig.radio.memory.at(address)), uint8_t(LinkRig::packed(Image()).at(address) ^ mask));
        if (named.isEmpty()) {   // a byte the layout does not use is not checked
            QVERIFY(ok);
            return;
        }
        QVERIFY(!ok);
        const LinkOutcome &outcome = rig.engine.lastOutcome();
        QCOMPARE(outcome.differences.size(), 1);
        QVERIFY2(outcome.differences.first().startsWith(named), qPrintable(outcome.differences.first()));
        QCOMPARE(rig.answers.messages.size(), 1);
        QVERIFY(rig.answers.messages.first().startsWith(LangText(30115)));
        QVERIFY(rig.answers.messages.first().contains(outcome.differences.first()));
        QCOMPARE(rig.answers.icons.first(), MsgIcon::Critical);
    }

    void cancelledReadEndsCleanlyAndChangesNothing_data()
    {
        QTest::addColumn<int>("after");
        // Entry, identification, password block, first, middle and last block, "END".
        for (int after : {1, 2, 3, 4, 120, 467, 468})
            QTest::newRow(qPrintable(QStringLiteral("after %1 commands").arg(after))) << after;
    }
    void cancelledReadEndsCleanlyAndChangesNothing()
    {
        QFETCH(int, after);
        LinkRig rig;
        Link().NoEchoMode = true;
        rig.radio.memory = randomMemory(7);
        const QByteArray document = Image().toBytes();
        cancelAfter(rig, after);
        QVERIFY(rig.engine.StartRead(LinkEngine::Confirm::Given));
        checkCancelledCleanly(rig);
        // At most the exchange in flight and "END" after the cancel.
        QVERIFY(rig.radio.commandsReceived() <= after + 1);
        QCOMPARE(Image().toBytes(), document);
    }

    void cancelledWriteTellsHowFarItGot_data()
    {
        QTest::addColumn<int>("after");
        for (int after : {1, 3, 4, 5, 250, 467, 468})
            QTest::newRow(qPrintable(QStringLiteral("after %1 commands").arg(after))) << after;
    }
    void cancelledWriteTellsHowFarItGot()
    {
        QFETCH(int, after);
        LinkRig rig;
        Link().NoEchoMode = true;
        const QByteArray before = randomMemory(11);
        rig.radio.memory = before;
        cancelAfter(rig, after);
        QVERIFY(rig.engine.StartWrite(LinkEngine::Confirm::Given));
        checkCancelledCleanly(rig);
        const int written = rig.engine.lastOutcome().writtenBytes;
        QCOMPARE(written % 16, 0);
        // Every data frame acknowledged is in the radio; beyond the frame in flight, the
        // radio holds what it held.
        const QByteArray packed = LinkRig::packed(Image());
        QCOMPARE(rig.radio.memory.left(written), packed.left(written));
        if (written + 16 < kTransferBytes)
            QCOMPARE(rig.radio.memory.mid(written + 16), before.mid(written + 16));
        QCOMPARE(written, after <= 3 ? 0 : after >= 468 ? kTransferBytes : (after - 3) * 16);
    }

    void cancelWhileReadingBackLeavesTheWholeWrite()
    {
        LinkRig rig;
        Link().NoEchoMode = true;
        rig.engine.setVerifyAfterWrite(true);
        cancelAfter(rig, 468 + 50);
        QVERIFY(rig.engine.StartWrite(LinkEngine::Confirm::Given));
        checkCancelledCleanly(rig);
        QCOMPARE(rig.engine.lastOutcome().writtenBytes, kTransferBytes);
        QCOMPARE(rig.radio.memory, LinkRig::packed(Image()));
    }

    void cancelBeforeTheTransferBeginsSendsNothing()
    {
        LinkRig rig;
        QVERIFY(rig.engine.StartRead(LinkEngine::Confirm::Given));
        rig.engine.Cancel();
        checkCancelledCleanly(rig);
        QCOMPARE(rig.radio.commandsReceived(), 0);
        // The engine takes the next operation.
        Link().NoEchoMode = true;
        QVERIFY(rig.engine.StartRead(LinkEngine::Confirm::Given));
        QVERIFY(rig.waitResult());
        QVERIFY(!rig.engine.lastOutcome().cancelled);
    }

    void readAndWriteLeaveByteExactBackups()
    {
        LinkRig rig;
        Link().NoEchoMode = true;
        QTemporaryDir tmp;
        TransferBackups backups(rig.engine);
        backups.setFolder(tmp.path());
        RadioImage onRadio = Image();
        onRadio.removeChannel(3);
        onRadio.header.tips[0].LoopCount = 7;
        rig.radio.memory = LinkRig::packed(onRadio);

        QVERIFY(rig.engine.StartRead(LinkEngine::Confirm::Given));
        QVERIFY(rig.waitResult());
        QStringList files = BackupStore::Backups(tmp.path());
        QCOMPARE(files.size(), 1);
        QVERIFY(files.first().endsWith(QLatin1String("-read-cb.dat")));
        // The backup is the document the read makes, byte for byte.
        QVERIFY(LinkEngine::ApplyReadToImage());
        StampForFile(Image());
        QCOMPARE(fileBytes(files.first()), Image().toBytes());

        // The radio's serial number names the next backups.
        QVERIFY(rig.engine.StartRadioInfoRead());
        QVERIFY(rig.waitResult());
        Image().header.keys.KeyFunc[0] = 5;
        QVERIFY(rig.engine.StartWrite(LinkEngine::Confirm::Given));
        QVERIFY(rig.waitResult());
        files = BackupStore::Backups(tmp.path());
        QCOMPARE(files.size(), 2);
        QVERIFY2(files.last().endsWith(QLatin1String("-write-cb-TV2-0001234.dat")), qPrintable(files.last()));
        const RadioImage written = RadioImage::fromBytes(fileBytes(files.last()));
        QCOMPARE(LinkRig::packed(written), rig.radio.memory);
        QCOMPARE(written.header.keys.KeyFunc[0], int16_t(5));
    }

    void aBackupThatCannotBeWrittenWarnsAndTheWriteGoesOn()
    {
        LinkRig rig;
        Link().NoEchoMode = true;
        QTemporaryFile plain;
        QVERIFY(plain.open());
        TransferBackups backups(rig.engine);
        backups.setFolder(plain.fileName() + QStringLiteral("/backups"));
        QVERIFY(rig.engine.StartWrite(LinkEngine::Confirm::Given));
        QVERIFY(rig.waitResult());
        QCOMPARE(rig.answers.messages.size(), 2);
        QVERIFY(rig.answers.messages.first().startsWith(LangText(30116).section(QStringLiteral("%1"), 0, 0)));
        QCOMPARE(rig.answers.icons.first(), MsgIcon::Warning);
        QCOMPARE(rig.answers.messages.last(), LangText(9010));
        QCOMPARE(rig.radio.memory, LinkRig::packed(Image()));
    }
};

QTEST_GUILESS_MAIN(TestLinkSafety)
#include "tst_linksafety.moc"
