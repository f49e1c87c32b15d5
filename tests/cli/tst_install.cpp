// `cmake --install` into a temporary DESTDIR: the laid-out tree, the desktop entry and
// metainfo checked by their validators, and both installed programs started from a tree
// they may not write, with each user's settings in his own config folder.
#include "TestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct Result {
    int code;
    QByteArray out;
    QByteArray err;
};

Result runProgram(const QString &program, const QStringList &args, const QProcessEnvironment &env)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return {-1, p.readAllStandardOutput(), "did not end"};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

// Width and height from a PNG file's header chunk.
QSize pngSize(const QString &path)
{
    const QByteArray b = readFile(path);
    if (b.size() < 24 || !b.startsWith("\x89PNG"))
        return QSize();
    auto be32 = [&](int at) { return int(quint8(b[at]) << 24 | quint8(b[at + 1]) << 16 | quint8(b[at + 2]) << 8 | quint8(b[at + 3])); };
    return QSize(be32(16), be32(20));
}

void setTreeWritable(const QString &root, bool writable)
{
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDirIterator::Subdirectories);
    QStringList paths{root};
    while (it.hasNext())
        paths << it.next();
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (info.isSymLink())
            continue;
        QFile::Permissions p = info.permissions();
        if (writable)
            p |= QFile::WriteOwner;
        else
            p &= ~(QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther);
        QFile::setPermissions(path, p);
    }
}
}

class TestInstall : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(tmp.isValid());
        root = tmp.filePath(QStringLiteral("root"));
        prefix = root + QStringLiteral("/usr");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DESTDIR"), root);
        const QString build = QDir::cleanPath(QStringLiteral(TARVEN_TEST_PROGRAM_DIR "/../.."));
        const Result r = runProgram(QStringLiteral("cmake"), {"--install", build, "--prefix", "/usr"}, env);
        QVERIFY2(r.code == 0, r.err.constData());
    }

    void cleanupTestCase() { setTreeWritable(root, true); }

    void treeIsLaidOut()
    {
        const QString tree = prefix + QStringLiteral("/lib/tarven");
        QStringList expected{"Version.ini", "installed-tree", "V100/tarven", "V100/tarven-cli",
                             "V100/language/english.ini", "V100/language/chinese.ini", "V100/StartE.jpg",
                             "V100/StartC.jpg", "V100/PIC/BK_1.jpg", "V100/PIC/BK_2.jpg"};
        for (int band = 0; band < 3; ++band)
            expected << QStringLiteral("V100/Init/TARVEN2_%1.dat").arg(band) << QStringLiteral("V100/Init/TARVEN2_%1_NEW.dat").arg(band);
        // The stock channel lists: every CB country plan and the 10 m lists.
        for (const char *plan : {"EU", "CE", "U", "UK", "PL", "I2", "DE", "IN"})
            expected << QStringLiteral("V100/stock/cb-plan-%1.csv").arg(QLatin1String(plan));
        expected << QStringLiteral("V100/stock/10m-fm-calling-simplex.csv") << QStringLiteral("V100/stock/10m-am-calling.csv");
        for (const QString &file : expected)
            QVERIFY2(QFileInfo(tree + QLatin1Char('/') + file).isFile(), qPrintable(file));
        // What a run writes is never shipped.
        QVERIFY(!QFileInfo::exists(tree + QStringLiteral("/language/mysetup.ini")));
        QVERIFY(!QFileInfo::exists(tree + QStringLiteral("/V100/Setting.ini")));
        for (const char *program : {"tarven", "tarven-cli"}) {
            const QFileInfo link(prefix + QStringLiteral("/bin/") + QLatin1String(program));
            QVERIFY(link.isSymLink());
            QCOMPARE(link.canonicalFilePath(), QFileInfo(tree + QStringLiteral("/V100/") + QLatin1String(program)).canonicalFilePath());
            QVERIFY(link.isExecutable());
        }
        for (int size : {16, 32, 48, 64, 128, 256})
            QCOMPARE(pngSize(prefix + QStringLiteral("/share/icons/hicolor/%1x%1/apps/tarven.png").arg(size)), QSize(size, size));
        for (const char *file : {"share/man/man1/tarven.1.gz", "share/man/man1/tarven-cli.1.gz",
                                 "share/bash-completion/completions/tarven-cli", "share/bash-completion/completions/tarven",
                                 "share/doc/tarven/copyright", "share/doc/tarven/changelog.gz",
                                 "share/mime/packages/org.tarven.tarven.xml", "lib/udev/rules.d/70-tarven-cable.rules"})
            QVERIFY2(QFileInfo(prefix + QLatin1Char('/') + QLatin1String(file)).size() > 0, file);
        QVERIFY(readFile(prefix + QStringLiteral("/share/man/man1/tarven-cli.1.gz")).startsWith("\x1f\x8b"));
        QVERIFY(!QFileInfo::exists(prefix + QStringLiteral("/share/man/man1/tarven-cli.1")));
    }

    void desktopEntryAndMetainfoValidate()
    {
        const QString desktop = prefix + QStringLiteral("/share/applications/org.tarven.tarven.desktop");
        const QString metainfo = prefix + QStringLiteral("/share/metainfo/org.tarven.tarven.metainfo.xml");
        QVERIFY(readFile(desktop).contains("Categories=Network;HamRadio;"));
        QVERIFY(readFile(desktop).contains("Exec=tarven %f"));
        QVERIFY(readFile(desktop).contains("MimeType=application/x-tarven-data;"));
        const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        const QString desktopValidate = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        const QString appstream = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
        if (desktopValidate.isEmpty() || appstream.isEmpty())
            QSKIP("desktop-file-utils or appstream missing: scripts/setup.sh installs them");
        Result r = runProgram(desktopValidate, {desktop}, env);
        QVERIFY2(r.code == 0 && r.out.trimmed().isEmpty(), r.out + r.err);
        r = runProgram(appstream, {"validate", "--no-net", metainfo}, env);
        QVERIFY2(r.code == 0, r.out + r.err);
    }

    // Both programs run from a tree they cannot write; two users keep their own settings.
    void installedProgramsRunWithPerUserSettings()
    {
        setTreeWritable(prefix + QStringLiteral("/lib/tarven"), false);
        const QString userA = tmp.filePath(QStringLiteral("userA"));
        const QString userB = tmp.filePath(QStringLiteral("userB"));
        QDir().mkpath(userB + QStringLiteral("/tarven"));
        QFile preset(userB + QStringLiteral("/tarven/mysetup.ini"));
        QVERIFY(preset.open(QIODevice::WriteOnly));
        preset.write("[language]\nIsFirstRun=0\ncomPort=3\nCurrentLanguage=2\n");
        preset.close();

        const QString cli = prefix + QStringLiteral("/bin/tarven-cli");
        const QString data = tmp.filePath(QStringLiteral("cb.dat"));
        Result r = runProgram(cli, {"new", "--band", "cb", "--out", data}, userEnv(userA));
        QVERIFY2(r.code == 0, r.err.constData());
        r = runProgram(cli, {"dump", data, "--json"}, userEnv(userA));
        QVERIFY2(r.code == 0 && r.out.contains("\"bandMode\": 0"), r.err.constData());
        QVERIFY(runProgram(cli, {"--version"}, userEnv(userA)).out.startsWith("tarven-cli "));

        // The desktop program starts, shows its main window and quits (start-up measurement mode).
        for (const QString &user : {userA, userB}) {
            QProcessEnvironment env = userEnv(user);
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            env.insert(QStringLiteral("TARVEN_BENCH"), QStringLiteral("1"));
            r = runProgram(prefix + QStringLiteral("/bin/tarven"), {}, env);
            QVERIFY2(r.code == 0 && r.out.contains("main-shown"), r.out + r.err);
        }
        // Without a display the desktop program says so in one line and ends with 1.
        QProcessEnvironment headless = userEnv(userA);
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            headless.remove(QLatin1String(name));
        r = runProgram(prefix + QStringLiteral("/bin/tarven"), {QStringLiteral("--demo")}, headless);
        QCOMPARE(r.code, 1);
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY(r.err.contains("tarven-cli"));

        const QByteArray a = readFile(userA + QStringLiteral("/tarven/mysetup.ini"));
        const QByteArray b = readFile(userB + QStringLiteral("/tarven/mysetup.ini"));
        QVERIFY2(a.contains("IsFirstRun=0") && a.contains("CurrentLanguage=1") && a.contains("comPort=1"), a.constData());
        QVERIFY2(b.contains("CurrentLanguage=2") && b.contains("comPort=3"), b.constData());
        QVERIFY(!QFileInfo::exists(prefix + QStringLiteral("/lib/tarven/language/mysetup.ini")));
        QVERIFY(!QFileInfo::exists(prefix + QStringLiteral("/lib/tarven/V100/Setting.ini")));
    }

private:
    QProcessEnvironment userEnv(const QString &configHome) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("TARVEN_PROGRAM_DIR"));   // the installed tree, found from the program itself
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
        env.insert(QStringLiteral("HOME"), configHome);
        env.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
        return env;
    }

    QTemporaryDir tmp;
    QString root;
    QString prefix;
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
