#include "LangText.h"
#include "ProfileFile.h"
#include "RunSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

void WriteAll(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

} // namespace

class TestProfileFile : public QObject {
    Q_OBJECT

private:
    QTemporaryDir tmp;
    QString path(const QString &name) const { return tmp.filePath(name); }

private slots:
    void initTestCase() { QVERIFY(tmp.isValid()); }

    void cleanup()
    {
        Run().programDirOverride.clear();
        ResetRunSettings();
    }

    void readLookupRules()
    {
        const QString f = path("rules.ini");
        WriteAll(f, "orphan=before any section\n"
                    "[General]\n"
                    "; Name=commented out\n"
                    "a line without separator\n"
                    "  Name  =  \t first value \t \n"
                    "name=second value\n"
                    "Empty=\n"
                    "[other]\n"
                    "Name=other section\n"
                    "[GENERAL]\n"
                    "Late=in a repeated section\n");

        // Names compare without case; the value loses its surrounding blanks and tabs.
        QCOMPARE(ReadProfileString(f, "general", "NAME"), QString("first value"));
        QCOMPARE(ReadProfileString(f, " General ", " Name "), QString("first value"));
        QCOMPARE(ReadProfileString(f, "Other", "name"), QString("other section"));
        QCOMPARE(ReadProfileString(f, "General", "Empty", "fb"), QString(""));

        // Only the first section of a name is searched, as writes also go there.
        QCOMPARE(ReadProfileString(f, "General", "Late", "fb"), QString("fb"));

        // Keys outside sections, comments and lines without "=" are never keys.
        QCOMPARE(ReadProfileString(f, "General", "orphan", "fb"), QString("fb"));
        QCOMPARE(ReadProfileString(f, "General", "; Name", "fb"), QString("fb"));
        QCOMPARE(ReadProfileString(f, "General", "a line without separator", "fb"), QString("fb"));

        // Missing file, section or key, and empty names, give the fallback.
        QCOMPARE(ReadProfileString(path("none.ini"), "General", "Name", "fb"), QString("fb"));
        QCOMPARE(ReadProfileString(f, "Missing", "Name", "fb"), QString("fb"));
        QCOMPARE(ReadProfileString(f, "General", "Missing", "fb"), QString("fb"));
        QCOMPARE(ReadProfileString(f, "", "Name", "fb"), QString("fb"));
        QCOMPARE(ReadProfileString(f, "General", "", "fb"), QString("fb"));
        QCOMPARE(ReadProfileString(QString(), "General", "Name", "fb"), QString("fb"));
    }

    void readBufferLimit()
    {
        const QString f = path("limit.ini");
        const QString emoji = QString::fromUtf8("\xF0\x9F\x93\xBB");   // one character, two UTF-16 units
        WriteAll(f, ("[s]\nlong=" + QByteArray(600, 'x') + "\nshort=abc\npair=ab" + emoji.toUtf8() + "\n"));

        QCOMPARE(ReadProfileString(f, "s", "long").size(), 511);            // default buffer 512
        QCOMPARE(ReadProfileString(f, "s", "long", QString(), 255), QString(254, 'x'));
        QCOMPARE(ReadProfileString(f, "s", "short", QString(), 4), QString("abc"));
        QCOMPARE(ReadProfileString(f, "s", "short", QString(), 3), QString("ab"));
        QCOMPARE(ReadProfileString(f, "s", "short", QString(), 1), QString());
        QCOMPARE(ReadProfileString(f, "s", "short", QString(), 0), QString());
        QCOMPARE(ReadProfileString(f, "s", "short", QString(), -5), QString());
        // A cut never leaves half of a surrogate pair behind.
        QCOMPARE(ReadProfileString(f, "s", "pair", QString(), 4), QString("ab"));
        QCOMPARE(ReadProfileString(f, "s", "pair", QString(), 5), QString("ab") + emoji);
        // The fallback fits the same buffer.
        QCOMPARE(ReadProfileString(f, "s", "missing", "fallback", 5), QString("fall"));
    }

    void readSurvivesBadFiles()
    {
        // CR LF line ends, a byte order mark, and UTF-8 text.
        const QString crlf = path("crlf.ini");
        WriteAll(crlf, "\xEF\xBB\xBF[Lang]\r\nName=\xE4\xB8\xAD\xE6\x96\x87 \r\n\r\nNext=2\r\n");
        QCOMPARE(ReadProfileString(crlf, "lang", "name"), QString::fromUtf8("\xE4\xB8\xAD\xE6\x96\x87"));
        QCOMPARE(ReadProfileString(crlf, "lang", "next"), QString("2"));

        // Binary junk, invalid UTF-8, a NUL inside a value, a header without its bracket
        // and a last line without a line end.
        QByteArray junk;
        for (int i = 0; i < 4096; ++i)
            junk.append(char((i * 131 + 7) % 256));
        const QString bad = path("junk.ini");
        WriteAll(bad, junk + "\n[a]\nx=\xFF\xFE ok\nnul=left\0right\n[b\ny=open header\nz=last"_ba);
        QCOMPARE(ReadProfileString(bad, "a", "nul"), QString("left"));
        QVERIFY(ReadProfileString(bad, "a", "x").endsWith(" ok"));
        QCOMPARE(ReadProfileString(bad, "b", "y"), QString("open header"));
        QCOMPARE(ReadProfileString(bad, "b", "z"), QString("last"));

        // An overlong line and a large file before the key; an overlong value is cut.
        QByteArray big = "[filler]\n";
        big += "junk=" + QByteArray(3 * 1024 * 1024, 'j') + "\n";
        const QByteArray line = "k=some value of a filler line\n";
        while (big.size() < 8 * 1024 * 1024)
            big += line;
        big += "[target]\nhuge=" + QByteArray(2 * 1024 * 1024, 'v') + "\nafter=found\n";
        const QString huge = path("huge.ini");
        WriteAll(huge, big);
        QCOMPARE(ReadProfileString(huge, "target", "after"), QString("found"));
        QCOMPARE(ReadProfileString(huge, "target", "huge", QString(), 100), QString(99, 'v'));
        QCOMPARE(ReadProfileString(huge, "filler", "junk", QString(), 20), QString(19, 'j'));

        // A directory in place of the file.
        QCOMPARE(ReadProfileString(tmp.path(), "a", "b", "fb"), QString("fb"));
    }

    void writeReplacesInPlace()
    {
        const QString f = path("replace.ini");
        const QByteArray before = "; settings\r\n[language]\r\nIsFirstRun=0\r\n  ComPort = 3 \r\n"
                                  "comport=9\r\ngarbage \xFF line\r\n\r\n[Other]\r\ncomPort=7\r\n";
        WriteAll(f, before);
        QVERIFY(WriteProfileString(f, "LANGUAGE", "comPort", "12"));
        // Only the first matching line changes; its key spelling and CR LF stay.
        QByteArray expected = before;
        expected.replace("  ComPort = 3 \r\n", "ComPort=12\r\n");
        QCOMPARE(ReadAll(f), expected);
        QCOMPARE(ReadProfileString(f, "language", "comport"), QString("12"));
        QCOMPARE(ReadProfileString(f, "other", "comport"), QString("7"));
    }

    void byteOrderMarkOnlyLeadsTheFile()
    {
        // At the start of the file the mark is not text; at the start of a later line it
        // is part of the key name, so a key written with it reads back.
        const QString f = path("mark.ini");
        WriteAll(f, "\xEF\xBB\xBF[a]\nx=1\n");
        const QString marked = QChar(0xFEFF) + QStringLiteral("key");
        QVERIFY(WriteProfileString(f, "a", marked, "v"));
        QCOMPARE(ReadProfileString(f, "a", "x"), QString("1"));
        QCOMPARE(ReadProfileString(f, "a", marked), QString("v"));
        QCOMPARE(ReadProfileString(f, "a", "key", "none"), QString("none"));
        QCOMPARE(ProfileSection(f, "A").value(marked), QString("v"));
    }

    void writeAppends_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");

        QTest::newRow("end of section, before its blank lines and comments")
            << "[a]\nx=1\n\n; about b\n[b]\ny=2\n"_ba
            << "[a]\nx=1\nkey=v\n\n; about b\n[b]\ny=2\n"_ba;
        QTest::newRow("last section without final line end")
            << "[b]\n[a]\nx=1"_ba
            << "[b]\n[a]\nx=1\nkey=v\n"_ba;
        QTest::newRow("last section followed by blank lines")
            << "[a]\nx=1\n\n\n"_ba
            << "[a]\nx=1\nkey=v\n\n\n"_ba;
        QTest::newRow("empty last section, CR LF")
            << "[b]\r\ny=2\r\n[A]\r\n"_ba
            << "[b]\r\ny=2\r\n[A]\r\nkey=v\r\n"_ba;
        QTest::newRow("missing section")
            << "[b]\ny=2"_ba
            << "[b]\ny=2\n[a]\nkey=v\n"_ba;
        QTest::newRow("empty file")
            << QByteArray()
            << "[a]\nkey=v\n"_ba;
        QTest::newRow("junk kept")
            << "\x01\x02\xFF\n[a]\nx=1\0hidden\n\x7Fjunk\xFF\n"_ba
            << "\x01\x02\xFF\n[a]\nx=1\0hidden\n\x7Fjunk\xFF\nkey=v\n"_ba;
    }

    void writeAppends()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        const QString f = path("append.ini");
        WriteAll(f, before);
        QVERIFY(WriteProfileString(f, "a", "key", "v"));
        QCOMPARE(ReadAll(f), after);
        QCOMPARE(ReadProfileString(f, "a", "key"), QString("v"));
    }

    void writeCreatesFileAndDirectory()
    {
        const QString f = path("new/dir/mysetup.ini");
        QVERIFY(WriteProfileString(f, "language", "CurrentLanguage", "2"));
        QVERIFY(WriteProfileString(f, "language", "comPort", "4"));
        QVERIFY(WriteProfileString(f, "Settings", "Text", QString::fromUtf8("\xE4\xB8\xAD")));
        QCOMPARE(ReadAll(f), "[language]\nCurrentLanguage=2\ncomPort=4\n[Settings]\nText=\xE4\xB8\xAD\n"_ba);
    }

    void writeKeepsOverlongLines()
    {
        const QString f = path("overlong.ini");
        const QByteArray longLine = "note=" + QByteArray(300 * 1024, 'n') + "\n";
        WriteAll(f, "[a]\n" + longLine + "old=" + QByteArray(200 * 1024, 'o') + "\n[b]\n" + longLine);
        QVERIFY(WriteProfileString(f, "a", "old", "new"));
        QVERIFY(WriteProfileString(f, "b", "added", "1"));
        QCOMPARE(ReadAll(f), "[a]\n" + longLine + "old=new\n[b]\n" + longLine + "added=1\n");
    }

    void writeRefusesUnsafeInput()
    {
        const QString f = path("unsafe.ini");
        const QByteArray before = "[a]\nx=1\n";
        WriteAll(f, before);
        QVERIFY(!WriteProfileString(f, "a", "x", "1\n[evil]\ny=2"));
        QVERIFY(!WriteProfileString(f, "a", "x", QString("1") + QChar(0) + "2"));
        QVERIFY(!WriteProfileString(f, "a]", "x", "1"));
        QVERIFY(!WriteProfileString(f, "a", "x=y", "1"));
        QVERIFY(!WriteProfileString(f, "a", ";x", "1"));
        QVERIFY(!WriteProfileString(f, "a", "[x", "1"));
        QVERIFY(!WriteProfileString(f, "", "x", "1"));
        QVERIFY(!WriteProfileString(f, "a", " ", "1"));
        QVERIFY(!WriteProfileString(QString(), "a", "x", "1"));
        QCOMPARE(ReadAll(f), before);
        // A directory where the file should be is an error, not a crash.
        QVERIFY(!WriteProfileString(tmp.path(), "a", "x", "1"));
    }

    void sectionBoundaries_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("section");
        QTest::newRow("negative") << -1 << "OTHER";
        QTest::newRow("8999") << 8999 << "OTHER";
        QTest::newRow("9000") << 9000 << "Msg";
        QTest::newRow("9999") << 9999 << "Msg";
        QTest::newRow("10000") << 10000 << "Menu";
        QTest::newRow("11999") << 11999 << "ToolBar";
        QTest::newRow("12000") << 12000 << "Main";
        QTest::newRow("13000") << 13000 << "Model";
        QTest::newRow("14999") << 14999 << "ChannelInfo";
        QTest::newRow("15000") << 15000 << "ChannelEdit";
        QTest::newRow("16000") << 16000 << "Option";
        QTest::newRow("17000") << 17000 << "Radio";
        QTest::newRow("18000") << 18000 << "DTMF";
        QTest::newRow("19000") << 19000 << "TestFre";
        QTest::newRow("20000") << 20000 << "EMG";
        QTest::newRow("21000") << 21000 << "Local";
        QTest::newRow("22000") << 22000 << "Port";
        QTest::newRow("23999") << 23999 << "Lang";
        QTest::newRow("24000") << 24000 << "About";
        QTest::newRow("25000") << 25000 << "KeySet";
        QTest::newRow("26000") << 26000 << "ScanSet";
        QTest::newRow("27000") << 27000 << "AlertSet";
        QTest::newRow("28000") << 28000 << "CHEdit";
        QTest::newRow("29000") << 29000 << "TONETIPS";
        QTest::newRow("30000") << 30000 << "GroupName";
        QTest::newRow("31000") << 31000 << "ResetMode";
        QTest::newRow("31999") << 31999 << "ResetMode";
        QTest::newRow("32000") << 32000 << "Others";
        QTest::newRow("max") << std::numeric_limits<int>::max() << "Others";
    }

    void sectionBoundaries()
    {
        QFETCH(int, id);
        QFETCH(QString, section);
        QCOMPARE(LangSection(id), section);
    }

    void langTextReadsCurrentLanguageFile()
    {
        const QString dir = path("program");
        WriteAll(dir + "/language/english.ini",
                 "[OTHER]\n8999=other\n9000=wrong section\n[Msg]\n9000=  padded message  \n"
                 "[ResetMode]\n31999=reset\n[Others]\n32000=others\n[Main]\n12000=" + QByteArray(400, 't') + "\n");
        WriteAll(dir + "/language/chinese.ini", "[Main]\n12000=\xE4\xB8\xAD\xE6\x96\x87\n");
        Run().programDirOverride = dir;
        ResetRunSettings();

        QCOMPARE(LanguageFilePath(), dir + "/language/english.ini");
        QCOMPARE(LangText(8999), QString("other"));
        QCOMPARE(LangText(9000), QString("padded message"));
        QCOMPARE(LangText(31999), QString("reset"));
        QCOMPARE(LangText(32000), QString("others"));
        QCOMPARE(LangText(12000), QString(254, 't'));
        // A caption without an entry stays empty; a message is never empty.
        QCOMPARE(LangText(12001), QString());
        QCOMPARE(LangText(9001), QString("9001"));

        // The next text comes from the newly chosen file; a missing message falls back
        // to the English text.
        Run().LanguageFile = "chinese.ini";
        QCOMPARE(LangText(12000), QString::fromUtf8("\xE4\xB8\xAD\xE6\x96\x87"));
        QCOMPARE(LangText(9000), QString("padded message"));
        Run().LanguageFile = "missing.ini";
        QCOMPARE(LangText(12000), QString());
        QCOMPARE(LangText(9000), QString("padded message"));
    }
};

QTEST_GUILESS_MAIN(TestProfileFile)
#include "tst_profilefile.moc"
