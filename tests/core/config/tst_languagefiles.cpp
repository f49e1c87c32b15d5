#include "LangText.h"
#include "RunSettings.h"

#include <QFile>
#include <QMap>
#include <QSet>
#include <QStringDecoder>
#include <QTest>

// The two language files supplied with the program: they must be well-formed, agree with
// each other key for key, and hold every text the program asks for.

namespace {

const QString kSourceDir = QStringLiteral(TARVEN_TEST_SOURCE_DIR "/resources");

struct LanguageFile {
    QString error;                          // first structural problem found, empty if none
    QMap<int, QString> texts;               // identifier -> value
    QMap<int, QString> sectionOf;           // identifier -> section it was found in
};

// A strict reader, independent of the program's profile-file code: every line must be
// blank, a comment, a section header or "number=text", and nothing may appear twice.
LanguageFile Parse(const QString &path)
{
    LanguageFile file;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        file.error = QStringLiteral("cannot open ") + path;
        return file;
    }
    const QByteArray bytes = f.readAll();
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError()) {
        file.error = QStringLiteral("not valid UTF-8");
        return file;
    }

    QString section;
    QSet<QString> sectionsSeen;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int n = 0; n < lines.size(); ++n) {
        const QString line = lines.at(n).trimmed();
        const QString where = QStringLiteral("line %1: ").arg(n + 1);
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            if (!line.endsWith(QLatin1Char(']'))) {
                file.error = where + QStringLiteral("bad section header");
                return file;
            }
            section = line.mid(1, line.size() - 2);
            if (sectionsSeen.contains(section.toLower())) {
                file.error = where + QStringLiteral("section repeated: ") + section;
                return file;
            }
            sectionsSeen.insert(section.toLower());
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        bool numeric = false;
        const int id = eq > 0 ? line.left(eq).toInt(&numeric) : 0;
        if (!numeric || QString::number(id) != line.left(eq)) {
            file.error = where + QStringLiteral("not a text line: ") + line;
            return file;
        }
        if (section.isEmpty()) {
            file.error = where + QStringLiteral("text outside any section");
            return file;
        }
        if (file.texts.contains(id)) {
            file.error = where + QStringLiteral("identifier repeated: ") + QString::number(id);
            return file;
        }
        file.texts.insert(id, line.mid(eq + 1).trimmed());
        file.sectionOf.insert(id, section);
    }
    return file;
}

void AddRange(QList<int> &ids, int first, int last)
{
    for (int id = first; id <= last; ++id)
        ids << id;
}

// Every identifier the program fetches.
QList<int> RequiredIds()
{
    QList<int> ids;
    // Messages, button captions, file type and version texts.
    AddRange(ids, 9001, 9010);
    ids << 9012;
    AddRange(ids, 9016, 9019);
    ids << 9021 << 9023;
    AddRange(ids, 9025, 9030);
    AddRange(ids, 9060, 9072);
    // Menus.
    AddRange(ids, 10000, 10006);
    ids << 10100 << 10101;
    AddRange(ids, 10200, 10210);
    AddRange(ids, 10220, 10222);
    AddRange(ids, 10300, 10303);
    AddRange(ids, 10400, 10403);
    AddRange(ids, 10500, 10503);
    AddRange(ids, 10600, 10602);
    AddRange(ids, 10700, 10702);
    AddRange(ids, 10800, 10808);
    // Toolbar tooltips.
    AddRange(ids, 11000, 11007);
    AddRange(ids, 11010, 11016);
    // Main window: title, tree, status bar.
    ids << 12000 << 12001 << 12002 << 12004 << 12007 << 12008 << 12009 << 12010 << 12014;
    // Model information.
    AddRange(ids, 13000, 13003);
    // Channel grid.
    AddRange(ids, 14001, 14006);
    ids << 14008 << 14011 << 14013 << 14023 << 14050 << 14052 << 14053 << 14054 << 14101;
    // Channel edit: labels, the sixteen option captions, list entries.
    AddRange(ids, 15000, 15002);
    AddRange(ids, 15005, 15005 + 15);
    ids << 15029 << 15030 << 15044 << 15045 << 15046 << 15100 << 15600;
    // Optional features: the seventeen option captions, list entries, frames.
    ids << 16000;
    AddRange(ids, 16001, 16001 + 16);
    ids << 16040 << 16049;
    AddRange(ids, 16058, 16061);
    ids << 16100 << 16101 << 17001 << 17002;
    // DTMF.
    ids << 18000;
    AddRange(ids, 18002, 18009);
    ids << 18030 << 18040;
    // Radio information, port, language, password, about, keys.
    AddRange(ids, 21000, 21016);
    AddRange(ids, 22000, 22002);
    AddRange(ids, 23000, 23003);
    ids << 23100 << 23101;
    AddRange(ids, 24000, 24005);
    ids << 25000 << 25007 << 25008;
    // Tone tips: captions, the fourteen step labels, list entries.
    AddRange(ids, 29000, 29007);
    AddRange(ids, 29100, 29100 + 13);
    ids << 29200 << 29201;
    return ids;
}

} // namespace

class TestLanguageFiles : public QObject {
    Q_OBJECT

private:
    LanguageFile english, chinese;

private slots:
    void initTestCase()
    {
        english = Parse(kSourceDir + "/language/english.ini");
        chinese = Parse(kSourceDir + "/language/chinese.ini");
    }

    void cleanupTestCase()
    {
        Run().programDirOverride.clear();
        ResetRunSettings();
    }

    void filesAreWellFormed()
    {
        QVERIFY2(english.error.isEmpty(), qPrintable("english.ini: " + english.error));
        QVERIFY2(chinese.error.isEmpty(), qPrintable("chinese.ini: " + chinese.error));
        QVERIFY(!english.texts.isEmpty());
    }

    void filesHoldTheSameIdentifiers()
    {
        for (auto it = english.sectionOf.cbegin(); it != english.sectionOf.cend(); ++it)
            QVERIFY2(chinese.sectionOf.value(it.key()) == it.value(),
                     qPrintable(QString("%1 [%2] is not in the same section of chinese.ini")
                                    .arg(it.key()).arg(it.value())));
        for (auto it = chinese.sectionOf.cbegin(); it != chinese.sectionOf.cend(); ++it)
            QVERIFY2(english.sectionOf.contains(it.key()),
                     qPrintable(QString("%1 is only in chinese.ini").arg(it.key())));
    }

    void everyTextSitsInItsSectionAndFits()
    {
        for (const LanguageFile *file : {&english, &chinese}) {
            for (auto it = file->texts.cbegin(); it != file->texts.cend(); ++it) {
                const QString id = QString::number(it.key());
                QVERIFY2(!it.value().isEmpty(), qPrintable(id + " is empty"));
                QVERIFY2(it.value().size() <= 254, qPrintable(id + " is longer than 254 characters"));
                QVERIFY2(file->sectionOf.value(it.key()) == LangSection(it.key()),
                         qPrintable(id + " is in [" + file->sectionOf.value(it.key()) + "], not ["
                                    + LangSection(it.key()) + "]"));
            }
        }
    }

    void everyRequiredTextExists()
    {
        for (int id : RequiredIds()) {
            QVERIFY2(english.texts.contains(id), qPrintable(QString("%1 missing in english.ini").arg(id)));
            QVERIFY2(chinese.texts.contains(id), qPrintable(QString("%1 missing in chinese.ini").arg(id)));
        }
    }

    void textsFitWhereTheyAreUsed()
    {
        for (const LanguageFile *file : {&english, &chinese}) {
            // The file dialog filter is built as "<9001> (*.dat)|*.dat".
            QVERIFY(!file->texts.value(9001).contains(QLatin1Char('|')));
            // The language list shows both languages, distinguishably.
            QVERIFY(file->texts.value(23002) != file->texts.value(23003));
        }
        // The texts are translated, not copied.
        QVERIFY(english.texts.value(9006) != chinese.texts.value(9006));
        QVERIFY(english.texts.value(12000) != chinese.texts.value(12000));
    }

    void programReadsEveryText()
    {
        // The same texts through the lookup the program uses.
        Run().programDirOverride = kSourceDir;
        for (const QString &name : {QStringLiteral("english.ini"), QStringLiteral("chinese.ini")}) {
            ResetRunSettings();
            Run().LanguageFile = name;
            const LanguageFile &file = name.startsWith('e') ? english : chinese;
            for (int id : RequiredIds())
                QVERIFY2(LangText(id) == file.texts.value(id), qPrintable(QString("%1 in %2").arg(id).arg(name)));
        }
    }
};

QTEST_GUILESS_MAIN(TestLanguageFiles)
#include "tst_languagefiles.moc"
