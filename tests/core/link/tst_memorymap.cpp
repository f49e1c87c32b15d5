// The memory map: bytes at their addresses for known values, and pack/unpack of random
// valid images giving back every field the radio holds.
#include "LinkState.h"
#include "MemoryLayout.h"
#include "MemoryMap.h"
#include "Models.h"
#include "NewImage.h"
#include "PackCheck.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "ScriptedPrompts.h"
#include "Startup.h"
#include "TestProgramDir.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {
QByteArray pack(RadioImage img)
{
    QByteArray b(kTransferBytes, '\0');
    PackImageInto(img, b);
    return b;
}

uint8_t at(const QByteArray &b, int a)
{
    return uint8_t(b.at(a));
}

RadioImage withChannel(int number, const QString &digits)
{
    RadioImage img;
    img.header.channelCount = 1;
    img.at(0).number = int16_t(number);
    img.at(0).setFreqText(digits);
    return img;
}

// A random image whose every value fits the radio, in the given band.
RadioImage randomImage(QRandomGenerator &rng, int band)
{
    auto r = [&rng](int max) { return int16_t(rng.bounded(max + 1)); };
    RadioImage img;
    img.header.model.setName(QStringLiteral("TARVEN2"));
    img.header.model.bandMode = int16_t(band);
    auto randomSettings = [&](ChannelRecord &c) {
        c.OffSetFre = int16_t(rng.bounded(-32768, 32768));
        c.RDCT = r(142);
        c.TDCT = r(142);
        c.DUP = r(2); c.TSQ = r(1); c.BUSY = r(1); c.HI_CUT = r(1); c.NB = r(1);
        c.Add_Sub_5K = r(1); c.AM_FM = r(1); c.Tx_Power = r(3); c.Public = r(1);
        c.RBTone = r(8); c.DTMF_BOT = r(16); c.DTMF_EOT = r(16); c.DTMF_Call = r(16);
    };
    for (int n = 1; n <= kLastMemChannel; ++n) {
        if (band == 0 && n >= 361 && n <= 401)
            continue;
        if (n != kVfoChannel && rng.bounded(3) == 0)
            continue;
        ChannelRecord c;
        c.number = int16_t(n);
        c.Scan = n == kVfoChannel ? 0 : r(1);
        c.setFreqText(QLatin1Char('0') + QStringLiteral("%1").arg(rng.bounded(1000000), 6, 10, QLatin1Char('0'))
                      + QLatin1Char('0'));
        randomSettings(c);
        img.at(img.header.channelCount++) = c;
    }
    randomSettings(img.header.common);
    OptionBlock &o = img.header.options;
    for (int n = 1; n <= 19; ++n)
        *o.option(n) = r(255);
    o.UseMEM = r(1);
    o.AsqFun = r(1);
    o.AsqValue = r(127);
    o.MemEdit = r(1);
    o.MaxSWROn = r(1);
    o.currentMemSlot = r(255);
    for (int g = 0; g < kGroupFlags; ++g) {
        o.groupEnabled[size_t(g)] = r(1);
        o.groupCurrent[size_t(g)] = r(255);
        o.groupValueA[size_t(g)] = r(7);
        o.groupValueB[size_t(g)] = r(7);
        o.groupModA[size_t(g)] = uint8_t(r(1));
        o.groupModB[size_t(g)] = uint8_t(r(1));
    }
    img.header.keys.KeyModeSet = r(255);
    for (auto &k : img.header.keys.KeyFunc)
        k = r(255);
    DtmfBlock &d = img.header.dtmf;
    for (int i = 0; i < 6; ++i)
        *d.setting(i) = r(255);
    const QString digits = QStringLiteral("0123456789ABCD#*");
    for (DtmfCode &code : d.codes) {
        QString text;
        const int len = rng.bounded(17);
        for (int i = 0; i < len; ++i)
            text += digits.at(rng.bounded(16));
        code.length = int16_t(len);
        code.setDigits(text);
    }
    for (ToneTip &tip : img.header.tips) {
        tip.LoopCount = r(255);
        tip.LoopInterval = r(255);
        for (ToneStep &s : tip.steps) {
            s.ToneFreq = r(255);
            s.ToneLen = r(255);
        }
    }
    return img;
}
}

class TestMemoryMap : public QObject {
    Q_OBJECT
private slots:
    void init() { env = std::make_unique<TestProgramDir>(); InitDefaults(); }
    void cleanup() { env.reset(); }

    void channelFrequencyAndPresence()
    {
        RadioImage img = withChannel(5, QStringLiteral("02801500"));
        img.at(0).Scan = 1;
        const QByteArray b = pack(img);
        QCOMPARE(at(b, 0x40), uint8_t(0x50));
        QCOMPARE(at(b, 0x41), uint8_t(0x01));
        QCOMPARE(at(b, 0x42), uint8_t(0x28));
        QCOMPARE(at(b, 0x1900), uint8_t(0x10));
        QCOMPARE(at(b, 0x1940), uint8_t(0x10));
        RadioImage back;
        QVERIFY(UnpackImageFrom(b, 1, back));
        QVERIFY(back.channel(5));
        QCOMPARE(back.channel(5)->freqText(), QStringLiteral("02801500"));
    }

    void channelWithoutFrequencyIsNotInTheRadio()
    {
        RadioImage img = withChannel(7, QStringLiteral("FFFFFFFF"));
        QByteArray b(kTransferBytes, '\0');
        PackImageInto(img, b);   // marks the channel empty in the image itself
        QCOMPARE(b.mid(0x60, 3), QByteArray(3, char(0xFF)));
        QCOMPARE(at(b, 0x1900), uint8_t(0));
        QCOMPARE(img.at(0).emptyFlag, int16_t(1));
        RadioImage back;
        QVERIFY(UnpackImageFrom(b, 0, back));
        QVERIFY(!back.channel(7));
    }

    void vfoAndCbRules()
    {
        QByteArray zeros(kTransferBytes, '\0');
        RadioImage hf;
        QVERIFY(UnpackImageFrom(zeros, 1, hf));
        QCOMPARE(hf.count(), 1);   // channel 401 is always there outside the CB band
        QCOMPARE(hf.at(0).number, int16_t(401));
        QCOMPARE(hf.at(0).freqText(), QStringLiteral("00000000"));

        QByteArray bits(kTransferBytes, '\0');
        for (int a = 0x1900; a < 0x1932; ++a)
            bits[a] = char(0xFF);
        RadioImage cb;
        QVERIFY(UnpackImageFrom(bits, 0, cb));
        QCOMPARE(cb.count(), 360);
        QVERIFY(!cb.channel(361) && !cb.channel(400) && !cb.channel(401));
    }

    void dtmfCodeDigits()
    {
        RadioImage img;
        img.header.dtmf.codes[2].length = 4;
        img.header.dtmf.codes[2].setDigits(QStringLiteral("12#*"));
        const QByteArray b = pack(img);
        QCOMPARE(b.mid(0x1C20, 16), QByteArray("\x01\x02\x0E\x0F", 4) + QByteArray(12, char(0xFF)));
        QCOMPARE(at(b, 0x1A19), uint8_t(0x04));
        RadioImage back;
        QVERIFY(UnpackImageFrom(b, 0, back));
        QCOMPARE(back.header.dtmf.codes[2].length, int16_t(4));
        QCOMPARE(back.header.dtmf.codes[2].digitsText().trimmed(), QStringLiteral("12#*"));
    }

    void optionsAndToneTipsAtTheirAddresses()
    {
        RadioImage img;
        img.header.options.AsqFun = 1;
        img.header.options.AsqValue = 5;
        img.header.options.MemEdit = 1;
        img.header.options.MaxSWROn = 1;
        img.header.dtmf.FirstDigitTime = 7;
        img.header.dtmf.FirstDigitDelay = 9;
        img.header.tips[2].LoopCount = 4;
        img.header.tips[2].steps[0].ToneFreq = 66;
        img.header.tips[1].steps[13].ToneLen = 77;
        const QByteArray b = pack(img);
        QCOMPARE(at(b, 0x1A45), uint8_t(0x85));
        QCOMPARE(at(b, 0x1A55), uint8_t(0x03));
        QCOMPARE(at(b, 0x1A4F), uint8_t(9));    // setting 2 before setting 1
        QCOMPARE(at(b, 0x1A50), uint8_t(7));
        QCOMPARE(at(b, 0x1B40), uint8_t(4));    // tip 3 starts the second row
        QCOMPARE(at(b, 0x1B42), uint8_t(66));
        QCOMPARE(at(b, 0x1B1E + 29), uint8_t(77));   // tip 2, last length
    }

    void packAndUnpackGiveBackEveryField_data()
    {
        QTest::addColumn<int>("band");
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 4; ++seed) {
            QTest::addRow("CB %u", seed) << 0 << seed;
            QTest::addRow("HF %u", seed) << 1 << seed;
            QTest::addRow("HAM %u", seed) << 2 << seed;
        }
    }
    void packAndUnpackGiveBackEveryField()
    {
        QFETCH(int, band);
        QFETCH(quint32, seed);
        QRandomGenerator rng(seed);
        RadioImage img = randomImage(rng, band);
        QVERIFY2(ValuesThatDoNotFit(img).isEmpty(), qPrintable(ValuesThatDoNotFit(img).lines.join('\n')));
        const QByteArray b = pack(img);
        RadioImage back;
        back.header.model = img.header.model;
        QVERIFY(UnpackImageFrom(b, band, back));

        QCOMPARE(back.count(), img.count());
        for (int s = 0; s < img.count(); ++s) {
            ChannelRecord expected = img.at(s);
            expected.emptyFlag = 0;
            QCOMPARE(back.at(s), expected);
        }
        ChannelRecord common = img.header.common;
        ChannelRecord backCommon = back.header.common;
        backCommon.number = common.number;
        backCommon.Scan = common.Scan;
        backCommon.freq = common.freq;
        QCOMPARE(backCommon, common);
        QCOMPARE(back.header.options, img.header.options);
        QCOMPARE(back.header.keys, img.header.keys);
        QCOMPARE(back.header.tips, img.header.tips);
        for (int k = 0; k < kDtmfCodes; ++k) {
            QCOMPARE(back.header.dtmf.codes[size_t(k)].length, img.header.dtmf.codes[size_t(k)].length);
            QCOMPARE(back.header.dtmf.codes[size_t(k)].digitsText(), img.header.dtmf.codes[size_t(k)].digitsText());
        }
        for (int i = 0; i < 6; ++i)
            QCOMPARE(*back.header.dtmf.setting(i), *img.header.dtmf.setting(i));
        QCOMPARE(pack(back), b);
    }

    void newImagesFitTheRadio()
    {
        for (int band = 0; band <= 2; ++band) {
            SetCurrentBand(band);
            BuildNewImage();
            QVERIFY2(ValuesThatDoNotFit(Image()).isEmpty(), qPrintable(ValuesThatDoNotFit(Image()).lines.join('\n')));
        }
    }

    void unknownBandIsRejectedAndTheImageKept()
    {
        ScriptedPrompts answers;
        BuildNewImage();
        const QByteArray before = Image().toBytes();
        Link().RadioIdent.band = 3;
        Link().TransferBuffer.fill('\0');
        QVERIFY(!UnpackImage());
        QCOMPARE(answers.messages, QStringList{QStringLiteral("Country Mode Error!")});
        QCOMPARE(Image().toBytes(), before);
        QVERIFY(!UnpackImageFrom(QByteArray(100, '\0'), 0, Image()));
        QCOMPARE(Image().toBytes(), before);
    }

private:
    std::unique_ptr<TestProgramDir> env;
};

QTEST_GUILESS_MAIN(TestMemoryMap)
#include "tst_memorymap.moc"
