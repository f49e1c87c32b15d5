// tarven-cli new and dump, run as a user would run them.

#include "CliProcess.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>


class TestCliDocument : public QObject {
    Q_OBJECT
private slots:
    void newAndDump()
    {
        QTemporaryDir tmp;
        const QString file = tmp.filePath(QStringLiteral("cb.dat"));
        QCOMPARE(cli({"new", "--band", "cb", "--out", file}).code, 0);
        QCOMPARE(QFileInfo(file).size(), qint64(25611));

        const CliResult text = cli({"dump", file});
        QCOMPARE(text.code, 0);
        QVERIFY(text.out.contains("[UK]"));
        QVERIFY(text.out.contains("27.60125"));

        const CliResult json = cli({"dump", file, "--json"});
        QCOMPARE(json.code, 0);
        const QJsonObject root = QJsonDocument::fromJson(json.out).object();
        QCOMPARE(root.value("bandMode").toInt(), 0);
        QCOMPARE(root.value("model").toString(), QStringLiteral("TARVEN II"));
        const QJsonArray groups = root.value("groups").toArray();
        QCOMPARE(groups.size(), 9);
        QCOMPARE(groups.at(6).toObject().value("channels").toArray().size(), 80);
        QCOMPARE(groups.at(2).toObject().value("channels").toArray().at(0).toObject().value("modulation").toString(),
                 QStringLiteral("AM"));
    }

    void otherBandsAndFactory()
    {
        QTemporaryDir tmp;
        const QString file = tmp.filePath(QStringLiteral("ham.dat"));
        QCOMPARE(cli({"new", "--band", "ham", "--out", file, "--factory"}).code, 0);
        const QJsonObject root = QJsonDocument::fromJson(cli({"dump", file, "--json"}).out).object();
        QCOMPARE(root.value("bandMode").toInt(), 2);
        QCOMPARE(root.value("channelCount").toInt(), 10);
    }

    void jsonIsWhatQtWouldWrite()
    {
        // The dump writes its JSON itself; Qt reading and writing it again must give the
        // same bytes, whatever the file's texts hold (quotes, backslashes, control
        // characters, Latin-1 letters) and with empty groups.
        QTemporaryDir tmp;
        const QString file = tmp.filePath(QStringLiteral("odd.dat"));
        QCOMPARE(cli({"new", "--band", "ham", "--out", file, "--factory"}).code, 0);
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QByteArray bytes = f.readAll();
        const QByteArray stored("\"\\\x01\x1B\x7F\xE9\n\t", 8);
        bytes.replace(1071 + 6, 8, stored);   // the stored frequency of the first slot
        QVERIFY(f.seek(0));
        QCOMPARE(f.write(bytes), bytes.size());
        f.close();

        const CliResult json = cli({"dump", file, "--json"});
        QCOMPARE(json.code, 0);
        const QJsonDocument doc = QJsonDocument::fromJson(json.out);
        QVERIFY(doc.isObject());
        QCOMPARE(doc.toJson(QJsonDocument::Indented), json.out);
        const QJsonArray groups = doc.object().value("groups").toArray();
        QCOMPARE(groups.at(0).toObject().value("channels").toArray().at(0).toObject().value("stored").toString(),
                 QString::fromLatin1(stored));
        bool emptyGroup = false;
        for (const QJsonValue &g : groups)
            emptyGroup = emptyGroup || g.toObject().value("channels").toArray().isEmpty();
        QVERIFY(emptyGroup);
    }

    // The warning of a damaged file comes as plain lines (no CR of a message box's line
    // breaks), names the channel as the grid does, and shows what the file holds escaped.
    void damagedFileWarningIsPlainText()
    {
        QTemporaryDir tmp;
        const QString file = tmp.filePath(QStringLiteral("odd.dat"));
        QCOMPARE(cli({"new", "--band", "hf", "--out", file, "--factory"}).code, 0);
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QByteArray bytes = f.readAll();
        bytes.replace(1071 + 6, 8, QByteArray("\x1B]0;x\x07\r", 8));   // the stored frequency of the first slot
        QVERIFY(f.seek(0));
        QCOMPARE(f.write(bytes), bytes.size());
        f.close();

        for (const QStringList &args : {QStringList{"dump", file}, QStringList{"dump", file, "--json"}}) {
            const CliResult r = cli(args);
            QCOMPARE(r.code, 0);
            QVERIFY2(r.err.contains("outside their ranges"), r.err.constData());
            QVERIFY2(r.err.contains("Channel 1 (A-1)"), r.err.constData());
            for (const QByteArray &stream : {r.err, r.out}) {
                QVERIFY2(!stream.contains('\r') && !stream.contains('\x1B') && !stream.contains('\x07'),
                         stream.constData());
            }
        }
    }

    void failuresAndUsage()
    {
        QTemporaryDir tmp;
        QCOMPARE(cli({}).code, 2);
        QCOMPARE(cli({"frobnicate"}).code, 2);
        QCOMPARE(cli({"new", "--band", "uhf", "--out", tmp.filePath("x.dat")}).code, 2);
        QCOMPARE(cli({"dump"}).code, 2);
        const CliResult missing = cli({"dump", tmp.filePath("none.dat")});
        QCOMPARE(missing.code, 1);
        QVERIFY(!missing.err.trimmed().isEmpty());
        QFile junk(tmp.filePath("junk.dat"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(100, 'j'));
        junk.close();
        QCOMPARE(cli({"dump", junk.fileName()}).code, 1);
        QCOMPARE(cli({"new", "--band", "hf", "--out", tmp.filePath("no/such/dir/x.dat")}).code, 1);

        // A dump that cannot be written (a full disk) fails and says so.
        const QString file = tmp.filePath(QStringLiteral("cb.dat"));
        QCOMPARE(cli({"new", "--band", "cb", "--out", file}).code, 0);
        for (const QStringList &args : {QStringList{"dump", file}, QStringList{"dump", file, "--json"}}) {
            QProcess p;
            p.setStandardOutputFile(QStringLiteral("/dev/full"));
            p.start(CliPath(), args);
            QVERIFY(p.waitForFinished(30000));
            QCOMPARE(p.exitCode(), 1);
            QVERIFY(p.readAllStandardError().contains("could not be written"));
        }
    }
};

QTEST_GUILESS_MAIN(TestCliDocument)
#include "tst_clidocument.moc"
