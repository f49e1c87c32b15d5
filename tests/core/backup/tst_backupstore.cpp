// The files of the backup folder: names that say in which order and when a copy was
// made and what it holds, new files that never go through an existing name, and an
// order that does not depend on the clock or on file times.
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

QStringList names(const QStringList &paths)
{
    QStringList out;
    for (const QString &p : paths)
        out << QFileInfo(p).fileName();
    return out;
}
}

class TestBackupStore : public QObject {
    Q_OBJECT
private slots:
    void namesSayOrderWhenAndWhat()
    {
        QCOMPARE(FileName(42, kWhen, Kind::Read, 0), QStringLiteral("000042-20261208-093015-read-cb.dat"));
        QCOMPARE(FileName(7, kWhen, Kind::Restore, 2), QStringLiteral("000007-20261208-093015-restore-ham.dat"));
        QCOMPARE(FileName(1234567, kWhen, Kind::Write, 1, QStringLiteral(" TV2-0001234 ")),
                 QStringLiteral("1234567-20261208-093015-write-hf-TV2-0001234.dat"));
        // Nothing of a serial number can leave the folder or hide the name's parts.
        QCOMPARE(FileName(1, kWhen, Kind::Read, 0, QStringLiteral("../a b/é")),
                 QStringLiteral("000001-20261208-093015-read-cb-___a_b__.dat"));

        const NameParts p = ParseName(QStringLiteral("000043-20261208-093502-write-ham-TV2-0001234.dat"));
        QVERIFY(p.ok);
        QCOMPARE(p.sequence, 43);
        QCOMPARE(p.when, QDateTime(QDate(2026, 12, 8), QTime(9, 35, 2)));
        QCOMPARE(p.kind, Kind::Write);
        QCOMPARE(p.band, 2);
        QCOMPARE(p.serial, QStringLiteral("TV2-0001234"));
        // Names of earlier releases are still ours, without a number.
        const NameParts old = ParseName(QStringLiteral("20250102-120000-read-hf-SN1.dat"));
        QVERIFY(old.ok);
        QCOMPARE(old.sequence, 0);
        QCOMPARE(old.serial, QStringLiteral("SN1"));

        for (const QString &other :
             {QStringLiteral("notes.dat"), QStringLiteral("20261208-093015-read-xx.dat"), QStringLiteral("20261208-0930-read-cb.dat"),
              QStringLiteral("000001-20261208-093015-read-cb.dat.bak"), QStringLiteral("000001-20261208-093015-read-cb-.dat"),
              QStringLiteral("000000-20261208-093015-read-cb.dat"), QStringLiteral("20261208-093015-restore-cb.dat"),
              QStringLiteral("history-index.json")})
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

    // The order is the order of making: numbers first, never the clock in the name nor
    // the file times (two copies in one millisecond have equal times).
    void orderIsTheOrderOfMaking()
    {
        TestProgramDir env(false);
        BuildNewImage();
        QTemporaryDir tmp;
        const QByteArray image = Image().toBytes();
        const QStringList made = {
            QStringLiteral("20260101-000000-write-ham.dat"),        // earlier releases, same second
            QStringLiteral("20260101-000000-write-ham-2.dat"),
            QStringLiteral("20260101-000000-write-ham-10.dat"),
            QStringLiteral("000001-20300101-000000-read-cb.dat"),   // a clock that ran ahead...
            QStringLiteral("000002-20200101-000000-read-cb.dat"),   // ...then was set back
            QStringLiteral("000010-20200101-000000-write-cb.dat"),
        };
        const QDateTime sameTime = kWhen;
        for (int i = made.size() - 1; i >= 0; --i) {
            writeFile(tmp.filePath(made.at(i)), image);
            QFile f(tmp.filePath(made.at(i)));
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(sameTime, QFileDevice::FileModificationTime));
        }
        QCOMPARE(names(Backups(tmp.path())), made);
        QCOMPARE(NextSequence(tmp.path()), 11);
        QCOMPARE(NextSequence(tmp.filePath(QStringLiteral("missing"))), 1);
    }

    void onlyOurDataFilesCount()
    {
        TestProgramDir env(false);
        BuildNewImage();
        QTemporaryDir tmp;
        const QByteArray image = Image().toBytes();
        writeFile(tmp.filePath(QStringLiteral("000001-20250101-000000-read-cb.dat")), image);
        for (const QString &o : {QStringLiteral("customer.dat"), QStringLiteral("000002-20250101-000000-read-cb.dat.txt")})
            writeFile(tmp.filePath(o), image);
        writeFile(tmp.filePath(QStringLiteral("000003-20250101-000000-read-cb.dat")), "short");   // not a data file
        QVERIFY(QFile::link(tmp.filePath(QStringLiteral("000001-20250101-000000-read-cb.dat")),
                            tmp.filePath(QStringLiteral("000004-20250101-000000-read-cb.dat"))));
        QCOMPARE(names(Backups(tmp.path())), QStringList{QStringLiteral("000001-20250101-000000-read-cb.dat")});
        // Whatever carries a number keeps it from being used again.
        QCOMPARE(NextSequence(tmp.path()), 5);
    }

    void newFilesNeverGoThroughAnExistingName()
    {
        TestProgramDir env(false);
        SetCurrentBand(2);
        BuildNewImage();
        QVERIFY(Image().addChannel(5, QStringLiteral("28.50000")));
        QTemporaryDir tmp, outside;
        const QString name = FileName(1, kWhen, Kind::Read, 2);
        QString error;
        QVERIFY2(WriteNew(tmp.path(), name, Image(), &error), qPrintable(error));
        QCOMPARE(fileBytes(tmp.filePath(name)), Image().toBytes());
        QVERIFY(!WriteNew(tmp.path(), name, RadioImage(), &error));   // never overwritten
        QCOMPARE(fileBytes(tmp.filePath(name)), Image().toBytes());

        // A dangling link under the name: nothing is written, least of all its target.
        const QString target = outside.filePath(QStringLiteral("target.dat"));
        const QString linkName = FileName(2, kWhen, Kind::Read, 2);
        QVERIFY(QFile::link(target, tmp.filePath(linkName)));
        QVERIFY(!WriteNew(tmp.path(), linkName, Image(), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFileInfo::exists(target));
        QVERIFY(!WriteNew(tmp.filePath(QStringLiteral("no/such/folder")), name, Image(), &error));
    }
};

QTEST_GUILESS_MAIN(TestBackupStore)
#include "tst_backupstore.moc"
