// Stored form of the image and the data file: sizes, byte-exact round trips, fields at
// their offsets, and the atomic save.
#include "DataFile.h"
#include "ImageCompare.h"
#include "LangText.h"
#include "NewImage.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "ScriptedPrompts.h"
#include "TestProgramDir.h"
#include "VersionTable.h"

#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

namespace {
void put16(QByteArray &b, int offset, int16_t v)
{
    b[offset] = char(uint16_t(v) & 0xFF);
    b[offset + 1] = char(uint16_t(v) >> 8);
}

void putText(QByteArray &b, int offset, const char *text)
{
    for (int i = 0; text[i]; ++i)
        b[offset + i] = text[i];
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}
}

class TestImageStore : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        env = std::make_unique<TestProgramDir>();
        LoadVersionTable();
    }
    void cleanup() { env.reset(); }

    void storedFormSizes()
    {
        QCOMPARE(ImageHeader{}.toBytes().size(), kHeaderBytes);
        QCOMPARE(channelToBytes(ChannelRecord{}).size(), kChannelBytes);
        QCOMPARE(RadioImage{}.toBytes().size(), kDataFileBytes);
        QCOMPARE(kDataFileBytes, 25611);
    }

    // Any 25611 bytes read as an image write back unchanged: every byte has a field.
    void anyBytesRoundTripExactly()
    {
        QRandomGenerator rng(4711);
        for (int round = 0; round < 5; ++round) {
            QByteArray bytes(kDataFileBytes, Qt::Uninitialized);
            for (char &c : bytes)
                c = char(rng.bounded(256));
            QCOMPARE(RadioImage::fromBytes(bytes).toBytes(), bytes);
        }
    }

    // Images compare equal exactly when their bytes do: a change to any one stored byte
    // makes them differ.
    void imagesCompareAsTheirBytes()
    {
        QRandomGenerator rng(815);
        QByteArray bytes(kDataFileBytes, Qt::Uninitialized);
        for (char &c : bytes)
            c = char(rng.bounded(256));
        const RadioImage image = RadioImage::fromBytes(bytes);
        QVERIFY(RadioImage::fromBytes(bytes) == image);
        for (int offset = 0; offset < kDataFileBytes; ++offset) {
            QByteArray changed = bytes;
            changed[offset] = char(changed[offset] ^ (1 << (offset % 8)));
            QVERIFY2(RadioImage::fromBytes(changed) != image, qPrintable(QString::number(offset)));
        }
    }

    void composedFileLoadsFieldsAtTheirOffsets()
    {
        QByteArray b(kDataFileBytes, ' ');
        for (int i = 13; i < kDataFileBytes; ++i)
            b[i] = 0;
        putText(b, 0, "TARVEN2");
        put16(b, 7, 1);                         // HF band
        putText(b, 9, "V100");
        put16(b, 13, 3);                        // channel count
        put16(b, 15 + 0, 4);                    // current group
        put16(b, 15 + 6, 5);                    // current MEM slot
        put16(b, 15 + 8 + 2 * 9, 1);            // group J enabled
        put16(b, 15 + 88, 1);                   // Beep
        put16(b, 15 + 120, 123);                // MaxSWR
        b[15 + 132 + 9] = 1;                    // option byte B of group 9
        b[15 + 142 + 15] = char(0x5A);          // last reserved byte of the option block
        put16(b, 173 + 14, 250);                // common offset
        put16(b, 173 + 42, 7);                  // common DTMF call code
        put16(b, 233, 2);                       // key mode set
        put16(b, 233 + 2 + 2 * 17, 20);         // key P6 of mode 3
        put16(b, 271, 25);                      // DTMF rate
        put16(b, 271 + 10, 0);                  // DTMF display
        put16(b, 271 + 12 + 18 * 15, 3);        // code 16 length
        putText(b, 271 + 12 + 18 * 15 + 2, "12E");
        put16(b, 271 + 300 + 18, -7);           // last reserved DTMF integer
        put16(b, 591 + 60 * 7 + 52, 255);       // tip 8, step 14 frequency
        put16(b, 591 + 60 * 7 + 58, 9);         // tip 8 interval
        const int slot2 = kHeaderBytes + 2 * kChannelBytes;
        put16(b, slot2, 402);
        putText(b, slot2 + 6, "02801500");
        put16(b, slot2 + 44, 1);                // TSQ
        put16(b, slot2 + 58, 99);               // last reserved integer
        put16(b, kHeaderBytes, 1);
        putText(b, kHeaderBytes + 6, "02561500");
        put16(b, kHeaderBytes + 60, 401);
        putText(b, kHeaderBytes + 66, "02801000");
        const QString path = env->path(QStringLiteral("composed.dat"));
        writeBytes(path, b);

        ScriptedPrompts prompts;
        QCOMPARE(OpenDataFile(path), FileResult::Ok);
        QVERIFY(prompts.messages.isEmpty());
        const ImageHeader &h = Image().header;
        QCOMPARE(Run().BandMode, 1);
        QCOMPARE(Run().bandText, QStringLiteral("25.615 - 30.105 MHz"));
        QCOMPARE(h.channelCount, int16_t(3));
        QCOMPARE(h.options.currentGroup, int16_t(4));
        QCOMPARE(h.options.currentMemSlot, int16_t(5));
        QCOMPARE(h.options.groupEnabled[9], int16_t(1));
        QCOMPARE(h.options.Beep, int16_t(1));
        QCOMPARE(h.options.MaxSWR, int16_t(123));
        QCOMPARE(h.options.groupModB[9], uint8_t(1));
        QCOMPARE(h.options.reserved[15], uint8_t(0x5A));
        QCOMPARE(h.common.OffSetFre, int16_t(250));
        QCOMPARE(h.common.DTMF_Call, int16_t(7));
        QCOMPARE(h.keys.KeyModeSet, int16_t(2));
        QCOMPARE(h.keys.KeyFunc[17], int16_t(20));
        QCOMPARE(h.dtmf.DtmfRate, int16_t(25));
        QCOMPARE(h.dtmf.DtmfDisplay, int16_t(0));
        QCOMPARE(h.dtmf.codes[15].length, int16_t(3));
        QCOMPARE(h.dtmf.codes[15].digitsText().left(3), QStringLiteral("12E"));
        QCOMPARE(h.dtmf.reserved[9], int16_t(-7));
        QCOMPARE(h.tips[7].steps[13].ToneFreq, int16_t(255));
        QCOMPARE(h.tips[7].LoopInterval, int16_t(9));
        const ChannelRecord *mem = Image().channel(402);
        QVERIFY(mem);
        QCOMPARE(mem->freqText(), QStringLiteral("02801500"));
        QCOMPARE(mem->TSQ, int16_t(1));
        QCOMPARE(mem->reserved[6], int16_t(99));
        QVERIFY(!IsModified());
        QVERIFY(!Doc().Untitled);

        // Saved again, the file is byte for byte what was composed.
        const QString again = env->path(QStringLiteral("again.dat"));
        QCOMPARE(SaveDataFile(again), FileResult::Ok);
        QCOMPARE(fileBytes(again), b);
    }

    void newImagesOfEveryBandRoundTrip()
    {
        for (int band = 0; band <= 2; ++band) {
            for (bool factory : {false, true}) {
                Doc().FactoryInitRequest = factory;
                QVERIFY(SetCurrentBandForTest(band));
                BuildNewImage();
                const QString path = env->path(QStringLiteral("b%1.dat").arg(band));
                ScriptedPrompts prompts;
                QCOMPARE(SaveDataFile(path), FileResult::Ok);
                const QByteArray written = fileBytes(path);
                QCOMPARE(written.size(), kDataFileBytes);
                QCOMPARE(OpenDataFile(path), FileResult::Ok);
                QCOMPARE(Run().BandMode, band);
                QCOMPARE(SaveDataFile(path), FileResult::Ok);
                QCOMPARE(fileBytes(path), written);
                QVERIFY(prompts.messages.isEmpty());
            }
        }
    }

    void savingOverALongerFileLeavesExactlyTheImage()
    {
        const QString path = env->path(QStringLiteral("long.dat"));
        writeBytes(path, QByteArray(40000, 'x'));
        BuildNewImage();
        ScriptedPrompts prompts;
        QCOMPARE(SaveDataFile(path), FileResult::Ok);
        QCOMPARE(QFileInfo(path).size(), qint64(kDataFileBytes));
    }

    // The new content goes to a temporary file first: when that cannot be created (here
    // its name would be too long) the previous file stays as it was.
    void failedSaveKeepsThePreviousFile()
    {
        const QString path = env->path(QString(251, QLatin1Char('n')) + QStringLiteral(".dat"));
        writeBytes(path, QByteArray(kDataFileBytes, 'k'));
        BuildNewImage();
        ScriptedPrompts prompts;
        QCOMPARE(SaveDataFile(path), FileResult::FileError);
        QCOMPARE(prompts.messages.size(), 1);
        QVERIFY(prompts.messages.first().startsWith(LangText(9002)));
        QCOMPARE(fileBytes(path), QByteArray(kDataFileBytes, 'k'));
        QVERIFY(Doc().Untitled);
    }

private:
    static bool SetCurrentBandForTest(int band);
    std::unique_ptr<TestProgramDir> env;
};

#include "Models.h"
bool TestImageStore::SetCurrentBandForTest(int band)
{
    return SetCurrentBand(band);
}

QTEST_GUILESS_MAIN(TestImageStore)
#include "tst_imagestore.moc"
