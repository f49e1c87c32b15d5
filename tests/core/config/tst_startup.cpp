// Start-up configuration: mysetup.ini, Setting.ini, the version table, and files with junk.
#include "LangText.h"
#include "ProfileFile.h"
#include "RunSettings.h"
#include "ScriptedPrompts.h"
#include "Startup.h"
#include "TestFiles.h"
#include "TestProgramDir.h"
#include "VersionTable.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {
QString setupValue(const char *key)
{
    return ReadProfileString(MySetupPath(), QStringLiteral("language"), QString::fromLatin1(key));
}
}

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void init() { env = std::make_unique<TestProgramDir>(); }
    void cleanup()
    {
        env.reset();
        Run().localeOverride.clear();
    }

    void firstRunTakesTheLocaleLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("language");
        QTest::newRow("zh_CN") << QStringLiteral("zh_CN") << 2;
        QTest::newRow("zh_TW") << QStringLiteral("zh_TW") << 1;
        QTest::newRow("en_US") << QStringLiteral("en_US") << 1;
    }
    void firstRunTakesTheLocaleLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(int, language);
        Run().localeOverride = locale;
        InitDefaults();
        ReadMySetup();
        QCOMPARE(Run().CurrentLanguageId, language);
        QCOMPARE(Run().LanguageFile, language == 2 ? QStringLiteral("chinese.ini") : QStringLiteral("english.ini"));
        QCOMPARE(setupValue("IsFirstRun"), QStringLiteral("0"));
        QCOMPARE(setupValue("CurrentLanguage"), QString::number(language));
        QCOMPARE(setupValue("comPort"), QStringLiteral("1"));
        QVERIFY(MySetupPath().startsWith(env->parentDir()));
    }

    void storedChoicesAfterTheFirstRun()
    {
        Run().localeOverride = QStringLiteral("en_GB");
        writeFile(MySetupPath(), "[language]\nIsFirstRun=0\ncomPort=12\nCurrentLanguage=2\n");
        InitDefaults();
        ReadMySetup();
        QCOMPARE(Run().CurrentLanguageId, 2);
        QCOMPARE(Run().ShownLanguageId, 1);   // the main window re-applies its texts
        QCOMPARE(Run().comPort, 12);
    }

    void aFirstRunIgnoresAStoredLanguage()
    {
        Run().localeOverride = QStringLiteral("en_GB");
        writeFile(MySetupPath(), "[language]\nIsFirstRun=True\nCurrentLanguage=2\n");
        InitDefaults();
        ReadMySetup();
        QCOMPARE(Run().CurrentLanguageId, 1);
        QCOMPARE(setupValue("CurrentLanguage"), QStringLiteral("1"));
        QCOMPARE(setupValue("IsFirstRun"), QStringLiteral("0"));
    }

    // Junk, overlong values and impossible numbers fall back to the sound defaults, and
    // the lines the program does not own stay in the file.
    void junkInMySetup()
    {
        Run().localeOverride = QStringLiteral("en_GB");
        QByteArray junk("\xff\xfe garbage\r\n[language]\r\nIsFirstRun=0\r\ncomPort=99\r\n");
        junk += "CurrentLanguage=" + QByteArray(5000, '7') + "\r\nnoise without equals\r\n[ports]\r\nCOM3=/dev/ttyUSB0\r\n";
        writeFile(MySetupPath(), junk);
        InitDefaults();
        ReadMySetup();
        QCOMPARE(Run().comPort, 1);
        QCOMPARE(Run().CurrentLanguageId, 1);
        QCOMPARE(ReadProfileString(MySetupPath(), QStringLiteral("ports"), QStringLiteral("COM3")), QStringLiteral("/dev/ttyUSB0"));
        QVERIFY(readFile(MySetupPath()).contains("noise without equals"));
    }

    void settingBytesComeBackUnchanged()
    {
        writeFile(SettingIniPath(), QByteArray("\x07\x08\x09\x0a", 4));
        ReadSettingBytes();
        QCOMPARE(int(Run().SettingBytes[3]), 10);
        QVERIFY(WriteSettingBytes());
        QCOMPARE(readFile(SettingIniPath()), QByteArray("\x07\x08\x09\x0a", 4));

        writeFile(SettingIniPath(), QByteArray("\x05", 1));   // short: missing bytes read 0
        ReadSettingBytes();
        QCOMPARE(Run().SettingBytes, (std::array<uint8_t, 4>{5, 0, 0, 0}));
    }

    void missingAndUnreadableSettingIni()
    {
        QFile::remove(SettingIniPath());
        ReadSettingBytes();
        QVERIFY(QFile::exists(SettingIniPath()));
        QCOMPARE(Run().SettingBytes, (std::array<uint8_t, 4>{0, 0, 0, 0}));

        QFile::remove(SettingIniPath());
        QDir().mkpath(SettingIniPath());   // a directory cannot be read as the record
        ReadSettingBytes();
        QCOMPARE(Run().SettingBytes, (std::array<uint8_t, 4>{0, 0, 0, 1}));
        QVERIFY(!WriteSettingBytes());
    }

    void parentDirectory()
    {
        QCOMPARE(ParentDirOf(QStringLiteral("/opt/radio/V100")), QStringLiteral("/opt/radio"));
        QCOMPARE(ParentDirOf(QStringLiteral("/opt/radio/V100/")), QStringLiteral("/opt/radio"));
        QCOMPARE(ParentDirOf(QStringLiteral("C:\\Tools\\Radio")), QStringLiteral("C:/Tools"));
        QCOMPARE(ParentDirOf(QStringLiteral("/V100")), QStringLiteral("/V100"));
        QCOMPARE(ParentDirOf(QStringLiteral("V100")), QStringLiteral("V100"));
    }

    void versionTable()
    {
        writeFile(env->parentDir() + QStringLiteral("/Version.ini"),
                  "[Version]\nSoftVersionCount=2\nFirmVersionCount=5\n[Firm]\nFirm0=V100V102\nFirm1=V200V105\n"
                  "Firm2=V300V105\nFirm3=short\n junk line \nFirm4=  V100V103  \n");
        LoadVersionTable();
        QVERIFY(IsPairListed(QStringLiteral("V100"), QStringLiteral("V102")));
        QVERIFY(IsPairListed(QStringLiteral("V100"), QStringLiteral("V103")));
        QVERIFY(!IsPairListed(QStringLiteral("V100"), QStringLiteral("V100")));
        QCOMPARE(SoftForFirm(QStringLiteral("V105")), QStringLiteral("V200"));
        QCOMPARE(SoftForFirm(QStringLiteral("V999")), QString());
        QVERIFY(IsVersionText(QStringLiteral("V100")));
        QVERIFY(IsVersionText(QStringLiteral("V100") + QChar(0)));
        QVERIFY(!IsVersionText(QStringLiteral("V10")));
        QVERIFY(!IsVersionText(QStringLiteral("X100")));
        QVERIFY(!IsVersionText(QStringLiteral("V1A0")));

        const QStringList lines = VersionMessage(QStringLiteral("V100"), QStringLiteral("V105"), 0).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines.at(0), LangText(9062));
        QCOMPARE(lines.at(1), LangText(9060) + QStringLiteral(" V1.05"));
        QCOMPARE(lines.at(2), LangText(9061) + QStringLiteral(" V1.00"));
        QVERIFY(VersionMessage(QStringLiteral("V100"), QStringLiteral("V105"), 1).contains(LangText(9064)));
    }

    void missingOrHugeVersionTable()
    {
        QFile::remove(env->parentDir() + QStringLiteral("/Version.ini"));
        LoadVersionTable();
        QVERIFY(!IsPairListed(QStringLiteral("V100"), QStringLiteral("V100")));
        writeFile(env->parentDir() + QStringLiteral("/Version.ini"), "[Version]\nFirmVersionCount=2000000000\n");
        LoadVersionTable();   // must not stall
        QVERIFY(!IsPairListed(QStringLiteral("V100"), QStringLiteral("V100")));
    }

    // Switching to a version no release supports says so and keeps this program
    // running: only a release that really started may end it.
    void runVersionForUnsupportedKeepsThisOne()
    {
        ClearVersionTable();
        ScriptedPrompts prompts;
        QVERIFY(!RunVersionFor(QStringLiteral("V777")));
        QCOMPARE(prompts.messages, QStringList{LangText(9063)});
        QVERIFY(!prompts.endRequested);
    }

    // A listed release whose program is missing: the user is told where it was looked
    // for, and this program keeps running rather than ending with nothing started.
    void listedReleaseThatCannotStartKeepsThisOne()
    {
        writeFile(env->parentDir() + QStringLiteral("/Version.ini"),
                  "[Version]\nSoftVersionCount=1\nFirmVersionCount=1\n[Soft]\nSoft0=V200\n[Firm]\nFirm0=V200V200\n");
        LoadVersionTable();
        ScriptedPrompts prompts;
        QVERIFY(!RunVersionFor(QStringLiteral("V200")));
        QCOMPARE(prompts.messages.size(), 1);
        QVERIFY(prompts.messages.first().startsWith(LangText(9063)));
        QVERIFY(prompts.messages.first().contains(QStringLiteral("V200")));
        QVERIFY(!prompts.endRequested);
    }

    void shippedVersionTableAcceptsThisRelease()
    {
        LoadVersionTable();
        QVERIFY(IsPairListed(QStringLiteral("V100"), QStringLiteral("V100")));
    }

    void startupStepsBuildTheFirstImage()
    {
        Run().localeOverride = QStringLiteral("en_GB");
        RunStartupSteps();
        QCOMPARE(Doc().DocumentPath, QStringLiteral("new.dat"));
        QVERIFY(Doc().Untitled);
        QCOMPARE(Run().BandMode, 0);
        QVERIFY(!LangText(12000).isEmpty());
    }

private:
    std::unique_ptr<TestProgramDir> env;
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
