// Profile files are parsed once and reused until they change: thousands of language
// texts or version entries cost one read, and a changed file is seen at once.
#include "LangText.h"
#include "ProfileCache.h"
#include "ProfileFile.h"
#include "RunSettings.h"
#include "TestProgramDir.h"
#include "VersionTable.h"

#include <QFile>
#include <QTest>

namespace {
void WriteAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}
}

class TestProfileCache : public QObject {
    Q_OBJECT
private slots:
    void init() { env = std::make_unique<TestProgramDir>(false); }
    void cleanup() { env.reset(); }

    // A large language file is read once however many texts are asked for.
    void largeLanguageFileIsParsedOnce()
    {
        QByteArray text = "[Msg]\n";
        for (int i = 0; i < 20000; ++i)
            text += "; filler line " + QByteArray::number(i) + " " + QByteArray(80, 'x') + "\n";
        text += "9002=Found\n[Main]\n12000=Caption\n";
        WriteAll(LanguageFilePath(), text);
        const int before = ProfileCache::ParseCount();
        for (int i = 0; i < 500; ++i) {
            QCOMPARE(LangText(9002), QStringLiteral("Found"));
            QCOMPARE(LangText(12000), QStringLiteral("Caption"));
        }
        QCOMPARE(ProfileCache::ParseCount() - before, 1);
    }

    // Another size, another time stamp or this program's own rewrite: the new text shows.
    void changedFileIsReadAgain()
    {
        const QString file = env->path(QStringLiteral("language/settings.ini"));
        WriteAll(file, "[A]\nk=one\n");
        QCOMPARE(ReadProfileString(file, QStringLiteral("a"), QStringLiteral("K")), QStringLiteral("one"));
        WriteAll(file, "[A]\nk=three\n");
        QCOMPARE(ReadProfileString(file, QStringLiteral("A"), QStringLiteral("k")), QStringLiteral("three"));
        // Same size, written at once: only the rewrite by this program can say so.
        QVERIFY(WriteProfileString(file, QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("tree")));
        QVERIFY(WriteProfileString(file, QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("free")));
        QCOMPARE(ReadProfileString(file, QStringLiteral("A"), QStringLiteral("k")), QStringLiteral("free"));
        QFile::remove(file);
        QCOMPARE(ReadProfileString(file, QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("gone")),
                 QStringLiteral("gone"));
    }

    // The first section of a name and the first key in it win, whatever the case.
    void firstMatchWithoutCase()
    {
        const QString file = env->path(QStringLiteral("language/rules.ini"));
        WriteAll(file, "k=before any section\n[Sec]\nKey=first\nkey=second\n[other]\nkey=other\n"
                       "[SEC]\nkey=later section\nnew=later key\n");
        QCOMPARE(ReadProfileString(file, QStringLiteral("sec"), QStringLiteral("KEY")), QStringLiteral("first"));
        QCOMPARE(ReadProfileString(file, QStringLiteral("sec"), QStringLiteral("new")), QString());
        QCOMPARE(ReadProfileString(file, QStringLiteral("OTHER"), QStringLiteral("key")), QStringLiteral("other"));
        QCOMPARE(ReadProfileString(file, QStringLiteral("none"), QStringLiteral("k")), QString());
    }

    // A version table with a huge count and filler lines loads with one read.
    void versionTableWithJunkCountIsReadOnce()
    {
        QByteArray text = "[Version]\nFirmVersionCount=1000000\n[Firm]\n";
        for (int i = 0; i < 5000; ++i)
            text += "; filler " + QByteArray(100, 'f') + "\n";
        text += "Firm999=V100V123\n";
        WriteAll(env->parentDir() + QStringLiteral("/Version.ini"), text);
        const int before = ProfileCache::ParseCount();
        LoadVersionTable();
        QCOMPARE(ProfileCache::ParseCount() - before, 1);
        QVERIFY(IsPairListed(QStringLiteral("V100"), QStringLiteral("V123")));
    }

private:
    std::unique_ptr<TestProgramDir> env;
};

QTEST_GUILESS_MAIN(TestProfileCache)
#include "tst_profilecache.moc"
