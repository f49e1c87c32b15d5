// tarven-cli export and import, run as a user would run them.
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "CliProcess.h"

#include <sys/stat.h>

namespace {

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}
}

class TestCliChannels : public QObject {
    Q_OBJECT
private slots:
    void exportThenImportGivesTheSameDataFile_data()
    {
        QTest::addColumn<QString>("band");
        QTest::addColumn<QString>("format");
        for (const char *band : {"cb", "hf", "ham"}) {
            QTest::addRow("%s tarven", band) << band << "tarven";
            QTest::addRow("%s chirp", band) << band << "chirp";
        }
    }
    void exportThenImportGivesTheSameDataFile()
    {
        QFETCH(QString, band);
        QFETCH(QString, format);
        QTemporaryDir tmp;
        const QString dat = tmp.filePath(QStringLiteral("doc.dat"));
        const QString csv = tmp.filePath(QStringLiteral("channels.csv"));
        const QString back = tmp.filePath(QStringLiteral("back.dat"));
        QCOMPARE(cli({"new", "--band", band, "--out", dat}).code, 0);
        const CliResult out = cli({"export", "--in", dat, "--out", csv, "--format", format});
        QVERIFY2(out.code == 0, out.err.constData());
        QVERIFY(contents(csv).startsWith(format == QLatin1String("chirp") ? "Location,Name,Frequency," : "Group,Location,Frequency,"));
        const CliResult in = cli({"import", "--in", dat, "--csv", csv, "--out", back});
        QVERIFY2(in.code == 0, in.err.constData());
        QCOMPARE(contents(back), contents(dat));
    }

    void failedImportWritesNoFile()
    {
        QTemporaryDir tmp;
        const QString dat = tmp.filePath(QStringLiteral("doc.dat"));
        const QString csv = tmp.filePath(QStringLiteral("bad.csv"));
        const QString out = tmp.filePath(QStringLiteral("out.dat"));
        QCOMPARE(cli({"new", "--band", "ham", "--out", dat}).code, 0);
        QVERIFY(writeFile(csv, "Location,Frequency,Mode\n1,28.5,AM\n2,31.0,FM\n3,28.5,CW\n"));
        const CliResult r = cli({"import", "--in", dat, "--csv", csv, "--out", out});
        QCOMPARE(r.code, 1);
        QVERIFY(r.err.contains("line 3: frequency 31.0 lies outside the band"));
        QVERIFY(r.err.contains("line 4: Mode \"CW\" is not a valid value"));
        QVERIFY(!QFileInfo::exists(out));

        QCOMPARE(cli({"import", "--in", dat, "--csv", tmp.filePath(QStringLiteral("missing.csv")), "--out", out}).code, 1);
        QVERIFY(!QFileInfo::exists(out));
    }

    void placingAndItsGroup()
    {
        QTemporaryDir tmp;
        const QString dat = tmp.filePath(QStringLiteral("doc.dat"));
        const QString csv = tmp.filePath(QStringLiteral("list.csv"));
        const QString out = tmp.filePath(QStringLiteral("out.dat"));
        QCOMPARE(cli({"new", "--band", "ham", "--out", dat}).code, 0);
        QVERIFY(writeFile(csv, "# numbered for another radio\nLocation,Frequency,Mode\n0,29.6,FM\n1,29.61,AM\n"));
        QCOMPARE(cli({"import", "--in", dat, "--csv", csv, "--out", out}).code, 1);
        const CliResult wrongGroup = cli({"import", "--in", dat, "--csv", csv, "--out", out, "--place", "EU"});
        QCOMPARE(wrongGroup.code, 2);
        QVERIFY(wrongGroup.err.contains("Group \"EU\" is not a group of this band (A, B,"));
        QVERIFY(!QFileInfo::exists(out));
        const CliResult placed = cli({"import", "--in", dat, "--csv", csv, "--out", out, "--place", "j"});
        QVERIFY2(placed.code == 0, placed.err.constData());
        const QString back = tmp.filePath(QStringLiteral("back.csv"));
        QCOMPARE(cli({"export", "--in", out, "--out", back}).code, 0);
        QVERIFY(contents(back).contains("\r\nJ-1,361,29.60000,FM,"));
        QVERIFY(contents(back).contains("\r\nJ-2,362,29.61000,AM,"));
    }

    void hostileTablesAreRefusedQuietly()
    {
        QTemporaryDir tmp;
        const QString dat = tmp.filePath(QStringLiteral("doc.dat"));
        const QString csv = tmp.filePath(QStringLiteral("hostile.csv"));
        const QString out = tmp.filePath(QStringLiteral("out.dat"));
        QCOMPARE(cli({"new", "--band", "hf", "--out", dat}).code, 0);
        // A NUL does not cut the report; escape sequences reach the terminal escaped.
        QVERIFY(writeFile(csv, QByteArray("Location,Frequency,Mode\n1,28.5,F\0M\n2,28.5,\x1B[2J\n3,28.5,CW\n", 57)));
        CliResult r = cli({"import", "--in", dat, "--csv", csv, "--out", out});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("line 2: Mode \"F\\x00M\""), r.err.constData());
        QVERIFY(r.err.contains("line 3: Mode \"\\x1B[2J\""));
        QVERIFY(r.err.contains("line 4: Mode \"CW\""));
        QVERIFY(!r.err.contains('\x1B'));
        // Far larger than any channel list: refused by its size, whatever it holds.
        QFile big(csv);
        QVERIFY(big.open(QIODevice::WriteOnly));
        const QByteArray block(1024 * 1024, 'x');
        for (int i = 0; i < 3; ++i)
            big.write(block);
        big.close();
        r = cli({"import", "--in", dat, "--csv", csv, "--out", out});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("larger than 2 MB"), r.err.constData());
        QVERIFY(!QFileInfo::exists(out));
    }

    // An output is a regular file (a link leads to its target) and never one of the
    // command's inputs: nothing the user has is replaced by a table or a data file.
    void outputsReplaceNeitherInputsNorPipes()
    {
        QTemporaryDir tmp;
        const QString dat = tmp.filePath(QStringLiteral("doc.dat"));
        const QString csv = tmp.filePath(QStringLiteral("doc.csv"));
        QCOMPARE(cli({"new", "--band", "hf", "--out", dat}).code, 0);
        QCOMPARE(cli({"export", "--in", dat, "--out", csv}).code, 0);
        const QByteArray datBytes = contents(dat), csvBytes = contents(csv);
        QVERIFY(QFile::link(dat, tmp.filePath(QStringLiteral("link.dat"))));

        const QList<QStringList> refused = {
            {"export", "--in", dat, "--out", dat},
            {"export", "--in", dat, "--out", tmp.filePath(QStringLiteral("link.dat"))},
            {"import", "--in", dat, "--csv", csv, "--out", csv},
            {"import", "--in", dat, "--csv", csv, "--out", dat},
        };
        for (const QStringList &args : refused) {
            const CliResult r = cli(args);
            QVERIFY2(r.code == 1, qPrintable(args.join(' ')));
            QVERIFY2(r.err.contains("same file"), r.err.constData());
            QCOMPARE(contents(dat), datBytes);
            QCOMPARE(contents(csv), csvBytes);
        }

        const QString fifo = tmp.filePath(QStringLiteral("pipe.csv"));
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        for (const QStringList &args : {QStringList{"export", "--in", dat, "--out", fifo},
                                        QStringList{"import", "--in", dat, "--csv", csv, "--out", fifo}}) {
            const CliResult r = cli(args);
            QCOMPARE(r.code, 1);
            QVERIFY2(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile(), qPrintable(args.join(' ')));
        }

        // A link to a table is written through: the link stays.
        const QString linkedCsv = tmp.filePath(QStringLiteral("linked.csv"));
        QVERIFY(QFile::link(csv, linkedCsv));
        QCOMPARE(cli({"export", "--in", dat, "--out", linkedCsv, "--format", "chirp"}).code, 0);
        QVERIFY(QFileInfo(linkedCsv).isSymLink());
        QVERIFY(contents(csv).startsWith("Location,Name,"));
    }

    void badUsage()
    {
        QTemporaryDir tmp;
        const QString dat = tmp.filePath(QStringLiteral("doc.dat"));
        QCOMPARE(cli({"new", "--band", "hf", "--out", dat}).code, 0);
        QCOMPARE(cli({"export", "--in", dat}).code, 2);
        QCOMPARE(cli({"export", "--in", dat, "--out", tmp.filePath("x.csv"), "--format", "xls"}).code, 2);
        QCOMPARE(cli({"import", "--in", dat, "--out", tmp.filePath("x.dat")}).code, 2);
        QCOMPARE(cli({"export", "--in", tmp.filePath("none.dat"), "--out", tmp.filePath("x.csv")}).code, 1);
        QVERIFY(!QFileInfo::exists(tmp.filePath("x.csv")));
    }
};

QTEST_GUILESS_MAIN(TestCliChannels)
#include "tst_clichannels.moc"
