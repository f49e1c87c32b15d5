// Data files that must be refused: each ends in one clear message and leaves the
// working image, the saved copy and the band exactly as they were.
#include "DataFile.h"
#include "ImageCompare.h"
#include "LangText.h"
#include "Models.h"
#include "NewImage.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "ScriptedPrompts.h"
#include "TestProgramDir.h"
#include "VersionTable.h"

#include <QFile>
#include <QtTest>

namespace {
// A sound HAM-band file with one channel, built without touching the program state.
QByteArray goodFile()
{
    RadioImage img;
    img.header.model.setName(QStringLiteral("TARVEN2"));
    img.header.model.bandMode = 2;
    img.header.model.setVersion(QStringLiteral("V100"));
    img.addChannel(41, QStringLiteral("28.5"));
    return img.toBytes();
}

void put16(QByteArray &b, int offset, int16_t v)
{
    b[offset] = char(uint16_t(v) & 0xFF);
    b[offset + 1] = char(uint16_t(v) >> 8);
}
}

class TestBadFiles : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        env = std::make_unique<TestProgramDir>();
        LoadVersionTable();
        SetCurrentBand(2);
        BuildNewImage();
        Image().at(0).TSQ = 1;   // an unsaved change that must survive
    }
    void cleanup() { env.reset(); }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("messageId");
        QTest::addColumn<QString>("literal");
        QTest::addColumn<int>("result");

        const QByteArray good = goodFile();
        QTest::newRow("empty") << QByteArray() << 9002 << QString() << int(FileResult::FileError);
        QTest::newRow("13 bytes") << good.left(13) << 9002 << QString() << int(FileResult::FileError);
        QTest::newRow("1071 bytes") << good.left(1071) << 9002 << QString() << int(FileResult::FileError);
        QTest::newRow("25610 bytes") << good.left(25610) << 9002 << QString() << int(FileResult::FileError);

        QByteArray model = good;
        model.replace(0, 7, "OTHER01");
        QTest::newRow("wrong model") << model << 9012 << QString() << int(FileResult::WrongModel);
        QByteArray version = good;
        version.replace(9, 4, "X100");
        QTest::newRow("bad version") << version << 9065 << QString() << int(FileResult::BadVersion);
        QByteArray count410 = good;
        put16(count410, 13, 410);
        QTest::newRow("count 410") << count410 << 9002 << QString() << int(FileResult::FileError);
        QByteArray countNeg = good;
        put16(countNeg, 13, -1);
        QTest::newRow("count -1") << countNeg << 9002 << QString() << int(FileResult::FileError);
        QByteArray band7 = good;
        put16(band7, 7, 7);
        QTest::newRow("band 7") << band7 << 0 << QStringLiteral("Country Mode Error!") << int(FileResult::BandError);
        QByteArray number = good;
        put16(number, kHeaderBytes, 900);
        QTest::newRow("channel number 900") << number << 9002 << QString() << int(FileResult::FileError);
    }

    void refused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, messageId);
        QFETCH(QString, literal);
        QFETCH(int, result);

        const QString path = env->path(QStringLiteral("bad.dat"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();

        const QByteArray imageBefore = Image().toBytes();
        const QByteArray savedBefore = Saved().toBytes();
        const int bandBefore = Run().BandMode;
        Doc().Untitled = true;

        ScriptedPrompts prompts;
        QCOMPARE(int(OpenDataFile(path)), result);
        QCOMPARE(prompts.messages.size(), 1);
        const QString expected = messageId ? LangText(messageId) : literal;
        QVERIFY(!expected.isEmpty());
        QVERIFY2(prompts.messages.first().startsWith(expected), qPrintable(prompts.messages.first()));
        QCOMPARE(Image().toBytes(), imageBefore);
        QCOMPARE(Saved().toBytes(), savedBefore);
        QCOMPARE(Run().BandMode, bandBefore);
        QVERIFY(Doc().Untitled);
        QVERIFY(IsModified());
    }

    void missingFileIsAFileError()
    {
        ScriptedPrompts prompts;
        QCOMPARE(OpenDataFile(env->path(QStringLiteral("nowhere.dat"))), FileResult::FileError);
        QCOMPARE(prompts.messages.size(), 1);
        QVERIFY(prompts.messages.first().startsWith(LangText(9002)));
    }

    // A format version that is well formed but not supported by this release asks whether
    // to start the release that supports it; No loads nothing.
    void unlistedVersionAsksAndNoLoadsNothing()
    {
        QByteArray bytes = goodFile();
        bytes.replace(9, 4, "V109");
        const QString path = env->path(QStringLiteral("v109.dat"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        const QByteArray before = Image().toBytes();
        ScriptedPrompts prompts;
        prompts.answers << Answer::No;
        QCOMPARE(OpenDataFile(path), FileResult::VersionDeclined);
        QCOMPARE(prompts.questions.size(), 1);
        QVERIFY(prompts.questions.first().contains(QStringLiteral("V1.09")));
        QVERIFY(prompts.questions.first().contains(QStringLiteral("V1.00")));
        QVERIFY(!prompts.endRequested);
        QCOMPARE(Image().toBytes(), before);
    }

    // A listed older format loads and is stamped with the current version, so the
    // version alone never counts as a change.
    void listedOtherVersionLoadsAsCurrent()
    {
        QByteArray bytes = goodFile();
        bytes.replace(9, 4, "V102");
        const QString path = env->path(QStringLiteral("v102.dat"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        ScriptedPrompts prompts;
        QCOMPARE(OpenDataFile(path), FileResult::Ok);
        QCOMPARE(Saved().header.model.versionText(), QStringLiteral("V100"));
        QVERIFY(!IsModified());
    }

    // Trailing blanks or anything from a NUL on in the model name are not part of the name.
    void modelNameComparesWithoutPadding_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("current");
        QTest::newRow("trailing blanks in the file") << QByteArray("TARV   ", 7) << QStringLiteral("TARV");
        QTest::newRow("NUL and anything after it") << QByteArray("TARV\0X2", 7) << QStringLiteral("TARV");
        QTest::newRow("blanks in the current name") << QByteArray("TARVEN2", 7) << QStringLiteral("TARVEN2  ");
    }
    void modelNameComparesWithoutPadding()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, current);
        QByteArray bytes = goodFile();
        bytes.replace(0, 7, stored);
        QCOMPARE(bytes.size(), kDataFileBytes);
        const QString path = env->path(QStringLiteral("padded.dat"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        ScriptedPrompts prompts;
        Run().modelName = current;
        QCOMPARE(OpenDataFile(path), FileResult::Ok);
        QVERIFY2(prompts.messages.isEmpty(), qPrintable(prompts.messages.join(QLatin1Char('\n'))));
    }

private:
    std::unique_ptr<TestProgramDir> env;
};

QTEST_GUILESS_MAIN(TestBadFiles)
#include "tst_badfiles.moc"
