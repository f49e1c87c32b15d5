// tarven-cli diff, backups, write --verify against a radio that stores a byte wrongly,
// and SIGINT during a transfer, run as a user would run them.
#include "BackupStore.h"
#include "CliProcess.h"
#include "RadioImage.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <csignal>

namespace {
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
        const CliResult same = cli({"diff", a, b});
        QCOMPARE(same.code, 0);
        QVERIFY(same.out.isEmpty());

        patchByte(b, 15 + 90, 7);   // option 4, the time-out timer
        const CliResult text = cli({"diff", a, b});
        QCOMPARE(text.code, 1);
        QCOMPARE(text.out.count('\n'), 1);
        QVERIFY2(text.out.contains("\xE2\x86\x92"), text.out.constData());   // the arrow of "before → after"

        const CliResult json = cli({"diff", a, b, "--json"});
        QCOMPARE(json.code, 1);
        const QJsonObject root = QJsonDocument::fromJson(json.out).object();
        QCOMPARE(root.value("equal").toBool(), false);
        const QJsonArray list = root.value("differences").toArray();
        QCOMPARE(list.size(), 1);
        QCOMPARE(list.at(0).toObject().value("key").toString(), QStringLiteral("option/4"));

        QCOMPARE(cli({"diff", a}).code, 2);
        QCOMPARE(cli({"diff", a, b, "--bogus"}).code, 2);
        const CliResult missing = cli({"diff", a, tmp.filePath(QStringLiteral("missing.dat"))});
        QCOMPARE(missing.code, 2);
        QVERIFY(missing.err.contains("missing.dat"));
        QFile shortFile(tmp.filePath(QStringLiteral("short.dat")));
        QVERIFY(shortFile.open(QIODevice::WriteOnly));
        shortFile.write("TARVEN2");
        shortFile.close();
        QCOMPARE(cli({"diff", shortFile.fileName(), a}).code, 2);
    }

    // diff compares data files only: anything else is "not a valid data file", trouble (2),
    // as dump says of it, whatever its size.
    void diffRefusesWhatIsNoDataFile()
    {
        QTemporaryDir tmp;
        const QString a = tmp.filePath(QStringLiteral("a.dat"));
        QCOMPARE(cli({"new", "--band", "hf", "--out", a}).code, 0);
        const QByteArray zeros(25611, '\0');
        QByteArray text;
        while (text.size() < 25611)
            text += "channel count 27749 is outside, a text file that only has the size of a data file\n";
        for (const QByteArray &bytes : {zeros, text.left(25611), text.left(1000)}) {
            const QString other = tmp.filePath(QStringLiteral("other.dat"));
            QFile f(other);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(bytes);
            f.close();
            for (const QStringList &args : {QStringList{"diff", a, other}, QStringList{"diff", other, a},
                                            QStringList{"diff", other, a, "--json"}}) {
                const CliResult r = cli(args);
                QCOMPARE(r.code, 2);
                QVERIFY(r.out.isEmpty());
                QVERIFY2(r.err.contains("not a valid TARVEN II data file"), r.err.constData());
            }
            const CliResult dump = cli({"dump", other});
            QVERIFY2(dump.err.contains("not a valid TARVEN II data file"), dump.err.constData());
        }
    }

    // Values and names from the files reach the terminal with their control characters
    // escaped: a file cannot retitle or clear the terminal through diff.
    void diffEscapesControlCharacters()
    {
        QTemporaryDir tmp;
        const QString a = tmp.filePath(QStringLiteral("a.dat"));
        const QString b = tmp.filePath(QString::fromUtf8("b\x1B]0;owned\x07.dat"));
        QCOMPARE(cli({"new", "--band", "ham", "--out", a}).code, 0);
        QFile fa(a);
        QVERIFY(fa.open(QIODevice::ReadOnly));
        RadioImage img = RadioImage::fromBytes(fa.readAll());
        img.at(0).setFreqText(QString::fromUtf8("\x1B[2J"));
        img.addChannel(7, QStringLiteral("28.85000"));
        QFile fb(b);
        QVERIFY(fb.open(QIODevice::WriteOnly));
        fb.write(img.toBytes());
        fb.close();
        for (const QStringList &args : {QStringList{"diff", a, b}, QStringList{"diff", a, b, "--json"}}) {
            const CliResult r = cli(args);
            QCOMPARE(r.code, 1);
            QVERIFY2(!r.out.contains('\x1B') && !r.out.contains('\x07'), r.out.constData());
            QVERIFY2(r.out.contains("x1B[2J") && r.out.contains("x1B]0;owned"), r.out.constData());
        }
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
        const CliResult read = cli({"read", "--port", radio.device, "--out", out, "--backup-dir", backups});
        QCOMPARE(read.code, 0);
        QCOMPARE(BackupStore::Backups(backups).size(), 1);

        const CliResult plain = cli({"write", "--port", radio.device, "--in", out, "--no-backup"});
        QCOMPARE(plain.code, 0);   // the byte went in wrongly, but nobody checked
        QCOMPARE(BackupStore::Backups(backups).size(), 1);

        // The fault was used up by that write; a second simulator keeps it for the check.
        Simulator faulty({"--image", image, "--flip-stored", "1A45:80"});
        const CliResult checked = cli({"write", "--port", faulty.device, "--in", out, "--verify", "--backup-dir", backups});
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
        QTest::addColumn<int>("signal");
        QTest::newRow("read, Ctrl+C") << QStringLiteral("read") << int(SIGINT);
        QTest::newRow("write, Ctrl+C") << QStringLiteral("write") << int(SIGINT);
        // The terminal closed: the same clean end, not death by the signal.
        QTest::newRow("read, terminal closed") << QStringLiteral("read") << int(SIGHUP);
        QTest::newRow("write, terminal closed") << QStringLiteral("write") << int(SIGHUP);
    }
    void interruptEndsTheTransferCleanly()
    {
        QFETCH(QString, command);
        QFETCH(int, signal);
        QTemporaryDir tmp;
        const QString file = tmp.filePath(QStringLiteral("image.dat"));
        const QString trace = tmp.filePath(QStringLiteral("trace.txt"));
        QCOMPARE(cli({"new", "--band", "cb", "--out", file}).code, 0);
        const QString out = tmp.filePath(QStringLiteral("out.dat"));
        Simulator radio({"--pace"});
        QProcess p;
        p.start(CliPath(), {command, "--port", radio.device, command == "read" ? "--out" : "--in",
                            command == "read" ? out : file, "--trace", trace, "--no-backup"});
        QVERIFY(p.waitForStarted());
        // Interrupt once blocks are moving.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(trace).size() > 4000, 30000);
        ::kill(pid_t(p.processId()), signal);
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
