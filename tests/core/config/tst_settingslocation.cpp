// Where mysetup.ini and Setting.ini live: in a portable tree beside the program, in an
// installed tree in each user's own config folder, with the installed files as defaults.
#include "ProfileFile.h"
#include "RunSettings.h"
#include "SettingsLocation.h"
#include "Startup.h"
#include "TestFiles.h"
#include "TestProgramDir.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {
QString setupValue(const QString &file, const char *key)
{
    return ReadProfileString(file, QStringLiteral("language"), QString::fromLatin1(key));
}
}

class TestSettingsLocation : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        env = std::make_unique<TestProgramDir>();
        QVERIFY(userA.isValid() && userB.isValid());
        for (const QTemporaryDir *home : {&userA, &userB})
            QDir(home->path() + QStringLiteral("/tarven")).removeRecursively();
        useHome(userA);
    }
    void cleanup()
    {
        env.reset();
        qunsetenv("XDG_CONFIG_HOME");
    }

    void portableTreeKeepsSettingsBesideTheProgram()
    {
        QVERIFY(SettingsInTree());
        InitDefaults();
        ReadMySetup();
        ReadSettingBytes();
        WriteSettingBytes();
        QCOMPARE(MySetupPath(), env->parentDir() + QStringLiteral("/language/mysetup.ini"));
        QVERIFY(QFile::exists(env->parentDir() + QStringLiteral("/language/mysetup.ini")));
        QVERIFY(QFile::exists(env->path(QStringLiteral("Setting.ini"))));
        QVERIFY(!QFileInfo::exists(userA.path() + QStringLiteral("/tarven")));
    }

    void installedTreeGivesEachUserOwnCopies()
    {
        const QString treeSetup = env->parentDir() + QStringLiteral("/language/mysetup.ini");
        const QString treeSetting = env->path(QStringLiteral("Setting.ini"));
        QVERIFY(writeFile(treeSetup, "[language]\nIsFirstRun=0\ncomPort=7\nCurrentLanguage=2\n"));
        QVERIFY(writeFile(treeSetting, QByteArray("\x01\x02\x03\x04", 4)));
        markInstalled();
        const QByteArray treeSetupBefore = readFile(treeSetup);

        // User A starts: the installed files are the defaults; changes go to A's folder.
        InitDefaults();
        ReadMySetup();
        ReadSettingBytes();
        QCOMPARE(Run().comPort, 7);
        QCOMPARE(Run().CurrentLanguageId, 2);
        QCOMPARE(Run().SettingBytes, (std::array<uint8_t, 4>{1, 2, 3, 4}));
        WriteComPort(9);
        Run().SettingBytes = {9, 9, 9, 9};
        QVERIFY(WriteSettingBytes());
        const QString aSetup = userA.path() + QStringLiteral("/tarven/mysetup.ini");
        QCOMPARE(MySetupPath(), aSetup);
        QCOMPARE(setupValue(aSetup, "comPort"), QStringLiteral("9"));
        QCOMPARE(setupValue(aSetup, "CurrentLanguage"), QStringLiteral("2"));   // kept from the defaults
        QCOMPARE(readFile(userA.path() + QStringLiteral("/tarven/Setting.ini")), QByteArray("\x09\x09\x09\x09", 4));
        QCOMPARE(readFile(treeSetup), treeSetupBefore);
        QCOMPARE(readFile(treeSetting), QByteArray("\x01\x02\x03\x04", 4));

        // User B on the same installation still starts from the defaults.
        useHome(userB);
        ResetRunSettings();
        InitDefaults();
        ReadMySetup();
        ReadSettingBytes();
        QCOMPARE(Run().comPort, 7);
        QCOMPARE(Run().SettingBytes, (std::array<uint8_t, 4>{1, 2, 3, 4}));
        WriteCurrentLanguage(1);
        QCOMPARE(setupValue(userB.path() + QStringLiteral("/tarven/mysetup.ini"), "CurrentLanguage"), QStringLiteral("1"));
        QCOMPARE(setupValue(aSetup, "CurrentLanguage"), QStringLiteral("2"));
    }

    void installedTreeWithoutDefaultsStartsFresh()
    {
        markInstalled();
        InitDefaults();
        ReadMySetup();
        ReadSettingBytes();
        QCOMPARE(Run().comPort, 1);
        QCOMPARE(Run().SettingBytes, (std::array<uint8_t, 4>{0, 0, 0, 0}));
        QVERIFY(!QFile::exists(env->path(QStringLiteral("Setting.ini"))));
        QVERIFY(!QFile::exists(env->parentDir() + QStringLiteral("/language/mysetup.ini")));
        QCOMPARE(setupValue(MySetupPath(), "IsFirstRun"), QStringLiteral("0"));
    }

    void readOnlyTreeCountsAsInstalled()
    {
        if (::geteuid() == 0)
            QSKIP("the superuser may write any folder");
        QFile::setPermissions(env->programDir(), QFile::ReadOwner | QFile::ExeOwner);
        QVERIFY(!SettingsInTree());
        QFile::setPermissions(env->programDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(SettingsInTree());
    }

private:
    void useHome(const QTemporaryDir &home) { qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path())); }
    void markInstalled()
    {
        QVERIFY(writeFile(env->parentDir() + QLatin1Char('/') + QLatin1String(kInstalledMarker), ""));
        QVERIFY(!SettingsInTree());
    }

    std::unique_ptr<TestProgramDir> env;
    QTemporaryDir userA;
    QTemporaryDir userB;
};

QTEST_GUILESS_MAIN(TestSettingsLocation)
#include "tst_settingslocation.moc"
