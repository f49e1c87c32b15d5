// The fleet log (appending, reading an earlier session's verified radios, refusing a
// file that is not a log) and the table of per-radio values.
#include "CsvTable.h"
#include "FleetLog.h"
#include "FleetRadioValues.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

FleetLogRow row(const QString &serial, FleetResult result, const QString &details = QString())
{
    FleetLogRow r;
    r.time = QDateTime(QDate(2026, 12, 8), QTime(18, 0), Qt::OffsetFromUTC, 3600);
    r.serial = serial;
    r.firmware = QStringLiteral("V100");
    r.model = QStringLiteral("TARVEN II");
    r.band = QStringLiteral("CB");
    r.result = result;
    r.details = details;
    return r;
}
} // namespace

class TestFleetLog : public QObject {
    Q_OBJECT
private slots:
    void rowsAppendAndReadBackWithAwkwardDetails()
    {
        QTemporaryDir tmp;
        const QString path = tmp.filePath(QStringLiteral("log.csv"));
        FleetLog log;
        QString problem;
        QVERIFY2(log.open(path, &problem), qPrintable(problem));
        const QString details = QStringLiteral("Channel 1 (EU 1): \"RX\" 26,965 → 27,965\nsecond line");
        QVERIFY(log.append(row(QStringLiteral("A1"), FleetResult::VerifyFailed, details), &problem));
        QVERIFY(log.append(row(QStringLiteral("A2"), FleetResult::Verified), &problem));
        const CsvParse parse = ReadCsv(readAll(path), QLatin1Char(','));
        QCOMPARE(parse.error, CsvParse::Error::None);
        QCOMPARE(parse.records.size(), 3);
        QCOMPARE(parse.records.at(0).fields, FleetLogHeader());
        QCOMPARE(parse.records.at(1).fields.at(6), details);
        QCOMPARE(parse.records.at(1).fields.at(5), QStringLiteral("verify failed"));
        QCOMPARE(parse.records.at(1).fields.at(0), QStringLiteral("2026-12-08T18:00:00+01:00"));
        QVERIFY(log.isVerified(QStringLiteral("A2")));
        QVERIFY(!log.isVerified(QStringLiteral("A1")));
    }

    void anEarlierLogIsKeptAndItsVerifiedRadiosKnown()
    {
        QTemporaryDir tmp;
        const QString path = tmp.filePath(QStringLiteral("log.csv"));
        // An earlier session whose last row lost its line end.
        const QByteArray earlier = WriteCsv({FleetLogHeader(), FleetLogFields(row(QStringLiteral("B1"), FleetResult::Refused))})
            + CsvLine(FleetLogFields(row(QStringLiteral("B2"), FleetResult::Verified)), QLatin1Char(',')).toUtf8();
        writeAll(path, earlier);
        FleetLog log;
        QString problem;
        QVERIFY2(log.open(path, &problem), qPrintable(problem));
        QCOMPARE(log.rowsRead(), 2);
        QDateTime when;
        QVERIFY(log.isVerified(QStringLiteral("B2"), &when));
        QCOMPARE(when.toSecsSinceEpoch(), row(QString(), FleetResult::Verified).time.toSecsSinceEpoch());
        QVERIFY(!log.isVerified(QStringLiteral("B1")));
        QVERIFY(log.append(row(QStringLiteral("B3"), FleetResult::Cancelled), &problem));
        const CsvParse parse = ReadCsv(readAll(path), QLatin1Char(','));
        QCOMPARE(parse.records.size(), 4);
        QVERIFY(readAll(path).startsWith(earlier));
        QCOMPARE(parse.records.at(3).fields.at(1), QStringLiteral("B3"));
    }

    void somethingElseIsNeverUsedAsALog()
    {
        QTemporaryDir tmp;
        const QString other = tmp.filePath(QStringLiteral("other.csv"));
        writeAll(other, "a,b\r\n1,2\r\n");
        FleetLog log;
        QString problem;
        QVERIFY(!log.open(other, &problem));
        QVERIFY(problem.contains(QLatin1String("not a fleet log")));
        QCOMPARE(readAll(other), QByteArray("a,b\r\n1,2\r\n"));
        QVERIFY(!log.open(tmp.path(), &problem));   // a folder
        QVERIFY(!problem.isEmpty());
        // An empty file becomes a log.
        const QString empty = tmp.filePath(QStringLiteral("empty.csv"));
        writeAll(empty, "");
        QVERIFY(log.open(empty, &problem));
        QCOMPARE(ReadCsv(readAll(empty)).records.at(0).fields, FleetLogHeader());
    }

    void resultWordsGoBothWays()
    {
        for (int i = 0; i < kFleetResultCount; ++i) {
            FleetResult back;
            QVERIFY(FleetResultOfWord(FleetResultWord(FleetResult(i)).toUpper(), &back));
            QCOMPARE(int(back), i);
        }
        FleetResult back;
        QVERIFY(!FleetResultOfWord(QStringLiteral("fine"), &back));
    }

    void perRadioTable()
    {
        FleetValuesTable table;
        QString problem;
        QVERIFY2(table.readText("Serial ;channels;RxTone;Scan\r\nS1;EU 3;67.0;\r\n;EU 4;71.9;Del\r\nS2;;;\r\n", &problem),
                 qPrintable(problem));
        QCOMPARE(table.size(), 2);   // a row without a serial number is left out
        const FleetRadioValues s1 = table.valuesFor(QStringLiteral(" S1 "));
        QCOMPARE(s1.channels, QStringLiteral("EU 3"));
        QCOMPARE(s1.values.size(), 1);   // empty cells set nothing
        QCOMPARE(s1.described(), QStringLiteral("EU 3: RxTone=67.0"));
        QVERIFY(table.valuesFor(QStringLiteral("S2")).isEmpty());
        QVERIFY(table.valuesFor(QStringLiteral("S9")).isEmpty());

        QVERIFY(!table.readText("name,RxTone\r\nS1,67.0\r\n", &problem));
        QVERIFY(problem.contains(QLatin1String("serial")));
        QVERIFY(!table.readText("serial,RxTone\r\nS1,67.0\r\nS1,71.9\r\n", &problem));
        QVERIFY(problem.contains(QLatin1String("line 3")));
        QVERIFY(!table.readText("serial,RxTone\r\n\"S1,67.0\r\n", &problem));
    }
};

QTEST_GUILESS_MAIN(TestFleetLog)
#include "tst_fleetlog.moc"
