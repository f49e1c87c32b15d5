// tarven-cli check: findings by channel in text and JSON, and its exit statuses.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include "CliProcess.h"

class TestCliCheck : public QObject {
    Q_OBJECT
private slots:
    void findingsAndExitStatus()
    {
        QTemporaryDir tmp;
        const QString dat = tmp.filePath(QStringLiteral("doc.dat"));
        const QString bad = tmp.filePath(QStringLiteral("bad.dat"));
        QCOMPARE(cli({"new", "--band", "ham", "--out", dat}).code, 0);
        CliResult r = cli({"check", dat});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QByteArray("No mistakes found.\n"));

        // Simplex on a repeater output and the same frequency twice in bank A.
        QCOMPARE(cli({"edit", "--in", dat, "--out", bad, "--channels", "A-1", "--set", "Frequency=29.64"}).code, 0);
        const QString worse = tmp.filePath(QStringLiteral("worse.dat"));
        const QString csv = tmp.filePath(QStringLiteral("rows.csv"));
        QFile rows(csv);
        QVERIFY(rows.open(QIODevice::WriteOnly));
        rows.write("Group,Frequency\nA-2,29.64\n");
        rows.close();
        QCOMPARE(cli({"import", "--in", bad, "--csv", csv, "--out", worse}).code, 0);
        r = cli({"check", worse, "--region", "2"});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.out.startsWith("A-1\t29.64000 MHz is a repeater output"), r.out.constData());
        QVERIFY(r.out.contains("A-2\tfrequency 29.64000 is stored twice: also in A-1\n"));
        QVERIFY(r.out.endsWith("3 findings\n"));

        r = cli({"check", worse, "--json", "--region", "1"});
        QCOMPARE(r.code, 1);
        const QJsonObject root = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(root.value("region").toInt(), 1);
        const QJsonArray findings = root.value("findings").toArray();
        QCOMPARE(findings.size(), 3);
        QCOMPARE(findings.at(0).toObject().value("channel").toString(), QStringLiteral("A-1"));
        QCOMPARE(findings.at(0).toObject().value("kind").toString(), QStringLiteral("repeater-offset"));
        QCOMPARE(findings.at(1).toObject().value("kind").toString(), QStringLiteral("duplicate"));
    }

    void troubleIsTwo()
    {
        QTemporaryDir tmp;
        QCOMPARE(cli({"check", tmp.filePath(QStringLiteral("none.dat"))}).code, 2);
        QCOMPARE(cli({"check"}).code, 2);
        const QString dat = tmp.filePath(QStringLiteral("doc.dat"));
        QCOMPARE(cli({"new", "--band", "cb", "--out", dat}).code, 0);
        QCOMPARE(cli({"check", dat, "--region", "4"}).code, 2);
        QCOMPARE(cli({"check", dat}).code, 0);
    }
};

QTEST_GUILESS_MAIN(TestCliCheck)
#include "tst_clicheck.moc"
