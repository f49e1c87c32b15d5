// The radio history from the command line, against simulated radios: write --plan lists
// what a write would change and changes nothing; a write leaves a receipt; a write that
// fails says what the radio holds and how to put back what it held, and that restore
// leaves the radio as it was; the history lists by radio from the files alone.
#include "CliProcess.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QtTest>

#include <csignal>

namespace {
QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void patchByte(const QString &path, int offset, char value)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.seek(offset));
    f.write(&value, 1);
}

QJsonObject json(const QByteArray &text)
{
    return QJsonDocument::fromJson(text).object();
}

// The key, before and after of each difference in a JSON list.
QStringList summary(const QJsonArray &list)
{
    QStringList out;
    for (const QJsonValue &v : list) {
        const QJsonObject o = v.toObject();
        out << o.value("key").toString() + QLatin1Char(' ') + o.value("before").toString() + QStringLiteral(" > ")
                + o.value("after").toString();
    }
    return out;
}

constexpr int kOptionBlock = 15;
} // namespace

class TestCliHistory : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(tmp_.reset());
    }

    void initTestCase()
    {
        // Two images of one radio: the one it holds and one with two settings changed.
        QCOMPARE(cli({"new", "--band", "hf", "--out", path("radio.dat")}).code, 0);
        QVERIFY(QFile::copy(path("radio.dat"), path("changed.dat")));
        patchByte(path("changed.dat"), kOptionBlock + 90, 7);   // option 4, the time-out timer
        patchByte(path("changed.dat"), kOptionBlock + 96, 5);   // option 7, the squelch level
        // What a read of the radio gives, the image every restore must bring back.
        Simulator radio({"--image", path("radio.dat")});
        QCOMPARE(cli({"read", "--port", radio.device, "--out", path("before.dat"), "--no-backup"}).code, 0);
    }

    void planListsExactlyTheChangesAndWritesNothing()
    {
        Simulator radio({"--image", path("radio.dat")});
        const CliResult plan = cli({"write", "--plan", "--json", "--port", radio.device, "--in", path("changed.dat"),
                                    "--backup-dir", history()});
        QCOMPARE(plan.code, 1);
        const QJsonObject o = json(plan.out);
        QCOMPARE(o.value("serialNumber").toString(), QStringLiteral("TV2-0001234"));
        // Exactly the two settings changed in the file, in the words of `diff`.
        QStringList keys;
        for (const QJsonValue &v : o.value("changes").toArray())
            keys << v.toObject().value("key").toString();
        QCOMPARE(keys, (QStringList{"option/4", "option/7"}));
        const QStringList differences = summary(json(cli({"diff", path("before.dat"), path("changed.dat"), "--json"}).out)
                                                    .value("differences").toArray());
        for (const QString &change : summary(o.value("changes").toArray()))
            QVERIFY2(differences.contains(change), qPrintable(change));

        const CliResult text = cli({"write", "--plan", "--port", radio.device, "--in", path("changed.dat"), "--no-backup"});
        QCOMPARE(text.code, 1);
        QCOMPARE(text.out.count('\n'), 2);
        QCOMPARE(cli({"write", "--plan", "--port", radio.device, "--in", path("before.dat"), "--no-backup"}).code, 0);

        // Nothing was written: the radio reads back byte for byte as before.
        QCOMPARE(cli({"read", "--port", radio.device, "--out", path("after.dat"), "--no-backup"}).code, 0);
        QCOMPARE(fileBytes(path("after.dat")), fileBytes(path("before.dat")));

        QCOMPARE(cli({"write", "--json", "--port", radio.device, "--in", path("changed.dat")}).code, 2);
        QCOMPARE(cli({"write", "--plan", "--verify", "--port", radio.device, "--in", path("changed.dat")}).code, 2);
        QCOMPARE(cli({"write", "--plan", "--port", "/nonexistent/tty", "--in", path("changed.dat"), "--no-backup"}).code, 2);
    }

    void aConfirmedWriteLeavesAReceiptOfWhatChanged()
    {
        Simulator radio({"--image", path("radio.dat")});
        QCOMPARE(cli({"read", "--port", radio.device, "--out", path("read.dat"), "--backup-dir", history()}).code, 0);
        const CliResult write =
            cli({"write", "--port", radio.device, "--in", path("changed.dat"), "--verify", "--backup-dir", history()});
        QVERIFY2(write.code == 0, write.err.constData());
        QVERIFY2(write.err.contains("receipt"), write.err.constData());

        const QJsonArray entries = json(cli({"history", "--dir", history(), "--json"}).out).value("entries").toArray();
        QCOMPARE(entries.size(), 2);
        const QJsonObject receipt = entries.at(1).toObject();
        QCOMPARE(receipt.value("kind").toString(), QStringLiteral("verified-write"));
        QCOMPARE(receipt.value("serial").toString(), QStringLiteral("TV2-0001234"));
        QCOMPARE(receipt.value("firmware").toString(), QStringLiteral("V100"));
        QCOMPARE(receipt.value("previous").toString(), entries.at(0).toObject().value("file").toString());
        QCOMPARE(cli({"diff", receipt.value("path").toString(), path("changed.dat")}).code, 0);   // the image written

        // The receipt's differences are those between the radio before and after.
        QCOMPARE(cli({"read", "--port", radio.device, "--out", path("after.dat"), "--no-backup"}).code, 0);
        const CliResult diff = cli({"diff", path("read.dat"), path("after.dat"), "--json"});
        QCOMPARE(diff.code, 1);
        QCOMPARE(summary(receipt.value("changes").toArray()), summary(json(diff.out).value("differences").toArray()));
    }

    void aFailedWriteSaysWhatTheRadioHoldsAndTheRestoreBringsItBack_data()
    {
        QTest::addColumn<QStringList>("fault");
        QTest::addColumn<QString>("holds");
        QTest::newRow("stored wrongly") << QStringList{"--flip-stored", "1A45:80"} << QStringLiteral("the check found 1 place where it stored another value");
        QTest::newRow("read back fails") << QStringList{"--bad-read-at", "0400"} << QStringLiteral("it was not checked");
        QTest::newRow("silent at 0010") << QStringList{"--silent-at", "0010"} << QStringLiteral("up to address 000F");
        QTest::newRow("silent at 0A40") << QStringList{"--silent-at", "0A40"} << QStringLiteral("up to address 0A3F");
        QTest::newRow("silent at 1CF0") << QStringList{"--silent-at", "1CF0"} << QStringLiteral("up to address 1CEF");
    }
    void aFailedWriteSaysWhatTheRadioHoldsAndTheRestoreBringsItBack()
    {
        QFETCH(QStringList, fault);
        QFETCH(QString, holds);
        {
            // The radio's contents come into the history from a read on a sound line.
            Simulator radio({"--image", path("radio.dat")});
            QCOMPARE(cli({"read", "--port", radio.device, "--out", path("read.dat"), "--backup-dir", history()}).code, 0);
        }
        Simulator radio(QStringList{"--image", path("radio.dat")} + fault);
        const CliResult write =
            cli({"write", "--port", radio.device, "--in", path("changed.dat"), "--verify", "--backup-dir", history()});
        QCOMPARE(write.code, 1);
        QVERIFY2(write.err.contains(holds.toUtf8()), write.err.constData());
        const QRegularExpression hint(QStringLiteral("tarven-cli write --port (\\S+) --in (\\S+)"));
        const QRegularExpressionMatch m = hint.match(QString::fromUtf8(write.err));
        QVERIFY2(m.hasMatch(), write.err.constData());
        QCOMPARE(m.captured(1), radio.device);

        const CliResult restore = cli({"write", "--port", m.captured(1), "--in", m.captured(2), "--backup-dir", history()});
        QVERIFY2(restore.code == 0, restore.err.constData());
        QCOMPARE(cli({"read", "--port", radio.device, "--out", path("after.dat"), "--no-backup"}).code, 0);
        QCOMPARE(fileBytes(path("after.dat")), fileBytes(path("before.dat")));
        const QJsonArray entries = json(cli({"history", "--dir", history(), "--json"}).out).value("entries").toArray();
        QCOMPARE(entries.last().toObject().value("kind").toString(), QStringLiteral("restore"));
    }

    void aWriteToASilentRadioLeavesNoEntryAndSaysTheRadioIsUnchanged()
    {
        Simulator radio({"--image", path("radio.dat"), "--silent-at", "0"});
        const CliResult write = cli({"write", "--port", radio.device, "--in", path("changed.dat"), "--backup-dir", history()});
        QCOMPARE(write.code, 1);
        QVERIFY(!write.err.contains("tarven-cli write --port"));
        QCOMPARE(json(cli({"history", "--dir", history(), "--json"}).out).value("entries").toArray().size(), 0);
    }

    void aCancelledWriteOffersTheRestore()
    {
        {
            Simulator radio({"--image", path("radio.dat")});
            QCOMPARE(cli({"read", "--port", radio.device, "--out", path("read.dat"), "--backup-dir", history()}).code, 0);
        }
        Simulator radio({"--image", path("radio.dat"), "--pace"});
        const QString trace = path("trace.txt");
        QProcess p;
        p.start(CliPath(), {"write", "--port", radio.device, "--in", path("changed.dat"), "--backup-dir", history(),
                            "--trace", trace});
        QVERIFY(p.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(fileBytes(trace).count("TX 57") > 20, 30000);   // data frames are going out
        ::kill(pid_t(p.processId()), SIGINT);
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 130);
        const QByteArray err = p.readAllStandardError();
        QVERIFY2(err.contains("partial write") && err.contains("to restore it"), err.constData());
    }

    void theHistoryListsRadiosFromTheFilesAlone()
    {
        for (const QString &serialImage : {QStringLiteral("radio.dat"), QStringLiteral("changed.dat")}) {
            Simulator radio({"--image", path(serialImage)});
            QCOMPARE(cli({"read", "--port", radio.device, "--out", path("read.dat"), "--backup-dir", history()}).code, 0);
        }
        const CliResult before = cli({"history", "--dir", history()});
        QCOMPARE(before.code, 0);
        QVERIFY(QFile::remove(history() + QStringLiteral("/history-index.json")));
        const CliResult after = cli({"history", "--dir", history()});
        QCOMPARE(after.out, before.out);
        QVERIFY2(after.out.contains("Radio TV2-0001234"), after.out.constData());
        QCOMPARE(after.out.count(" read "), 2);
        QVERIFY(QFileInfo::exists(history() + QStringLiteral("/history-index.json")));
        QCOMPARE(cli({"history", "--dir", path("changed.dat")}).code, 1);
        QCOMPARE(cli({"history", "--dir", path("nothing-yet")}).code, 0);
    }

private:
    QString path(const QString &name) const { return files_.filePath(name); }
    QString history() const { return tmp_.dir->filePath(QStringLiteral("history")); }

    QTemporaryDir files_;
    struct Fresh {
        std::unique_ptr<QTemporaryDir> dir;
        bool reset()
        {
            dir = std::make_unique<QTemporaryDir>();
            return dir->isValid();
        }
    } tmp_;
};

QTEST_GUILESS_MAIN(TestCliHistory)
#include "tst_clihistory.moc"
