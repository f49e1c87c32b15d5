// tarven-cli fleet against `tarven-cli simulate --fleet`, run as a user would run them:
// radios one after the other, a radio that fails its check, one of another band, the
// log read back by the program's own CSV reader, --skip-done, per-radio values and
// SIGINT in the middle of a radio.
#include "CliProcess.h"
#include "CsvTable.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

// The log's rows after the header, as the program's CSV reader reads them.
QList<QStringList> logRows(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const CsvParse parse = ReadCsv(f.readAll(), QLatin1Char(','));
    if (parse.error != CsvParse::Error::None || parse.records.isEmpty())
        return {};
    QList<QStringList> rows;
    for (int i = 1; i < parse.records.size(); ++i)
        rows << parse.records.at(i).fields;
    return rows;
}

enum Column { Time, Serial, Firmware, Model, Band, Result, Details, ValuesSet, Hash, ColumnCount };

struct Fixture {
    QTemporaryDir tmp;
    QString image = tmp.filePath(QStringLiteral("fleet.dat"));
    QString log = tmp.filePath(QStringLiteral("log.csv"));
    Fixture() { QCOMPARE(cli({"new", "--band", "cb", "--out", image}).code, 0); }
    CliResult fleet(const Simulator &radio, const QStringList &more)
    {
        return cli(QStringList{"fleet", "--in", image, "--port", radio.device, "--log", log} + more);
    }
};

} // namespace

class TestCliFleet : public QObject {
    Q_OBJECT
private slots:
    void fiveRadiosInAutoModeGiveFiveVerifiedRows()
    {
        Fixture fx;
        Simulator radio({"--fleet", "5"});
        const CliResult r = fx.fleet(radio, {"--count", "5", "--next", "auto"});
        QVERIFY2(r.code == 0, r.out + r.err);
        QFile raw(fx.log);
        QVERIFY(raw.open(QIODevice::ReadOnly));
        QVERIFY(raw.readLine().startsWith("time,serial,firmware,model,band,result,details,values_set,image_sha256"));
        const QList<QStringList> rows = logRows(fx.log);
        QCOMPARE(rows.size(), 5);
        QSet<QString> serials, hashes;
        for (const QStringList &row : rows) {
            QCOMPARE(row.size(), int(ColumnCount));
            QCOMPARE(row.at(Result), QStringLiteral("verified"));
            QCOMPARE(row.at(Firmware), QStringLiteral("V100"));
            QCOMPARE(row.at(Band), QStringLiteral("CB"));
            QVERIFY(QDateTime::fromString(row.at(Time), Qt::ISODate).isValid());
            QCOMPARE(row.at(Hash).size(), 64);
            serials << row.at(Serial);
            hashes << row.at(Hash);
        }
        QCOMPARE(serials.size(), 5);
        QCOMPARE(hashes.size(), 1);
        QVERIFY2(r.out.contains("Verified: 5"), r.out.constData());
    }

    void failedCheckAndOtherBandAreLoggedAndTheSessionGoesOn()
    {
        Fixture fx;
        Simulator radio({"--fleet", "4", "--fleet-fault", "2:verify,3:band"});
        const QString history = fx.tmp.filePath(QStringLiteral("history"));
        const CliResult r = fx.fleet(radio, {"--count", "4", "--next", "auto", "--backup-dir", history});
        QCOMPARE(r.code, 1);   // not every radio ended verified
        const QList<QStringList> rows = logRows(fx.log);
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows.at(0).at(Result), QStringLiteral("verified"));
        QCOMPARE(rows.at(1).at(Result), QStringLiteral("verify failed"));
        QVERIFY2(rows.at(1).at(Details).contains(QLatin1String("[0102]")), qPrintable(rows.at(1).at(Details)));
        QCOMPARE(rows.at(2).at(Result), QStringLiteral("refused"));
        QCOMPARE(rows.at(2).at(Band), QStringLiteral("HF"));
        QVERIFY2(rows.at(2).at(Details).contains(QLatin1String("band HF")), qPrintable(rows.at(2).at(Details)));
        QVERIFY(rows.at(2).at(Hash).isEmpty());   // nothing was meant for a refused radio
        QCOMPARE(rows.at(3).at(Result), QStringLiteral("verified"));
        // The summary names the failed serial numbers and why.
        QVERIFY(r.out.contains("Radios that did not end verified:"));
        QVERIFY(r.out.contains(rows.at(1).at(Serial).toLatin1()));
        QVERIFY(r.out.contains(rows.at(2).at(Serial).toLatin1()));

        // Every radio written left a receipt in the radio history under its serial
        // number; the refused one left none.
        const CliResult listed = cli({"history", "--json", "--dir", history});
        QCOMPARE(listed.code, 0);
        const QJsonArray entries = QJsonDocument::fromJson(listed.out).object().value(QStringLiteral("entries")).toArray();
        QStringList receipts;
        for (const QJsonValue &v : entries) {
            const QJsonObject e = v.toObject();
            receipts << e.value(QStringLiteral("serial")).toString() + QLatin1Char(' ')
                    + e.value(QStringLiteral("kind")).toString() + QLatin1Char(' ')
                    + e.value(QStringLiteral("result")).toString();
        }
        QCOMPARE(receipts, (QStringList{rows.at(0).at(Serial) + QStringLiteral(" verified-write verified"),
                                        rows.at(1).at(Serial) + QStringLiteral(" write differences"),
                                        rows.at(3).at(Serial) + QStringLiteral(" verified-write verified")}));
    }

    void skipDoneRefusesASerialTheLogHoldsAsVerified()
    {
        Fixture fx;
        {
            Simulator first({"--fleet", "1"});
            QCOMPARE(fx.fleet(first, {"--count", "1", "--next", "auto"}).code, 0);
        }
        // The same radios again (the simulator's serial numbers start over).
        Simulator again({"--fleet", "2"});
        const CliResult r = fx.fleet(again, {"--count", "2", "--next", "auto", "--skip-done"});
        QCOMPARE(r.code, 1);
        const QList<QStringList> rows = logRows(fx.log);
        QCOMPARE(rows.size(), 3);   // the earlier session's row is kept
        QCOMPARE(rows.at(1).at(Serial), rows.at(0).at(Serial));
        QCOMPARE(rows.at(1).at(Result), QStringLiteral("refused"));
        QVERIFY(rows.at(1).at(Details).contains(QLatin1String("already verified")));
        QCOMPARE(rows.at(2).at(Result), QStringLiteral("verified"));
        QVERIFY(rows.at(2).at(Serial) != rows.at(0).at(Serial));
    }

    void perRadioValuesAreSetAndNamed()
    {
        Fixture fx;
        const QString values = fx.tmp.filePath(QStringLiteral("values.csv"));
        QFile f(values);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("serial,channels,RxTone\r\nTV2-0001235,EU 3..EU 4,67.0\r\nTV2-0001236,EU 3,12.3\r\n");
        f.close();
        Simulator radio({"--fleet", "3"});
        const CliResult r = fx.fleet(radio, {"--count", "3", "--next", "auto", "--per-radio", values});
        const QList<QStringList> rows = logRows(fx.log);
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows.at(0).at(Result), QStringLiteral("verified"));
        QVERIFY(rows.at(0).at(ValuesSet).isEmpty());
        QCOMPARE(rows.at(1).at(Result), QStringLiteral("verified"));
        QCOMPARE(rows.at(1).at(ValuesSet), QStringLiteral("EU 3..EU 4: RxTone=67.0"));   // a list as edit takes it
        QVERIFY(rows.at(1).at(Hash) != rows.at(0).at(Hash));   // another image went in
        // A value the channel cannot take refuses that radio, before anything is written.
        QCOMPARE(rows.at(2).at(Result), QStringLiteral("refused"));
        QVERIFY2(rows.at(2).at(Details).contains(QLatin1String("per-radio values")), qPrintable(rows.at(2).at(Details)));
        QCOMPARE(r.code, 1);
    }

    void interruptInTheMiddleOfARadioEndsItSafelyAndLogsWhatItHolds()
    {
        Fixture fx;
        Simulator radio({"--fleet", "2", "--pace"});
        QProcess p;
        p.start(CliPath(), {"fleet", "--in", fx.image, "--port", radio.device, "--log", fx.log, "--next", "auto"});
        QVERIFY(p.waitForStarted());
        QByteArray out;
        while (!out.contains("Writing radio") && p.waitForReadyRead(20000))
            out += p.readAllStandardOutput();
        QVERIFY2(out.contains("Writing radio"), out.constData());
        QTest::qWait(2500);   // well inside the write, which takes seconds at 9600 baud
        ::kill(pid_t(p.processId()), SIGINT);
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitCode(), 130);
        const QList<QStringList> rows = logRows(fx.log);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.at(0).at(Result), QStringLiteral("cancelled"));
        QVERIFY2(rows.at(0).at(Details).contains(QLatin1String("written up to address")), qPrintable(rows.at(0).at(Details)));
        // "END" reached the radio: it left programming mode (the fleet simulator takes a
        // written radio away only after a write's "END").
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += radio.process.readAllStandardError()).contains("simulated radio 1 removed"),
                                 5000);
    }

    void badUsageAndUnusableFiles()
    {
        Fixture fx;
        QCOMPARE(cli({"fleet", "--in", fx.image, "--port", "/dev/null", "--log", fx.log, "--next", "sometimes"}).code, 2);
        QCOMPARE(cli({"fleet", "--in", fx.image, "--port", "/dev/null", "--log", fx.log, "--count", "0"}).code, 2);
        // The log is never one of the command's own files.
        const QByteArray before = [&] { QFile d(fx.image); d.open(QIODevice::ReadOnly); return d.readAll(); }();
        QCOMPARE(cli({"fleet", "--in", fx.image, "--port", "/dev/null", "--log", fx.image}).code, 1);
        QFile data(fx.image);
        QVERIFY(data.open(QIODevice::ReadOnly));
        QCOMPARE(data.readAll(), before);
        QCOMPARE(cli({"simulate", "--fleet", "0"}).code, 2);
        QCOMPARE(cli({"simulate", "--fleet", "2", "--fleet-fault", "2:smoke"}).code, 2);
        // A file that is not a fleet log is never appended to.
        const QString other = fx.tmp.filePath(QStringLiteral("notes.csv"));
        QFile f(other);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("name,phone\r\nAnn,123\r\n");
        f.close();
        const CliResult r = cli({"fleet", "--in", fx.image, "--port", "/dev/null", "--log", other});
        QCOMPARE(r.code, 1);
        QVERIFY(r.err.contains("not a fleet log"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("name,phone\r\nAnn,123\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestCliFleet)
#include "tst_clifleet.moc"
