// tarven-cli read, write and info end to end against the simulated radio of
// `tarven-cli simulate`: exit codes 0, 1 and 2, the password option, the keys of
// `info --json`, the trace format, and the checks made before a transfer starts.
#include "CliProcess.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <sys/stat.h>


namespace {
// A simulated radio in its own process, serving on the pseudo-terminal it names.
class Radio {
public:
    explicit Radio(const QStringList &options = {})
    {
        process_.start(CliPath(), QStringList{QStringLiteral("simulate")} + options);
        if (process_.waitForReadyRead(20000))
            device_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
    ~Radio()
    {
        process_.terminate();
        process_.waitForFinished(10000);
    }
    QString device() const { return device_; }

private:
    QProcess process_;
    QString device_;
};
}

class TestCliLink : public QObject {
    Q_OBJECT
private slots:
    void readWriteAndInfo()
    {
        QTemporaryDir tmp;
        Radio radio({QStringLiteral("--band"), QStringLiteral("hf")});
        QVERIFY(!radio.device().isEmpty());
        const QString file = tmp.filePath(QStringLiteral("read.dat"));
        const QString trace = tmp.filePath(QStringLiteral("trace.txt"));
        const CliResult read = cli({"read", "--port", radio.device(), "--out", file, "--trace", trace});
        QVERIFY2(read.code == 0, read.err.constData());
        QCOMPARE(QFileInfo(file).size(), qint64(25611));

        // Every trace line: seconds with six decimals, then TX or RX and hex bytes, or a note.
        QFile t(trace);
        QVERIFY(t.open(QIODevice::ReadOnly | QIODevice::Text));
        const QRegularExpression lineForm(QStringLiteral("^\\d+\\.\\d{6} ((TX|RX)( [0-9A-F]{2})+|-- .*)$"));
        int lines = 0;
        bool programSent = false;
        while (!t.atEnd()) {
            const QString line = QString::fromUtf8(t.readLine()).chopped(1);
            QVERIFY2(lineForm.match(line).hasMatch(), qPrintable(line));
            programSent = programSent || line.endsWith(QStringLiteral("TX 50 52 4F 47 52 41 4D"));
            ++lines;
        }
        QVERIFY(programSent);
        QVERIFY(lines > 464);

        const CliResult write = cli({"write", "--port", radio.device(), "--in", file});
        QVERIFY2(write.code == 0, write.err.constData());

        const CliResult info = cli({"info", "--port", radio.device(), "--json"});
        QVERIFY2(info.code == 0, info.err.constData());
        const QJsonObject o = QJsonDocument::fromJson(info.out).object();
        QStringList keys = o.keys();
        keys.sort();
        QStringList expected{"bandMode", "serialNumber", "factoryDate", "repairDate", "repairReason",
                             "salesAreaCode", "batchNumber", "customerCode", "dealerCode", "stockInDate",
                             "saleDate", "handler"};
        expected.sort();
        QCOMPARE(keys, expected);
        QCOMPARE(o.value("bandMode").toInt(), 1);
        for (const QString &k : expected) {
            if (k != QLatin1String("bandMode"))
                QVERIFY(!o.value(k).toString().endsWith(QLatin1Char(' ')));
        }
    }

    // The password is trimmed as the password dialog trims it; a wrong one fails.
    void password()
    {
        QTemporaryDir tmp;
        Radio radio({QStringLiteral("--password"), QStringLiteral("AB")});
        const QString file = tmp.filePath(QStringLiteral("read.dat"));
        QCOMPARE(cli({"read", "--port", radio.device(), "--out", file, "--password", "AB  "}).code, 0);
        const CliResult wrong = cli({"write", "--port", radio.device(), "--in", file, "--password", "XY"});
        QCOMPARE(wrong.code, 1);
        QVERIFY(wrong.err.contains("PassWord Failure!"));
    }

    // A folder that is missing or cannot be written is found before the transfer, and
    // nothing claims success; a device node is never replaced by a file.
    void outputCheckedBeforeTheTransfer()
    {
        QTemporaryDir tmp;
        Radio radio;
        const CliResult missing = cli({"read", "--port", radio.device(), "--out", tmp.filePath("no/such/x.dat")});
        QCOMPARE(missing.code, 1);
        QVERIFY(!missing.err.contains("successfully"));
        const CliResult device = cli({"new", "--band", "cb", "--out", "/dev/null"});
        QCOMPARE(device.code, 1);
        QVERIFY(QFileInfo(QStringLiteral("/dev/null")).exists() && !QFileInfo(QStringLiteral("/dev/null")).isFile());
        const CliResult readToDevice = cli({"read", "--port", radio.device(), "--out", "/dev/null"});
        QCOMPARE(readToDevice.code, 1);
        QVERIFY(!readToDevice.err.contains("successfully"));
    }

    // The trace log follows the rules of every written file: it never takes the place of
    // the data file the command reads or writes, nor of a pipe. Refused before the port opens.
    void traceNeverReplacesTheCommandsFiles()
    {
        QTemporaryDir tmp;
        const QString dat = tmp.filePath("doc.dat");
        QCOMPARE(cli({"new", "--band", "cb", "--out", dat}).code, 0);
        const QByteArray bytes = [&] { QFile f(dat); return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(); }();
        const QString fifo = tmp.filePath("trace.fifo");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString absent = "/dev/tarven-no-such-device";
        const QList<QStringList> refused = {
            {"write", "--port", absent, "--in", dat, "--trace", dat},
            {"read", "--port", absent, "--out", tmp.filePath("new.dat"), "--trace", tmp.filePath("new.dat")},
            {"read", "--port", absent, "--out", tmp.filePath("new.dat"), "--trace", fifo},
            {"info", "--port", absent, "--trace", fifo},
        };
        for (const QStringList &args : refused) {
            const CliResult r = cli(args);
            QVERIFY2(r.code == 1, qPrintable(args.join(' ')));
            QVERIFY2(r.err.contains(args.last().toUtf8()), r.err.constData());
            QVERIFY(!QFileInfo::exists(tmp.filePath("new.dat")));
            QVERIFY(!QFileInfo(fifo).isFile());
            QFile f(dat);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), bytes);
        }
    }

    // The tool asks nothing: a question is printed with the answer it got.
    void questionsAreAnsweredNo()
    {
        QTemporaryDir tmp;
        Radio radio({QStringLiteral("--firmware"), QStringLiteral("V109")});
        const CliResult read = cli({"read", "--port", radio.device(), "--out", tmp.filePath("x.dat")});
        QCOMPARE(read.code, 1);
        QVERIFY(read.err.contains("V1.09"));
        QVERIFY2(read.err.contains("Answered no"), read.err.constData());
        QVERIFY(!QFileInfo::exists(tmp.filePath("x.dat")));
    }

    void noRadioAndBadUsage()
    {
        QTemporaryDir tmp;
        QCOMPARE(cli({"info", "--port", "/dev/tarven-no-such-device"}).code, 1);
        QCOMPARE(cli({"read", "--out", tmp.filePath("x.dat")}).code, 2);
        QCOMPARE(cli({"write", "--port", "/dev/null"}).code, 2);
        QCOMPARE(cli({"info"}).code, 2);
    }
};

QTEST_GUILESS_MAIN(TestCliLink)
#include "tst_clilink.moc"
