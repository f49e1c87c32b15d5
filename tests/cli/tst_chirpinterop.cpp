// CHIRP's own CSV code (the distribution's package, run headless by a small Python
// client) as the other side of the program's CSV files: it loads what we export, we
// import what it saves, and a round trip through it changes nothing.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "CliProcess.h"

namespace {
const QString kPython = QStringLiteral("/usr/bin/python3");   // the one that sees the distribution's packages

QString clientScript()
{
    return QStringLiteral(TARVEN_TEST_SOURCE_DIR "/tests/cli/chirp/chirp_csv_client.py");
}

QJsonObject chirp(const QStringList &args)
{
    QProcess p;
    p.start(kPython, QStringList{clientScript()} + args);
    p.waitForFinished(60000);
    const QByteArray out = p.readAllStandardOutput();
    if (p.exitCode() != 0)
        qWarning("CHIRP client: %s", p.readAllStandardError().constData());
    return QJsonDocument::fromJson(out).object();
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Channels of every kind the bank bands hold: each tone combination CHIRP has a mode
// for, both duplex directions, AM and FM, all power levels, skipped channels, and the
// program's own settings that travel in Comment.
const QByteArray kBankChannels =
    "Location,Frequency,Mode,Power,Duplex,Offset,RxTone,TxTone,Scan,Public,TSQ,BusyLock,NB\n"
    "1,29.62,FM,Low,-,100,Off,88.5,Add,On,Off,On,Off\n"          // Tone
    "2,29.68,FM,Medium,+,500,100.0,100.0,Del,Off,On,Off,On\n"     // TSQL
    "3,28.5,AM,Medium,Off,,D754N,D754N,Add,On,Off,Off,Off\n"      // DTCS
    "4,28.505,FM,High,Off,,123.0,67.0,Del,On,Off,Off,Off\n"       // Cross Tone->Tone
    "5,28.51,FM,Low,Off,,D125N,67.0,Add,On,Off,Off,Off\n"         // Cross Tone->DTCS
    "6,28.515,AM,Low,Off,,Off,D023N,Add,On,Off,Off,Off\n"         // Cross DTCS->
    "7,28.52,FM,High,Off,,88.5,Off,Add,On,Off,Off,Off\n"          // Cross ->Tone
    "8,28.525,FM,Medium,Off,,D023N,D754N,Add,On,Off,Off,Off\n"    // Cross DTCS->DTCS
    "9,28.53,FM,High,Off,,100.0,D411N,Add,On,Off,Off,Off\n";      // Cross DTCS->Tone

// A data file of the band, with the varied channels in the bank bands.
QString document(const QTemporaryDir &tmp, const QString &band)
{
    const QString plain = tmp.filePath(band + QStringLiteral("-new.dat"));
    const QString dat = tmp.filePath(band + QStringLiteral(".dat"));
    if (cli({"new", "--band", band, "--out", plain}).code != 0)
        return QString();
    if (band == QLatin1String("cb"))
        return plain;
    const QString table = tmp.filePath(QStringLiteral("kinds.csv"));
    writeFile(table, kBankChannels);
    const CliResult r = cli({"import", "--in", plain, "--csv", table, "--out", dat});
    if (r.code != 0)
        qWarning("%s", r.err.constData());
    return r.code == 0 ? dat : QString();
}
}

class TestChirpInterop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QProcess probe;
        probe.start(kPython, {"-c", "import chirp.drivers.generic_csv, future"});
        const bool present = probe.waitForFinished(30000) && probe.exitStatus() == QProcess::NormalExit
                             && probe.exitCode() == 0;
        if (!present && qEnvironmentVariable("CI") == QLatin1String("true"))
            QFAIL("CHIRP is not installed: scripts/setup.sh installs the chirp and python3-future packages");
        if (!present)
            QSKIP("CHIRP is not installed (scripts/setup.sh installs the chirp and python3-future packages)");
    }

    void chirpLoadsEveryRowWeExport_data()
    {
        QTest::addColumn<QString>("band");
        for (const char *band : {"cb", "hf", "ham"})
            QTest::newRow(band) << band;
    }
    void chirpLoadsEveryRowWeExport()
    {
        QFETCH(QString, band);
        QTemporaryDir tmp;
        const QString dat = document(tmp, band);
        QVERIFY(!dat.isEmpty());
        const QString csv = tmp.filePath(QStringLiteral("export.csv"));
        QCOMPARE(cli({"export", "--in", dat, "--out", csv, "--format", "chirp"}).code, 0);
        const int rows = int(contents(csv).count('\n')) - 1;
        const QJsonObject loaded = chirp({"load", csv});
        QCOMPARE(loaded.value("errors").toArray().size(), 0);
        QCOMPARE(loaded.value("memories").toArray().size(), rows);
        if (band != QLatin1String("cb")) {
            // Memory 5: receive DCS 125 and transmit 67.0 Hz as CHIRP's cross mode.
            for (const QJsonValue &m : loaded.value("memories").toArray()) {
                const QJsonObject mem = m.toObject();
                if (mem.value("number").toInt() == 5) {
                    QCOMPARE(mem.value("tmode").toString(), QStringLiteral("Cross"));
                    QCOMPARE(mem.value("rtone").toDouble(), 67.0);
                }
                if (mem.value("number").toInt() == 2) {
                    QCOMPARE(mem.value("duplex").toString(), QStringLiteral("+"));
                    QCOMPARE(mem.value("offset").toInt(), 500000);
                    QCOMPARE(mem.value("skip").toString(), QStringLiteral("S"));
                }
            }
        }
    }

    void whatChirpSavesLandsInTheRightFields()
    {
        QTemporaryDir tmp;
        const QString made = tmp.filePath(QStringLiteral("made.csv"));
        QVERIFY(chirp({"make", made}).value("errors").toArray().isEmpty());
        const QString dat = tmp.filePath(QStringLiteral("ham.dat"));
        const QString out = tmp.filePath(QStringLiteral("out.dat"));
        QCOMPARE(cli({"new", "--band", "ham", "--out", dat}).code, 0);
        // CHIRP numbers its memories from 0: without placing, memory 0 is refused.
        const CliResult numbered = cli({"import", "--in", dat, "--csv", made, "--out", out});
        QCOMPARE(numbered.code, 1);
        QVERIFY(numbered.err.contains("Location \"0\""));
        const CliResult placed = cli({"import", "--in", dat, "--csv", made, "--out", out, "--place", "B"});
        QVERIFY2(placed.code == 0, placed.err.constData());

        const QString table = tmp.filePath(QStringLiteral("back.csv"));
        QCOMPARE(cli({"export", "--in", out, "--out", table}).code, 0);
        QStringList bankB;
        for (const QByteArray &line : contents(table).split('\n')) {
            if (line.startsWith("B-"))
                bankB << QString::fromUtf8(line.trimmed()).section(QLatin1Char(','), 0, 11);
        }
        // Group,Location,Frequency,Mode,Power,Duplex,Offset,RxTone,TxTone,Public,Scan,TSQ
        QCOMPARE(bankB.size(), 7);
        QVERIFY2(bankB.at(0).startsWith("B-1,41,29.60000,FM,High,Off,"), qPrintable(bankB.at(0)));
        QVERIFY2(bankB.at(1).startsWith("B-2,42,29.62000,FM,High,-,100,Off,88.5,"), qPrintable(bankB.at(1)));
        QVERIFY2(bankB.at(2).startsWith("B-3,43,29.68000,FM,High,+,500,100.0,100.0,"), qPrintable(bankB.at(2)));
        QVERIFY2(bankB.at(3).startsWith("B-4,44,28.50000,AM,Medium,Off,"), qPrintable(bankB.at(3)));
        QVERIFY2(bankB.at(3).contains(",D754N,D754N,"), qPrintable(bankB.at(3)));
        QVERIFY2(bankB.at(4).contains(",123.0,67.0,") && bankB.at(4).section(',', 10, 10) == "Del", qPrintable(bankB.at(4)));
        QVERIFY2(bankB.at(5).startsWith("B-6,46,29.50000,FM,High,+,100,"), qPrintable(bankB.at(5)));
        // A comment of CHIRP's user is the user's: "TSQ=On" and "NB=perhaps" there set nothing.
        QVERIFY2(bankB.at(6).startsWith("B-7,47,28.10000,AM,Medium,Off,"), qPrintable(bankB.at(6)));
        QCOMPARE(bankB.at(6).section(',', 10, 11), QStringLiteral("Del,Off"));
    }

    void roundTripThroughChirpChangesNothing_data()
    {
        QTest::addColumn<QString>("band");
        for (const char *band : {"cb", "hf", "ham"})
            QTest::newRow(band) << band;
    }
    void roundTripThroughChirpChangesNothing()
    {
        QFETCH(QString, band);
        QTemporaryDir tmp;
        const QString dat = document(tmp, band);
        QVERIFY(!dat.isEmpty());
        const QString csv = tmp.filePath(QStringLiteral("export.csv"));
        const QString saved = tmp.filePath(QStringLiteral("saved-by-chirp.csv"));
        const QString back = tmp.filePath(QStringLiteral("back.dat"));
        QCOMPARE(cli({"export", "--in", dat, "--out", csv, "--format", "chirp"}).code, 0);
        QVERIFY(chirp({"resave", csv, saved}).value("errors").toArray().isEmpty());
        // This CHIRP writes its older columns: no Power, CrossMode or RxDtcsCode.
        QVERIFY(!contents(saved).startsWith(contents(csv).left(contents(csv).indexOf('\n'))));
        const CliResult in = cli({"import", "--in", dat, "--csv", saved, "--out", back});
        QVERIFY2(in.code == 0, in.err.constData());
        const CliResult diff = cli({"diff", dat, back});
        QVERIFY2(diff.code == 0, diff.out.constData());
    }
};

QTEST_GUILESS_MAIN(TestChirpInterop)
#include "tst_chirpinterop.moc"
