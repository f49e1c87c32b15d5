// Golden bytes written by hand from the radio's memory table and the data file's stored
// form, not from the code's own layout tables: a wrong address, width or bit position
// in those tables fails here even when pack and unpack agree with each other.
#include "LinkFrames.h"
#include "LinkState.h"
#include "MemoryMap.h"
#include "PackCheck.h"
#include "RadioImage.h"

#include <QtTest>

namespace {
constexpr int kMemory = 7424;

void put(QByteArray &b, int address, std::initializer_list<int> bytes)
{
    for (int v : bytes)
        b[address++] = char(v);
}

// A new channel with its eight stored digits as they stand.
void addStored(RadioImage &img, int number, const char *digits)
{
    QVERIFY(img.addChannel(number, QString()));
    img.at(img.count() - 1).setFreqText(QString::fromLatin1(digits));
}

// A HAM-band image with every kind of field set to a value that shows its place.
RadioImage knownImage()
{
    RadioImage img;
    img.header.model.setName(QStringLiteral("TARVEN2"));
    img.header.model.bandMode = 2;
    img.header.model.setVersion(QStringLiteral("V100"));

    addStored(img, 5, "02801500");
    ChannelRecord &c5 = img.at(0);
    c5.OffSetFre = 0x1234; c5.RDCT = 5; c5.TDCT = 40; c5.DUP = 2; c5.TSQ = 1; c5.BUSY = 1;
    c5.HI_CUT = 0; c5.NB = 1; c5.Add_Sub_5K = 1; c5.AM_FM = 1; c5.Tx_Power = 1; c5.Public = 0;
    c5.RBTone = 3; c5.DTMF_BOT = 4; c5.DTMF_EOT = 5; c5.DTMF_Call = 6;

    addStored(img, 12, "02999990");
    ChannelRecord &c12 = img.at(1);
    c12.Scan = 0; c12.OffSetFre = 0; c12.NB = 0; c12.Public = 0; c12.HI_CUT = 1;

    addStored(img, 401, "02912340");
    ChannelRecord &vfo = img.at(2);
    vfo.Scan = 0; vfo.NB = 0; vfo.Tx_Power = 2; vfo.Public = 1;

    addStored(img, 403, "02650000");
    ChannelRecord &mem = img.at(3);
    mem.TDCT = 38; mem.DUP = 1; mem.NB = 0; mem.Public = 0;

    OptionBlock &o = img.header.options;
    o.UseMEM = 1; o.RadioGroup = 3; o.currentMemSlot = 2;
    for (int g = 0; g < 10; ++g) {
        o.groupEnabled[g] = (g == 0 || g == 9) ? 1 : 0;
        o.groupCurrent[g] = int16_t(g + 10);
        o.groupValueA[g] = int16_t(g);
        o.groupValueB[g] = int16_t((g * 3) % 8);
        o.groupModA[g] = uint8_t(g % 2);
        o.groupModB[g] = uint8_t((g + 1) % 2);
    }
    o.Beep = 1; o.TOT = 4; o.Backlight = 2; o.Volume = 5; o.SqlLevel = 6;
    o.AsqFun = 1; o.AsqValue = 5; o.RfGain = 2; o.ChDisplay = 1;
    o.ScanType = 1; o.ScanTime = 2; o.SqlBack = 3; o.AsqBack = 4; o.AutoPowerOn = 1;
    o.MemEdit = 0; o.MaxSWROn = 1; o.MaxSWR = 160;

    ChannelRecord &common = img.header.common;
    common.OffSetFre = 5; common.RDCT = 0; common.TDCT = 2; common.DUP = 2; common.NB = 1;
    common.Public = 0; common.RBTone = 2;

    img.header.keys.KeyModeSet = 3;
    for (int i = 0; i < 18; ++i)
        img.header.keys.KeyFunc[i] = int16_t(i + 1);

    DtmfBlock &d = img.header.dtmf;
    d.DtmfRate = 10; d.FirstDigitTime = 11; d.FirstDigitDelay = 12; d.StarHashTime = 13;
    d.DKey = 14; d.DtmfDisplay = 15;
    d.codes[0].length = 4;
    d.codes[0].setDigits(QStringLiteral("12#*"));
    d.codes[15].length = 5;
    d.codes[15].setDigits(QStringLiteral("ABCD0"));

    for (int t = 1; t <= 8; ++t) {
        ToneTip &tip = img.header.tips[t - 1];
        tip.LoopCount = int16_t(t);
        tip.LoopInterval = int16_t(10 + t);
        for (int s = 0; s < 14; ++s)
            tip.steps[s] = {int16_t(50 + s), int16_t(s + t)};
    }
    return img;
}

// The same image as the radio holds it, byte by byte from the memory table.
QByteArray goldenMemory()
{
    QByteArray b(kMemory, '\0');
    // Channel 5 at 0040: frequency digits 2..7 "280150" as BCD, byte 2 most significant.
    put(b, 0x0040, {0x50, 0x01, 0x28, 0x34, 0x12, 4, 0, 0, 1, 0,
                    2 | 1 << 2 | 1 << 4 | 2 << 6,               // DUP, TSQ, rx CTCSS, tx DCS
                    1 | 0 << 1 | 1 << 2 | 1 << 3 | 1 << 4 | 1 << 5 | 0 << 7,
                    3, 4, 5, 6});
    // Channel 12 at 00B0: "299999", HI_CUT only.
    put(b, 0x00B0, {0x99, 0x99, 0x29, 0, 0, 0, 0, 0, 0, 0, 0, 1 << 1, 0, 0, 0, 0});
    // Presence bits: channel 5 is bit 4 of 1900, channel 12 bit 3 of 1901; scan only 5.
    b[0x1900] = char(0x10);
    b[0x1901] = char(0x08);
    b[0x1940] = char(0x10);
    // MEM channel 403 at 1990: "265000", tx CTCSS 38 -> 37, DUP 1.
    put(b, 0x1990, {0x00, 0x50, 0x26, 100, 0, 0, 0, 37, 0, 0, 1 | 1 << 6, 0, 0, 0, 0, 0});
    b[0x1A1C] = char(0x02);
    b[0x1A1D] = char(0x02);
    // VFO channel 401 at 1A00: "291234", offset 100, power 2, common.
    put(b, 0x1A00, {0x34, 0x12, 0x29, 100, 0, 0, 0, 0, 0, 0, 0, 2 << 5 | 1 << 7, 0, 0, 0, 0});
    b[0x1A11] = 3;   // option 2
    b[0x1A12] = 1;   // option 1
    b[0x1A19] = char(0x01);   // DTMF code 1 present
    b[0x1A1A] = char(0x80);   // DTMF code 16 present
    b[0x1A1B] = 2;   // current MEM slot
    b[0x1A1E] = char(0x01);   // group 0 enabled
    b[0x1A1F] = char(0x02);   // group 9 enabled
    for (int g = 0; g < 10; ++g) {
        b[0x1A20 + g] = char(g + 10);
        b[0x1AA0 + g] = char(g);
        b[0x1AB0 + g] = char((g * 3) % 8);
        b[0x1AC0 + g] = char(g % 2);
        b[0x1AD0 + g] = char((g + 1) % 2);
    }
    // Common channel settings at 1A30: no frequency bytes; offset 5, tx CTCSS 2 -> 1.
    put(b, 0x1A30, {0, 0, 0, 5, 0, 0, 0, 1, 0, 0, 2 | 1 << 6, 1 << 2, 2, 0, 0, 0});
    put(b, 0x1A40, {1, 4, 2, 5, 6});        // options 3..7
    b[0x1A45] = char(0x80 | 5);             // option 8 in bit 7, option 9 below
    b[0x1A46] = 2;                          // option 10
    b[0x1A47] = 1;                          // option 11
    b[0x1A48] = 3;                          // key setting 0
    put(b, 0x1A49, {1, 2, 3, 4, 1});        // options 12..16
    put(b, 0x1A4E, {10, 12, 11, 13, 14, 15});   // DTMF settings 0, 2, 1, 3, 4, 5
    b[0x1A54] = char(160);                  // option 19
    b[0x1A55] = 0x02;                       // option 18 in bit 1, option 17 in bit 0
    for (int i = 0; i < 18; ++i)
        b[0x1A80 + i] = char(i + 1);
    for (int t = 1; t <= 8; ++t) {
        const int a = 0x1B00 + ((t - 1) / 2) * 64 + ((t - 1) % 2) * 30;
        b[a] = char(t);
        b[a + 1] = char(10 + t);
        for (int s = 0; s < 14; ++s) {
            b[a + 2 + s] = char(50 + s);
            b[a + 16 + s] = char(s + t);
        }
    }
    for (int k = 1; k <= 16; ++k)
        b.replace(0x1C00 + (k - 1) * 16, 16, QByteArray(16, char(0xFF)));
    put(b, 0x1C00, {0x01, 0x02, 0x0E, 0x0F});
    put(b, 0x1CF0, {0x0A, 0x0B, 0x0C, 0x0D, 0x00});
    return b;
}

QString hexDiff(const QByteArray &got, const QByteArray &want)
{
    QStringList lines;
    for (int a = 0; a < want.size() && lines.size() < 12; ++a) {
        if (got.at(a) != want.at(a))
            lines << QStringLiteral("%1: got %2, want %3").arg(a, 4, 16, QLatin1Char('0'))
                         .arg(uint8_t(got.at(a)), 2, 16, QLatin1Char('0')).arg(uint8_t(want.at(a)), 2, 16, QLatin1Char('0'));
    }
    return lines.join(QLatin1Char('\n'));
}

int le16(const QByteArray &b, int offset)
{
    return int16_t(uint8_t(b.at(offset)) | uint8_t(b.at(offset + 1)) << 8);
}
} // namespace

class TestMemoryGolden : public QObject {
    Q_OBJECT
private slots:
    void packGivesTheGoldenBytes()
    {
        RadioImage img = knownImage();
        QByteArray b(kMemory, '\0');
        PackImageInto(img, b);
        const QByteArray golden = goldenMemory();
        QVERIFY2(b == golden, qPrintable(hexDiff(b, golden)));
    }

    void unpackOfTheGoldenBytesGivesEveryField()
    {
        const RadioImage expected = knownImage();
        RadioImage back;
        back.header.model = expected.header.model;
        QVERIFY(UnpackImageFrom(goldenMemory(), 2, back));
        QCOMPARE(back.count(), 4);
        for (int s = 0; s < 4; ++s) {
            ChannelRecord want = expected.at(s);
            if (want.number == 401)
                want.Scan = 0;   // the VFO channel has no scan bit
            QCOMPARE(back.at(s), want);
        }
        // Only the option fields of the common channel travel.
        ChannelRecord common = expected.header.common;
        common.number = back.header.common.number;
        common.emptyFlag = back.header.common.emptyFlag;
        common.Scan = back.header.common.Scan;
        common.freq = back.header.common.freq;
        common.reserved = back.header.common.reserved;
        QCOMPARE(back.header.common, common);
        OptionBlock o = expected.header.options;
        o.currentGroup = back.header.options.currentGroup;
        o.reserved = back.header.options.reserved;
        QCOMPARE(back.header.options, o);
        QCOMPARE(back.header.keys, expected.header.keys);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(*back.header.dtmf.setting(i), *expected.header.dtmf.setting(i));
        for (int k = 0; k < 16; ++k) {
            QCOMPARE(back.header.dtmf.codes[k].length, expected.header.dtmf.codes[k].length);
            const int length = expected.header.dtmf.codes[k].length;
            QCOMPARE(back.header.dtmf.codes[k].digitsText().left(length),
                     expected.header.dtmf.codes[k].digitsText().left(length));
        }
        QCOMPARE(back.header.tips, expected.header.tips);
    }

    // A read from a radio whose frequency bytes are no decimal digits (FF FF FF in a
    // present channel, nibbles A to F) writes back exactly the bytes read.
    void oddFrequencyBytesWriteBackUnchanged()
    {
        QByteArray radio = goldenMemory();
        put(radio, 0x1A00, {0xFF, 0xFF, 0xFF});      // the VFO channel is always present
        put(radio, 0x0040, {0x5A, 0xBC, 0x2D});      // channel 5
        RadioImage img;
        img.header.model.setName(QStringLiteral("TARVEN2"));
        QVERIFY(UnpackImageFrom(radio, 2, img));
        QCOMPARE(img.channel(401)->freqText(), QStringLiteral("0FFFFFF0"));
        QCOMPARE(img.channel(5)->freqText(), QStringLiteral("02DBC5A0"));
        QVERIFY2(ValuesThatDoNotFit(img).isEmpty(), qPrintable(ValuesThatDoNotFit(img).lines.join(QLatin1Char('\n'))));
        QByteArray back(kMemory, '\0');
        PackImageInto(img, back);
        QVERIFY2(back == radio, qPrintable(hexDiff(back, radio)));
    }

    // The identification record: "I", model 1..7 up to a 00, band 8, version 9..12,
    // capability bit 0 of 13, and 06 last.
    void identificationRecord()
    {
        QByteArray frame = QByteArray("I") + QByteArray("AB\0\0\0\0\0", 7) + char(1) + "V102" + char(0x03)
            + char(0x55) + char(0x06);
        QCOMPARE(frame.size(), 16);
        const RadioIdentRecord plain = LinkFrames::parseIdent(frame, 0);
        QCOMPARE(plain.model, QStringLiteral("AB"));
        QCOMPARE(plain.band, 1);
        QCOMPARE(plain.version, QStringLiteral("V102"));
        QVERIFY(plain.ctcssDcs);
        frame[13] = char(0x02);
        const QByteArray echoed = QByteArray::fromHex("02") + frame;
        const RadioIdentRecord withEcho = LinkFrames::parseIdent(echoed, 1);
        QCOMPARE(withEcho.version, QStringLiteral("V102"));
        QVERIFY(!withEcho.ctcssDcs);
    }

    // The data file's stored form at the offsets of its table.
    void dataFileOffsets()
    {
        RadioImage img = knownImage();
        img.header.options.currentGroup = 7;
        img.at(0).reserved[6] = 0x4142;
        const QByteArray f = img.toBytes();
        QCOMPARE(f.size(), 25611);
        QCOMPARE(f.left(7), QByteArray("TARVEN2"));
        QCOMPARE(le16(f, 7), 2);
        QCOMPARE(f.mid(9, 4), QByteArray("V100"));
        QCOMPARE(le16(f, 13), 4);
        QCOMPARE(le16(f, 15), 7);                   // current group
        QCOMPARE(le16(f, 15 + 2), 1);               // UseMEM
        QCOMPARE(le16(f, 15 + 4), 3);               // RadioGroup
        QCOMPARE(le16(f, 15 + 6), 2);               // current MEM slot
        QCOMPARE(le16(f, 15 + 8 + 9 * 2), 1);       // group 9 enabled
        QCOMPARE(le16(f, 15 + 28 + 2 * 2), 12);     // group 2 current
        QCOMPARE(le16(f, 15 + 48 + 3 * 2), 3);      // group 3 value A
        QCOMPARE(le16(f, 15 + 68 + 3 * 2), 1);      // group 3 value B
        QCOMPARE(le16(f, 15 + 88), 1);              // Beep
        QCOMPARE(le16(f, 15 + 100), 5);             // AsqValue
        QCOMPARE(le16(f, 15 + 118), 1);             // MaxSWROn
        QCOMPARE(le16(f, 15 + 120), 160);           // MaxSWR
        QCOMPARE(int(f.at(15 + 122 + 1)), 1);       // option byte A of group 1
        QCOMPARE(int(f.at(15 + 132 + 0)), 1);       // option byte B of group 0
        QCOMPARE(le16(f, 173 + 14), 5);             // common OffSetFre
        QCOMPARE(le16(f, 173 + 36), 2);             // common RBTone
        QCOMPARE(le16(f, 233), 3);                  // KeyModeSet
        QCOMPARE(le16(f, 233 + 2 + 17 * 2), 18);    // KeyFunc[17]
        QCOMPARE(le16(f, 271 + 2), 11);             // FirstDigitTime
        QCOMPARE(le16(f, 271 + 10), 15);            // DtmfDisplay
        QCOMPARE(le16(f, 271 + 12), 4);             // code 1 length
        QCOMPARE(f.mid(271 + 14, 4), QByteArray("12#*"));
        QCOMPARE(le16(f, 271 + 12 + 15 * 18), 5);   // code 16 length
        QCOMPARE(le16(f, 591 + 2 * 60 + 13 * 4 + 2), 13 + 3);   // tip 3, step 14 length
        QCOMPARE(le16(f, 591 + 2 * 60 + 56), 3);    // tip 3 LoopCount
        QCOMPARE(le16(f, 591 + 7 * 60 + 58), 18);   // tip 8 LoopInterval
        const int ch = 1071;                        // slot 0: channel 5
        QCOMPARE(le16(f, ch), 5);
        QCOMPARE(le16(f, ch + 4), 1);               // Scan
        QCOMPARE(f.mid(ch + 6, 8), QByteArray("02801500"));
        QCOMPARE(le16(f, ch + 14), 0x1234);
        QCOMPARE(le16(f, ch + 16), 5);              // RDCT
        QCOMPARE(le16(f, ch + 18), 40);             // TDCT
        QCOMPARE(le16(f, ch + 20), 2);              // DUP
        QCOMPARE(le16(f, ch + 28), 1);              // Add_Sub_5K
        QCOMPARE(le16(f, ch + 32), 1);              // Tx_Power
        QCOMPARE(le16(f, ch + 42), 6);              // DTMF_Call
        QCOMPARE(le16(f, ch + 44), 1);              // TSQ
        QCOMPARE(le16(f, ch + 58), 0x4142);         // last reserved Integer
        QCOMPARE(le16(f, 1071 + 3 * 60), 403);      // slot 3
        // And back: every field from its offset.
        RadioImage back = RadioImage::fromBytes(f);
        QCOMPARE(back.header.options, img.header.options);
        QCOMPARE(back.at(0), img.at(0));
        QCOMPARE(back.header.tips, img.header.tips);
    }
};

QTEST_GUILESS_MAIN(TestMemoryGolden)
#include "tst_memorygolden.moc"
