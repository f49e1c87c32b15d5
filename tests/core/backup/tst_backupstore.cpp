// The backup folder: names that sort by time and say what they hold, byte-exact copies,
// and a limit that removes only this program's oldest files.
#include "BackupStore.h"
#include "DataFile.h"
#include "Models.h"
#include "NewImage.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "TestProgramDir.h"

#include <QtTest>

using namespace BackupStore;

namespace {
const QDateTime kWhen(QDate(2026, 12, 8), QTime(9, 30, 15));

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
}

class TestBackupStore : public QObject {
    Q_OBJECT
private slots:
    void namesSayWhenAndWhat()
    {
        QCOMPARE(FileName(kWhen, Kind::Read, 0), QStringLiteral("20261208-093015-read-cb.dat"));
        QCOMPARE(FileName(kWhen, Kind::Write, 2), QStringLiteral("20261208-093015-write-ham.dat"));
        QCOMPARE(FileName(kWhen, Kind::Write, 1, QStringLiteral(" TV2-0001234 ")),
                 QStringLiteral("20261208-093015-write-hf-TV2-0001234.dat"));
        // Nothing of a serial number can leave the folder or hide the name's parts.
        QCOMPARE(FileName(kWhen, Kind::Read, 0, QStringLiteral("../a b/é")),
                 QStringLiteral("20261208-093015-read-cb-___a_b__.dat"));
        for (const QString &ours : {FileName(kWhen, Kind::Read, 0), FileName(kWhen, Kind::Write, 1, QStringLiteral("X-1")),
                                    QStringLiteral("20261208-093015-read-cb-2.dat")})
            QVERIFY2(IsBackupName(ours), qPrintable(ours));
        for (const QString &other : {QStringLiteral("notes.dat"), QStringLiteral("20261208-093015-read-xx.dat"),
                                     QStringLiteral("20261208-0930-read-cb.dat"), QStringLiteral("20261208-093015-read-cb.dat.bak"),
                                     QStringLiteral("20261208-093015-read-cb-.dat")})
            QVERIFY2(!IsBackupName(other), qPrintable(other));
    }

    void defaultFolderFollowsXdgDataHome()
    {
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", "/srv/data");
        QCOMPARE(DefaultFolder(), QStringLiteral("/srv/data/tarven/backups"));
        qputenv("XDG_DATA_HOME", "relative/path");   // not absolute: ignored
        QCOMPARE(DefaultFolder(), QDir::homePath() + QStringLiteral("/.local/share/tarven/backups"));
        qunsetenv("XDG_DATA_HOME");
        QCOMPARE(DefaultFolder(), QDir::homePath() + QStringLiteral("/.local/share/tarven/backups"));
        qputenv("XDG_DATA_HOME", saved);
    }

    void savesByteExactCopiesUnderFreshNames()
    {
        TestProgramDir env(false);
        SetCurrentBand(2);
        BuildNewImage();
        QVERIFY(Image().addChannel(5, QStringLiteral("28.50000")));
        QTemporaryDir tmp;
        const QString folder = tmp.filePath(QStringLiteral("new/backups"));   // created on the way

        const SaveResult first = Save(folder, Image(), Kind::Read, QString(), kWhen);
        QVERIFY2(first.ok, qPrintable(first.error));
        QCOMPARE(QFileInfo(first.path).fileName(), QStringLiteral("20261208-093015-read-ham.dat"));
        QCOMPARE(fileBytes(first.path), Image().toBytes());

        // A second backup in the same second keeps the first.
        const SaveResult second = Save(folder, Image(), Kind::Read, QString(), kWhen);
        QVERIFY(second.ok);
        QCOMPARE(QFileInfo(second.path).fileName(), QStringLiteral("20261208-093015-read-ham-2.dat"));
        QCOMPARE(Backups(folder), (QStringList{first.path, second.path}));
        RadioImage back;
        QVERIFY(ReadFullFile(second.path, back));
        QCOMPARE(back.toBytes(), Image().toBytes());
    }

    void limitRemovesOnlyOurOldest()
    {
        TestProgramDir env(false);
        BuildNewImage();
        QTemporaryDir tmp;
        const QString folder = tmp.path();
        const QByteArray image = Image().toBytes();
        // Five of ours, written out of time order; and files that are not ours.
        const QStringList ours = {QStringLiteral("20250101-000000-read-cb.dat"), QStringLiteral("20250101-000001-write-cb.dat"),
                                  QStringLiteral("20250102-120000-read-hf-SN1.dat"), QStringLiteral("20260101-000000-write-ham.dat"),
                                  QStringLiteral("20260101-000000-write-ham-2.dat")};
        for (int i = ours.size() - 1; i >= 0; --i) {
            writeFile(tmp.filePath(ours.at(i)), image);
            // Within one second of the name, the file's own time decides.
            QFile f(tmp.filePath(ours.at(i)));
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(kWhen.addSecs(i), QFileDevice::FileModificationTime));
        }
        const QStringList others = {QStringLiteral("customer.dat"), QStringLiteral("20240101-000000-read-cb.dat.txt"),
                                    QStringLiteral("notes.txt")};
        for (const QString &o : others)
            writeFile(tmp.filePath(o), image);
        writeFile(tmp.filePath(QStringLiteral("20240101-000000-read-cb.dat")), QByteArray("short"));   // not a data file
        QVERIFY(QFile::link(tmp.filePath(ours.at(0)), tmp.filePath(QStringLiteral("20240102-000000-read-cb.dat"))));

        QCOMPARE(Backups(folder).size(), 5);
        const SaveResult saved = Save(folder, Image(), Kind::Write, QString(), kWhen, 3);
        QVERIFY(saved.ok);
        QCOMPARE(saved.removed, 3);
        QStringList left;
        for (const QString &p : Backups(folder))
            left << QFileInfo(p).fileName();
        QCOMPARE(left, (QStringList{ours.at(3), ours.at(4), QFileInfo(saved.path).fileName()}));
        for (const QString &o : others + QStringList{QStringLiteral("20240101-000000-read-cb.dat")})
            QVERIFY2(QFileInfo::exists(tmp.filePath(o)), qPrintable(o));
        QVERIFY(QFileInfo(tmp.filePath(QStringLiteral("20240102-000000-read-cb.dat"))).isSymLink());
        QCOMPARE(Prune(folder, 0), 3);
        QCOMPARE(Backups(folder), QStringList());
    }

    void unwritableFolderIsReportedNotThrown()
    {
        TestProgramDir env(false);
        BuildNewImage();
        QTemporaryDir tmp;
        writeFile(tmp.filePath(QStringLiteral("plain-file")), "x");
        const SaveResult saved = Save(tmp.filePath(QStringLiteral("plain-file/backups")), Image(), Kind::Read);
        QVERIFY(!saved.ok);
        QVERIFY(!saved.error.isEmpty());
        QVERIFY(!Save(QString(), Image(), Kind::Read).ok);
    }
};

QTEST_GUILESS_MAIN(TestBackupStore)
#include "tst_backupstore.moc"
