// The radio history: entries that know what they are, receipts of writes, an index that
// the files can always rebuild, and pruning that keeps what matters whatever the clock.
#include "BackupStore.h"
#include "DataFile.h"
#include "ImageDiff.h"
#include "LinkState.h"
#include "Models.h"
#include "NewImage.h"
#include "RadioHistory.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "TestProgramDir.h"

#include <QtTest>

using namespace RadioHistory;

namespace {
const QDateTime kNow(QDate(2026, 12, 8), QTime(9, 30, 15));

LinkOutcome outcome(int writtenBytes, bool verified = false, const QStringList &differences = {})
{
    LinkOutcome o;
    o.operation = LinkWrite;
    o.writtenBytes = writtenBytes;
    o.verified = verified;
    o.differences = differences;
    return o;
}

WriteReceipt receipt(const RadioImage &img, const QString &serial, const LinkOutcome &o, const QString &previous = {})
{
    WriteReceipt r;
    r.written = img;
    r.serial = serial;
    r.firmware = QStringLiteral("V100");
    r.outcome = o;
    r.previousEntry = previous;
    return r;
}

QStringList lines(const QList<Difference> &list)
{
    return DifferenceLines(list);
}
} // namespace

class TestRadioHistory : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        env_.reset(new TestProgramDir(false));
        SetCurrentBand(1);
        BuildNewImage();
    }

    void entriesKnowWhatTheyAreAndReceiptsWhatChanged()
    {
        QTemporaryDir tmp;
        const RadioImage before = Image();
        const Recorded read = RecordRead(tmp.path(), before, QStringLiteral(" SN-1 "), QStringLiteral("V100"), kNow);
        QVERIFY2(read.ok, qPrintable(read.error));

        RadioImage after = before;
        after.at(0).Tx_Power = after.at(0).Tx_Power ? 0 : 1;
        after.header.options.AutoPowerOn = 1 - after.header.options.AutoPowerOn;
        const Recorded begun = BeginWrite(tmp.path(), receipt(after, QStringLiteral("SN-1"), {}, read.entry.path), kNow);
        QVERIFY(begun.ok);
        QCOMPARE(Entries(tmp.path()).last().result, WriteResult::Pending);
        const Recorded done = FinishWrite(tmp.path(), begun.entry,
                                          receipt(after, QStringLiteral("SN-1"), outcome(kTransferBytes, true),
                                                  read.entry.path));
        QVERIFY(done.ok);

        const QList<HistoryEntry> entries = Entries(tmp.path());
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries.at(0).kind, HistoryKind::Read);
        QCOMPARE(entries.at(0).serial, QStringLiteral("SN-1"));
        QCOMPARE(entries.at(0).firmware, QStringLiteral("V100"));
        QCOMPARE(entries.at(0).band, 1);
        const HistoryEntry &w = entries.at(1);
        QCOMPARE(w.kind, HistoryKind::VerifiedWrite);
        QCOMPARE(w.result, WriteResult::Verified);
        QCOMPARE(w.previous, read.entry.fileName());
        QVERIFY(w.changesKnown);
        // The receipt's differences are those of the two images in the compare window's words.
        const QStringList expected = lines(CompareImages(before, after, QString(), QString()));
        QCOMPARE(expected.size(), 2);
        QCOMPARE(lines(w.changes), expected);
        RadioImage stored;
        QVERIFY(ReadFullFile(w.path, stored));
        QCOMPARE(stored.toBytes(), after.toBytes());
        QCOMPARE(LatestContents(tmp.path(), QStringLiteral("SN-1"))->path, w.path);
    }

    void whatTheRadioHoldsComesFromReadsAndMatchedWritesOnly()
    {
        QTemporaryDir tmp;
        const Recorded read = RecordRead(tmp.path(), Image(), QStringLiteral("A"), QString(), kNow);
        RecordRead(tmp.path(), Image(), QStringLiteral("B"), QString(), kNow);
        // Later writes to radio A that were not shown to have matched say nothing of it.
        for (const LinkOutcome &o : {outcome(kTransferBytes), outcome(4000), outcome(kTransferBytes, false, {"x"})})
            QVERIFY(RecordWrite(tmp.path(), receipt(Image(), QStringLiteral("A"), o), kNow).ok);
        QCOMPARE(LatestContents(tmp.path(), QStringLiteral("A"))->path, read.entry.path);
        QVERIFY(!LatestContents(tmp.path(), QStringLiteral("C")));
        QVERIFY(!LatestContents(tmp.path(), QString()));
        const QList<HistoryEntry> e = Entries(tmp.path());
        QCOMPARE(e.at(2).result, WriteResult::Unchecked);
        QCOMPARE(e.at(3).result, WriteResult::Partial);
        QCOMPARE(e.at(3).writtenBytes, 4000);
        QCOMPARE(e.at(4).result, WriteResult::Differences);
        QCOMPARE(e.at(4).verifyDifferences, QStringList{"x"});
    }

    // A write that never sent a data frame (a silent radio, a band mismatch) leaves no
    // entry, and so pushes no read out of the history.
    void aWriteThatSentNothingLeavesNothing()
    {
        QTemporaryDir tmp;
        const Recorded read = RecordRead(tmp.path(), Image(), QStringLiteral("A"), QString(), kNow);
        const Recorded begun = BeginWrite(tmp.path(), receipt(Image(), QStringLiteral("A"), {}), kNow);
        QVERIFY(begun.ok && QFileInfo::exists(begun.entry.path));
        const Recorded done = FinishWrite(tmp.path(), begun.entry, receipt(Image(), QStringLiteral("A"), outcome(0)), 1);
        QVERIFY(done.ok);
        QVERIFY(done.entry.path.isEmpty());
        QVERIFY(!QFileInfo::exists(begun.entry.path));
        QVERIFY(!QFileInfo::exists(begun.entry.path.chopped(4) + QStringLiteral(".json")));
        QCOMPARE(BackupStore::Backups(tmp.path()), QStringList{read.entry.path});
        QVERIFY(RecordWrite(tmp.path(), receipt(Image(), QString(), outcome(0)), kNow).entry.path.isEmpty());
        QCOMPARE(Entries(tmp.path()).size(), 1);
    }

    // With the clock set back, every existing entry carries a later time than the new
    // one: the new entry must stay, and so must every radio's latest read.
    void pruningUnderAClockSetBackKeepsTheNewEntryAndEachRadiosLatestRead()
    {
        QTemporaryDir tmp;
        const QDateTime future(QDate(2031, 1, 1), QTime(12, 0));
        const int keep = 20;
        QStringList latestReads;
        for (int radio = 0; radio < 3; ++radio)
            latestReads << RecordRead(tmp.path(), Image(), QStringLiteral("R%1").arg(radio), QString(), future.addSecs(radio), keep)
                               .entry.path;
        for (int i = 0; i < keep; ++i)
            QVERIFY(RecordWrite(tmp.path(), receipt(Image(), QStringLiteral("R0"), outcome(kTransferBytes, true)),
                                future.addSecs(100 + i), keep)
                        .ok);
        QCOMPARE(Entries(tmp.path()).size(), keep);
        for (const QString &p : latestReads)
            QVERIFY(QFileInfo::exists(p));   // the oldest entries, but each radio's latest read

        const Recorded now = RecordRead(tmp.path(), Image(), QString(), QString(), kNow, keep);
        QVERIFY(now.ok);
        QVERIFY(now.removed > 0);
        QVERIFY(QFileInfo::exists(now.entry.path));
        for (const QString &p : latestReads)
            QVERIFY2(QFileInfo::exists(p), qPrintable(p));
        QCOMPARE(Entries(tmp.path()).last().path, now.entry.path);
        QCOMPARE(Entries(tmp.path()).size(), keep);
        // A radio's earlier read goes when a newer read of it exists.
        const Recorded again = RecordRead(tmp.path(), Image(), QStringLiteral("R1"), QString(), kNow, keep);
        QVERIFY(!QFileInfo::exists(latestReads.at(1)));
        QVERIFY(QFileInfo::exists(again.entry.path));
    }

    void theFilesAloneRebuildALostOrDamagedIndex()
    {
        QTemporaryDir tmp;
        RecordRead(tmp.path(), Image(), QStringLiteral("A"), QStringLiteral("V100"), kNow);
        RecordWrite(tmp.path(), receipt(Image(), QStringLiteral("B"), outcome(kTransferBytes, true)), kNow);
        RecordRead(tmp.path(), Image(), QStringLiteral("A"), QStringLiteral("V101"), kNow);
        const QList<HistoryEntry> before = Entries(tmp.path());
        QVERIFY(QFileInfo::exists(IndexPath(tmp.path())));

        auto summary = [](const QList<HistoryEntry> &list) {
            QStringList out;
            for (const HistoryEntry &e : list)
                out << QStringLiteral("%1 %2 %3 %4 %5").arg(e.sequence).arg(KindWord(e.kind), e.serial, e.firmware,
                                                              ResultWord(e.result));
            return out;
        };
        QVERIFY(QFile::remove(IndexPath(tmp.path())));
        QCOMPARE(summary(Entries(tmp.path())), summary(before));
        QVERIFY(QFileInfo::exists(IndexPath(tmp.path())));   // written again

        QFile damaged(IndexPath(tmp.path()));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("{\"version\": 1, \"entries\": [tru");
        damaged.close();
        QCOMPARE(summary(Entries(tmp.path())), summary(before));

        // A file the index does not list, and an index entry whose file has gone.
        QVERIFY(QFile::remove(before.at(0).path));
        QCOMPARE(Entries(tmp.path()).size(), 2);
        // Without its receipt an entry still says what its name says.
        QVERIFY(QFile::remove(before.at(2).path.chopped(4) + QStringLiteral(".json")));
        QVERIFY(RebuildIndex(tmp.path()));
        const HistoryEntry bare = Entries(tmp.path()).last();
        QCOMPARE(bare.kind, HistoryKind::Read);
        QCOMPARE(bare.serial, QStringLiteral("A"));
        QVERIFY(!bare.hasReceipt);
    }

    void aDanglingLinkUnderTheNextNameIsSkipped()
    {
        QTemporaryDir tmp, outside;
        const QString target = outside.filePath(QStringLiteral("elsewhere.dat"));
        const QString name = BackupStore::FileName(1, kNow, BackupStore::Kind::Read, 1);
        QVERIFY(QFile::link(target, tmp.filePath(name)));
        const Recorded r = RecordRead(tmp.path(), Image(), QString(), QString(), kNow);
        QVERIFY2(r.ok, qPrintable(r.error));
        QVERIFY(!QFileInfo::exists(target));
        QVERIFY(r.entry.sequence > 1);
        QVERIFY(QFileInfo(tmp.filePath(name)).isSymLink());
    }

private:
    std::unique_ptr<TestProgramDir> env_;
};

QTEST_GUILESS_MAIN(TestRadioHistory)
#include "tst_radiohistory.moc"
