// tarven-cli edit, run as a user would run it: settings into a list of channels, all
// or nothing, and the result read back through export.
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "CliProcess.h"

namespace {
QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The rows of an exported table by their Group label.
QHash<QString, QStringList> exportedRows(const QString &dat, const QString &csv)
{
    QHash<QString, QStringList> rows;
    if (cli({"export", "--in", dat, "--out", csv}).code != 0)
        return rows;
    const QList<QByteArray> lines = contents(csv).split('\n');
    const int group = int(QString::fromUtf8(lines.value(0)).trimmed().split(QLatin1Char(',')).indexOf(QStringLiteral("Group")));
    for (const QByteArray &line : lines) {
        const QStringList cells = QString::fromUtf8(line).trimmed().split(QLatin1Char(','));
        if (cells.size() > 2 && group >= 0)
            rows.insert(cells.at(group), cells);
    }
    return rows;
}
}

class TestCliEdit : public QObject {
    Q_OBJECT
private slots:
    void editRoundTripsWithExport()
    {
        QTemporaryDir tmp;
        const QString dat = tmp.filePath(QStringLiteral("doc.dat"));
        const QString out = tmp.filePath(QStringLiteral("out.dat"));
        QCOMPARE(cli({"new", "--band", "cb", "--out", dat}).code, 0);
        const CliResult r = cli({"edit", "--in", dat, "--out", out, "--channels", "EU 1..EU 40, MEM 1", "--set",
                                 "Mode=AM", "--set", "rxtone=D023", "--set", "Scan=Del"});
        QVERIFY2(r.code == 0, r.err.constData());
        const QHash<QString, QStringList> rows = exportedRows(out, tmp.filePath(QStringLiteral("a.csv")));
        const QStringList header = QString::fromUtf8(contents(tmp.filePath(QStringLiteral("a.csv"))).split('\n').first())
                                       .trimmed().split(QLatin1Char(','));
        const int mode = int(header.indexOf(QStringLiteral("Mode")));
        const int rx = int(header.indexOf(QStringLiteral("RxTone")));
        for (const QString &label : {QStringLiteral("EU 1"), QStringLiteral("EU 40")}) {
            QCOMPARE(rows.value(label).value(mode), QStringLiteral("AM"));
            QCOMPARE(rows.value(label).value(rx), QStringLiteral("D023N"));
        }
        QCOMPARE(rows.value(QStringLiteral("MEM 1")).value(mode), QStringLiteral("AM"));
        QCOMPARE(rows.value(QStringLiteral("CE 1")).value(mode), QStringLiteral("FM"));

        // The exported table imported into the original gives the edited file back.
        const QString back = tmp.filePath(QStringLiteral("back.dat"));
        QCOMPARE(cli({"import", "--in", dat, "--csv", tmp.filePath(QStringLiteral("a.csv")), "--out", back}).code, 0);
        QCOMPARE(contents(back), contents(out));
    }

    void refusedChannelsWriteNoFile()
    {
        QTemporaryDir tmp;
        const QString dat = tmp.filePath(QStringLiteral("doc.dat"));
        const QString out = tmp.filePath(QStringLiteral("out.dat"));
        QCOMPARE(cli({"new", "--band", "cb", "--out", dat}).code, 0);
        CliResult r = cli({"edit", "--in", dat, "--out", out, "--channels", "EU 1, CE 1..CE 2", "--set", "Mode=AM"});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("No channel was changed; the document is unchanged.\n"
                                "channel CE 1: AM is not available for CE 1\n"
                                "channel CE 2: AM is not available for CE 2"),
                 r.err.constData());
        QVERIFY(!QFileInfo::exists(out));

        r = cli({"edit", "--in", dat, "--out", out, "--channels", "EU 1", "--set", "Mode=USB"});
        QCOMPARE(r.code, 1);
        QVERIFY(r.err.contains("channel EU 1: Mode \"USB\" is not a valid value"));
        QCOMPARE(cli({"edit", "--in", dat, "--out", out, "--channels", "A-1", "--set", "Mode=AM"}).code, 1);
        QVERIFY(!QFileInfo::exists(out));
    }

    void badUsage()
    {
        QTemporaryDir tmp;
        const QString dat = tmp.filePath(QStringLiteral("doc.dat"));
        const QString out = tmp.filePath(QStringLiteral("out.dat"));
        QCOMPARE(cli({"new", "--band", "ham", "--out", dat}).code, 0);
        const QByteArray before = contents(dat);
        QCOMPARE(cli({"edit", "--in", dat, "--out", out, "--channels", "all"}).code, 2);
        QCOMPARE(cli({"edit", "--in", dat, "--out", out, "--channels", "all", "--set", "Colour=red"}).code, 2);
        QCOMPARE(cli({"edit", "--in", dat, "--out", out, "--channels", "all", "--set", "Power"}).code, 2);
        const CliResult same = cli({"edit", "--in", dat, "--out", dat, "--channels", "all", "--set", "Power=Low"});
        QCOMPARE(same.code, 1);
        QCOMPARE(contents(dat), before);
        QVERIFY(!QFileInfo::exists(out));
        QCOMPARE(cli({"edit", "--in", tmp.filePath(QStringLiteral("none.dat")), "--out", out, "--channels", "all",
                      "--set", "Power=Low"}).code, 1);
        QVERIFY(!QFileInfo::exists(out));
    }
};

QTEST_GUILESS_MAIN(TestCliEdit)
#include "tst_cliedit.moc"
