// tarven-cli diff, backups, write --verify against a radio that stores a byte wrongly,
// and SIGINT during a transfer, run as a user would run them.
#include "BackupStore.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <csignal>

namespace {
struct Result {
    int code;
    QByteArray out;
    QByteArray err;
};

QString cliPath()
{
    return QStringLiteral(TARVEN_TEST_PROGRAM_DIR "/tarven-cli");
}

Result cli(const QStringList &args)
{
    QProcess p;
    p.start(cliPath(), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(), p.readAllStandardError()};
}

// `tarven-cli simulate` in the background; its device path once it serves.
class Simulator {
public:
    explicit Simulator(const QStringList &args)
    {
        process.start(cliPath(), QStringList{QStringLiteral("simulate")} + args);
        process.waitForReadyRead(10000);
        device = QString::fromLocal8Bit(process.readLine()).trimmed();
    }
    ~Simulator()
    {
        process.terminate();
        process.waitForFinished(5000);
    }
    QProcess process;
    QString device;
};

void patchByte(const QString &path, int offset, char value)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.seek(offset));
    f.write(&value, 1);
}
} // namespace

class TestCliSafety : public QObject {
    Q_OBJECT
private slots:
    void diffFollowsTheConventionOfDiff()
    {
        QTemporaryDir tmp;
        const QString a = tmp.filePath(QStringLiteral("a.dat")), b = tmp.filePath(QStringLiteral("b.dat"));
        QCOMPARE(cli({"new", "--band", "hf", "--out", a}).code, 0);
        QVERIFY(QFile::copy(a, b));
        const Result same = cli({"diff", a, b});
        QCOMPARE(same.code, 0);
        QVERIFY(same.out.isEmpty());

        patchByte(b, 15 + 90, 7);   // option 4, the time-out timer
        const Result text = cli({"diff", a, b});
        QCOMPARE(text.code, 1);
        QCOMPARE(text.out.count('\n'), 1);
        QVERIFY2(text.out.contains("\xE2\x86\x92"), text.out.constData());   // the arrow of "before → after"

        const Result json = cli({"diff", a, b, "--json"});
        QCOMPARE(json.code, 1);
        const QJsonObject root = QJsonDocument::fromJson(json.out).object();
        QCOMPARE(root.value("equal").toBool(), false);
        const QJsonArray list = root.value("differences").toArray();
        QCOMPARE(list.size(), 1);
        QCOMPARE(list.at(0).toObject().value("key").toString(), QStringLiteral("option/4"));

        QCOMPARE(cli({"diff", a}).code, 2);
        QCOMPARE(cli({"diff", a, b, "--bogus"}).code, 2);
        const Result missing = cli({"diff", a, tmp.filePath(QStringLiteral("missing.dat"))});
        QCOMPARE(missing.code, 2);
        QVERIFY(missing.err.contains("missing.dat"));
        QFile shortFile(tmp.filePath(QStringLiteral("short.dat")));
        QVERIFY(shortFile.open(QIODevice::WriteOnly));
        shortFile.write("TARVEN2");
        shortFile.close();
        QCOMPARE(cli({"diff", shortFile.fileName(), a}).code, 2);
    }

    void readKeepsABackupAndVerifyCatchesAFlippedByte()
    {
        QTemporaryDir tmp;
        const QString backups = tmp.filePath(QStringLiteral("backups"));
        const QString image = tmp.filePath(QStringLiteral("radio.dat"));
        QCOMPARE(cli({"new", "--band", "cb", "--out", image}).code, 0);
        Simulator radio({"--image", image, "--flip-stored", "1A45:80"});
        QVERIFY(!radio.device.isEmpty());

        const QString out = tmp.filePath(QStringLiteral("read.dat"));
        const Result read = cli({"read", "--port", radio.device, "--out", out, "--backup-dir", backups});
        QCOMPARE(read.code, 0);
        QCOMPARE(BackupStore::Backups(backups).size(), 1);

        const Result plain = cli({"write", "--port", radio.device, "--in", out, "--no-backup"});
        QCOMPARE(plain.code, 0);   // the byte went in wrongly, but nobody checked
        QCOMPARE(BackupStore::Backups(backups).size(), 1);

        // The fault was used up by that write; a second simulator keeps it for the check.
        Simulator faulty({"--image", image, "--flip-stored", "1A45:80"});
        const Result checked = cli({"write", "--port", faulty.device, "--in", out, "--verify", "--backup-dir", backups});
        QCOMPARE(checked.code, 1);
        QVERIFY2(checked.err.contains("[1A45]"), checked.err.constData());
        QCOMPARE(BackupStore::Backups(backups).size(), 2);

        QCOMPARE(cli({"read", "--port", radio.device, "--out", out, "--verify"}).code, 2);
        QCOMPARE(cli({"write", "--port", radio.device, "--in", out, "--no-backup", "--backup-dir", backups}).code, 2);
        QCOMPARE(cli({"simulate", "--flip-stored", "2000"}).code, 2);
        QCOMPARE(cli({"simulate", "--flip-stored", "10:0"}).code, 2);
    }

    void interruptEndsTheTransferCleanly_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("read") << QStringLiteral("read");
        QTest::newRow("write") << QStringLiteral("write");
    }
    void interruptEndsTheTransferCleanly()
    {
        QFETCH(QString, command);
        QTemporaryDir tmp;
        const QString file = tmp.filePath(QStringLiteral("image.dat"));
        const QString trace = tmp.filePath(QStringLiteral("trace.txt"));
        QCOMPARE(cli({"new", "--band", "cb", "--out", file}).code, 0);
        const QString out = tmp.filePath(QStringLiteral("out.dat"));
        Simulator radio({"--pace"});
        QProcess p;
        p.start(cliPath(), {command, "--port", radio.device, command == "read" ? "--out" : "--in",
                            command == "read" ? out : file, "--trace", trace, "--no-backup"});
        QVERIFY(p.waitForStarted());
        // Interrupt once blocks are moving.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(trace).size() > 4000, 30000);
        ::kill(pid_t(p.processId()), SIGINT);
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 130);
        QVERIFY(!QFileInfo::exists(out));
        const QByteArray err = p.readAllStandardError();
        if (command == QLatin1String("write"))
            QVERIFY2(err.contains("partial write"), err.constData());
        // The last command on the line is "END".
        QFile t(trace);
        QVERIFY(t.open(QIODevice::ReadOnly));
        QByteArray lastSent;
        for (const QByteArray &line : t.readAll().split('\n')) {
            if (line.contains(" TX "))
                lastSent = line;
        }
        QVERIFY2(lastSent.endsWith("45 4E 44"), lastSent.constData());
    }
};

QTEST_GUILESS_MAIN(TestCliSafety)
#include "tst_clisafety.moc"
