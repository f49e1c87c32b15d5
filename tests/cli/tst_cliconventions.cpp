// Command-line conventions of both programs: help on stdout with status 0, the release,
// and bad usage as one line on stderr with status 2.
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {
struct Result {
    int code;
    QByteArray out;
    QByteArray err;
};

Result run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(TARVEN_TEST_PROGRAM_DIR "/") + program, args);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

Result cli(const QStringList &args) { return run(QStringLiteral("tarven-cli"), args); }
}

class TestCliConventions : public QObject {
    Q_OBJECT
private slots:
    void helpGoesToStdout_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("mentions");
        QTest::newRow("--help") << QStringList{"--help"} << QByteArray("simulate");
        QTest::newRow("-h") << QStringList{"-h"} << QByteArray("Commands:");
        QTest::newRow("help") << QStringList{"help"} << QByteArray("dump");
        QTest::newRow("read --help") << QStringList{"read", "--help"} << QByteArray("--out FILE");
        QTest::newRow("read -h after options") << QStringList{"read", "--port", "x", "-h"} << QByteArray("--trace FILE");
        QTest::newRow("help dump") << QStringList{"help", "dump"} << QByteArray("dump FILE.dat [--json]");
        QTest::newRow("simulate --help") << QStringList{"simulate", "--help"} << QByteArray("--firmware VNNN");
    }
    void helpGoesToStdout()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, mentions);
        const Result r = cli(args);
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.contains(mentions), r.out.constData());
        QVERIFY(r.err.isEmpty());
    }

    void versionOfBothPrograms()
    {
        const QRegularExpression form(QStringLiteral("^%1 \\d+\\.\\d+\\.\\d+\\n$"));
        const Result c = cli({"--version"});
        QCOMPARE(c.code, 0);
        QVERIFY2(QRegularExpression(form.pattern().arg("tarven-cli")).match(QString::fromUtf8(c.out)).hasMatch(),
                 c.out.constData());
        // The desktop program answers without a display.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(TARVEN_TEST_PROGRAM_DIR "/tarven"), {"--version"});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        const QString gui = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(QRegularExpression(form.pattern().arg("tarven")).match(gui).hasMatch(), qPrintable(gui));
        p.start(QStringLiteral(TARVEN_TEST_PROGRAM_DIR "/tarven"), {"--help"});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(p.readAllStandardOutput().contains("--port DEVICE"));
    }

    void badUsageIsOneLineAndStatus2_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("mentions");
        const QString c = QStringLiteral("tarven-cli");
        QTest::newRow("unknown option") << c << QStringList{"dump", "x.dat", "--jsn"} << QByteArray("jsn");
        QTest::newRow("unknown option first") << c << QStringList{"--frobnicate"} << QByteArray("frobnicate");
        QTest::newRow("option of another command") << c << QStringList{"new", "--band", "cb", "--out", "x", "--port", "p"}
                                                   << QByteArray("port");
        QTest::newRow("missing value") << c << QStringList{"read", "--out", "x.dat", "--port"} << QByteArray("--port");
        QTest::newRow("missing option") << c << QStringList{"read", "--port", "/dev/null"} << QByteArray("--out");
        QTest::newRow("flag with value") << c << QStringList{"dump", "x.dat", "--json=yes"} << QByteArray("json");
        QTest::newRow("stray argument") << c << QStringList{"info", "--port", "p", "extra"} << QByteArray("extra");
        QTest::newRow("positional missing") << c << QStringList{"dump"} << QByteArray("FILE.dat");
        QTest::newRow("unknown command") << c << QStringList{"frobnicate"} << QByteArray("frobnicate");
        QTest::newRow("bad band") << c << QStringList{"new", "--band", "uhf", "--out", "x"} << QByteArray("cb");
        QTest::newRow("desktop unknown option") << QStringLiteral("tarven") << QStringList{"--frobnicate"}
                                                << QByteArray("frobnicate");
        QTest::newRow("desktop missing value") << QStringLiteral("tarven") << QStringList{"--port"}
                                               << QByteArray("port");
    }
    void badUsageIsOneLineAndStatus2()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, args);
        QFETCH(QByteArray, mentions);
        const Result r = run(program, args);
        QCOMPARE(r.code, 2);
        QVERIFY(r.out.isEmpty());
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY2(r.err.endsWith('\n') && r.err.contains(mentions), r.err.constData());
    }

    void noCommandListsTheCommandsOnStderr()
    {
        const Result r = cli({});
        QCOMPARE(r.code, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY(r.err.contains("read"));
    }

    void optionFormsAndOrder()
    {
        // --name=value and options before or after the positional argument are the same.
        QTemporaryDir tmp;
        const QString file = tmp.filePath(QStringLiteral("hf.dat"));
        QCOMPARE(cli({"new", "--out=" + file, "--band=hf"}).code, 0);
        const Result before = cli({"dump", "--json", file});
        const Result after = cli({"dump", file, "--json"});
        QCOMPARE(before.code, 0);
        QCOMPARE(before.out, after.out);
        QVERIFY(!before.out.contains('\0'));
        QCOMPARE(QJsonDocument::fromJson(before.out).object().value("bandMode").toInt(), 1);
    }
};

QTEST_GUILESS_MAIN(TestCliConventions)
#include "tst_cliconventions.moc"
