// Frequency and tone conversions, band checks, the shared text helpers and the
// channel group arithmetic.
#include "ChannelGroup.h"
#include "FreqCodec.h"
#include "LangText.h"
#include "ModFun.h"
#include "Models.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "ScriptedPrompts.h"
#include "TestProgramDir.h"

#include <QtTest>

class TestConversions : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        env = std::make_unique<TestProgramDir>(false);
        SetCurrentBand(0);
        Image() = RadioImage{};
    }
    void cleanup() { env.reset(); }

    void textHelpers()
    {
        QCOMPARE(TrimAtNul(QStringLiteral("AB") + QChar(0) + QStringLiteral("  ")), QStringLiteral("AB"));
        QCOMPARE(TrimAtNul(QStringLiteral("AB  ") + QChar(0)), QStringLiteral("AB  "));
        QCOMPARE(TrimAtNul(QStringLiteral("  ")), QString());
        QCOMPARE(FileNameOf(QStringLiteral("new.dat")), QStringLiteral("new.dat"));
        QCOMPARE(FileNameOf(QStringLiteral("/a/b/c.dat")), QStringLiteral("c.dat"));
        QCOMPARE(FileNameOf(QStringLiteral("C:\\x\\y.dat")), QStringLiteral("y.dat"));
        QCOMPARE(ClampToStep(QStringLiteral("17"), 5, 1000, 5, 5), int16_t(15));
        QCOMPARE(ClampToStep(QStringLiteral("2000"), 5, 1000, 5, 5), int16_t(1000));
        QCOMPARE(ClampToStep(QStringLiteral("x"), 5, 1000, 5, 7), int16_t(7));
        QCOMPARE(ClampToStep(QStringLiteral("1e9"), 0, 8, 1, 0), int16_t(8));
        QCOMPARE(ClampToStep(QStringLiteral("-3"), 0, 16, 1, 0), int16_t(0));
        QCOMPARE(ToLongOr(QString(), 9), 9);
        QCOMPARE(ToLongOr(QStringLiteral("12"), 9), 12);
        QCOMPARE(ToLongOr(QStringLiteral("99999999999"), 9), 9);
        QCOMPARE(DigitsToDtmfText(QStringLiteral("12EFe")), QStringLiteral("12#*e"));
        QCOMPARE(DtmfTextToDigits(QStringLiteral("12#*")), QStringLiteral("12EF"));
    }

    void frequencyToDigits()
    {
        QCOMPARE(FreqTextToDigits(QStringLiteral("28.015")), QStringLiteral("02801500"));
        QCOMPARE(FreqTextToDigits(QStringLiteral("27.185")), QStringLiteral("02718500"));
        QCOMPARE(FreqTextToDigits(QStringLiteral("28")), QStringLiteral("02800000"));
        QCOMPARE(FreqTextToDigits(QStringLiteral("27.60125")), QStringLiteral("02760125"));
        QCOMPARE(FreqTextToDigits(QStringLiteral("28.015000")), QStringLiteral("02801500"));
        QCOMPARE(FreqTextToDigits(QString()), QString());
        QCOMPARE(FreqTextToDigits(QStringLiteral("abc")), QStringLiteral("02696500"));   // band's lower limit
    }

    void digitsToText()
    {
        ScriptedPrompts prompts;
        QCOMPARE(DigitsToFreqText(QStringLiteral("02801500")), QStringLiteral("28.01500"));
        QCOMPARE(DigitsToFreqText(QStringLiteral("FFFFFFFF")), QString());
        QCOMPARE(DigitsToFreqText(QStringLiteral("        ")), QString());
        // Stored characters that are no digits show as not valid, in every group and
        // without a message (a grid would raise one per row).
        QVERIFY(!LangText(30002).isEmpty());
        QCOMPARE(DigitsToFreqText(QStringLiteral("12AB5678")), LangText(30002));
        QCOMPARE(FreqDisplayText(QStringLiteral("0FFFFFF0"), kCbGroupUk, 0), LangText(30002));
        QVERIFY(!IsFrequencyDigits(QStringLiteral("0FFFFFF0")));
        QVERIFY(IsFrequencyDigits(QStringLiteral("FFFFFFFF")));
        QVERIFY(prompts.messages.isEmpty());

        // Every length a stored field can hold reads as the digits with a dot after the
        // third, to five decimals (trailing blanks and a NUL end the digits).
        QCOMPARE(DigitsToFreqText(QStringLiteral("7")), QStringLiteral("7.00000"));
        QCOMPARE(DigitsToFreqText(QStringLiteral("000")), QStringLiteral("0.00000"));
        QCOMPARE(DigitsToFreqText(QStringLiteral("2960")), QStringLiteral("296.00000"));
        QCOMPARE(DigitsToFreqText(QStringLiteral("0296999")), QStringLiteral("29.69990"));
        QCOMPARE(DigitsToFreqText(QStringLiteral("99999999")), QStringLiteral("999.99999"));
        QCOMPARE(DigitsToFreqText(QStringLiteral("02801 ")), QStringLiteral("28.01000"));
        QCOMPARE(DigitsToFreqText(QString::fromLatin1("028\0" "99999", 8)), QStringLiteral("28.00000"));
        QCOMPARE(DigitsToFreqText(QStringLiteral("0123456789")), QStringLiteral("12.34568"));
    }

    void ukDisplayRule()
    {
        QCOMPARE(FreqDisplayText(QStringLiteral("02760000"), kCbGroupUk, 0), QStringLiteral("27.60125"));
        QCOMPARE(FreqDisplayText(QStringLiteral("02801500"), kCbMemGroup, 0), QStringLiteral("28.01125"));
        QCOMPARE(FreqDisplayText(QStringLiteral("02706500"), kCbMemGroup, 0), QStringLiteral("27.06500"));
        QCOMPARE(FreqDisplayText(QStringLiteral("02760000"), 0, 0), QStringLiteral("27.60000"));
        QCOMPARE(FreqDisplayText(QStringLiteral("02760000"), 3, 1), QStringLiteral("27.60000"));
        QCOMPARE(FreqDisplayText(QStringLiteral("FFFFFFFF"), kCbGroupUk, 0), QString());
    }

    void bandCheckAndRaster()
    {
        ScriptedPrompts prompts;
        QCOMPARE(CheckEnteredFreq(QStringLiteral("27.1234"), 0, 0), QStringLiteral("27.12000"));
        QCOMPARE(CheckEnteredFreq(QStringLiteral("27.405"), 0, 0), QStringLiteral("27.40500"));
        QCOMPARE(CheckEnteredFreq(QStringLiteral("26.965"), 0, 0), QStringLiteral("26.96500"));
        QVERIFY(prompts.messages.isEmpty());

        SetCurrentBand(2);
        QCOMPARE(CheckEnteredFreq(QStringLiteral("30"), 0, 2), QStringLiteral("29.70000"));
        QCOMPARE(CheckEnteredFreq(QStringLiteral("27"), 0, 2), QStringLiteral("28.00000"));
        QCOMPARE(CheckEnteredFreq(QStringLiteral("x"), 0, 2), QStringLiteral("28.00000"));
        QCOMPARE(prompts.messages.size(), 3);
        for (const QString &m : prompts.messages)
            QCOMPARE(m, LangText(9021));
        QVERIFY(!LangText(9021).isEmpty());

        SetCurrentBand(1);   // raster counts from 25.615
        QCOMPARE(CheckEnteredFreq(QStringLiteral("28.0199"), 0, 1), QStringLiteral("28.01500"));
        QCOMPARE(SnapToRaster(25.6175), 25.615);
    }

    // A CB MEM channel takes the frequency of the country channel whose shown value is
    // nearest; ties go to the first in list order, and the UK rule counts.
    void memMatching()
    {
        RadioImage &img = Image();
        img.addChannel(40, QStringLiteral("27.405"));
        img.addChannel(121, QStringLiteral("27.60000"));   // UK, shown as 27.60125
        img.addChannel(41, QStringLiteral("27.185"));
        img.addChannel(1, QStringLiteral("27.185"));
        img.addChannel(405, QStringLiteral("27.6"));        // MEM channels are not candidates
        ScriptedPrompts prompts;
        QCOMPARE(CheckEnteredFreq(QStringLiteral("27.6"), kCbMemGroup, 0), QStringLiteral("27.60000"));
        QCOMPARE(FreqDisplayText(FreqTextToDigits(QStringLiteral("27.60000")), kCbMemGroup, 0), QStringLiteral("27.60125"));
        QCOMPARE(CheckEnteredFreq(QStringLiteral("27.19"), kCbMemGroup, 0), QStringLiteral("27.18500"));
        QCOMPARE(CheckEnteredFreq(QStringLiteral("31"), kCbMemGroup, 0), QStringLiteral("27.60000"));
        QVERIFY(prompts.messages.isEmpty());
    }

    void setChannelValueClampsAndCouples()
    {
        ChannelRecord c;
        SetChannelValue(c, ColOffset, QStringLiteral("17"));
        QCOMPARE(c.OffSetFre, int16_t(15));
        SetChannelValue(c, ColOffset, QStringLiteral("2000"));
        QCOMPARE(c.OffSetFre, int16_t(1000));
        SetChannelValue(c, ColOffset, QStringLiteral("junk"));
        QCOMPARE(c.OffSetFre, int16_t(5));
        SetChannelValue(c, ColRbTone, QStringLiteral("9"));
        QCOMPARE(c.RBTone, int16_t(8));
        SetChannelValue(c, ColDtmfBot, QStringLiteral("17"));
        QCOMPARE(c.DTMF_BOT, int16_t(16));
        SetChannelValue(c, ColDtmfCall, LangText(14013));
        QCOMPARE(c.DTMF_Call, int16_t(0));
        c.Tx_Power = 2;
        SetChannelValue(c, ColAmFm, QStringLiteral("1"));
        QCOMPARE(c.AM_FM, int16_t(1));
        QCOMPARE(c.Tx_Power, int16_t(1));
        SetChannelValue(c, ColFreq, QStringLiteral("28.015"));
        QCOMPARE(c.freqText(), QStringLiteral("02801500"));
        SetChannelValue(c, ColRdct, QStringLiteral("142"));
        QCOMPARE(c.RDCT, int16_t(142));
    }

    void toneList()
    {
        QStringList list = ToneList();
        QCOMPARE(list.size(), 143);
        QCOMPARE(list.at(0), QStringLiteral("Off"));
        QCOMPARE(list.at(1), QStringLiteral("C_001(67.0Hz)"));
        QCOMPARE(list.at(12), QStringLiteral("C_012(100.0Hz)"));
        QCOMPARE(list.at(38), QStringLiteral("C_038(250.3Hz)"));
        QCOMPARE(list.at(39), QStringLiteral("D_001(023N)"));
        QCOMPARE(list.at(142), QStringLiteral("D_104(754N)"));
        QCOMPARE(ToneText(143), QString());
        QCOMPARE(ToneText(-1), QString());
        QCOMPARE(list.removeDuplicates(), 0);
    }

    void groupArithmetic()
    {
        QCOMPARE(GroupOfChannel(401, 0), kCbMemGroup);
        QVERIFY(!IsInGroup(401, kCbMemGroup, 0));
        QVERIFY(!IsInGroup(380, kCbMemGroup, 0));
        QVERIFY(IsInGroup(402, kCbMemGroup, 0));
        QCOMPARE(GroupOfChannel(280, 0), kCbGroupDe);
        QCOMPARE(GroupOfChannel(401, 1), 10);
        QCOMPARE(GroupOfChannel(405, 2), 10);
        QCOMPARE(GroupOfChannel(5, 7), -1);
        QCOMPARE(GroupNames(0), QStringList({"EU", "CE", "U", "UK", "PL", "I2", "DE", "IN", "MEM"}));
        QCOMPARE(GroupNames(1).size(), 12);
        QCOMPARE(GroupName(10, 2), QStringLiteral("VFO"));
        QCOMPARE(GroupName(12, 2), QString());
        QCOMPARE(GroupSize(6, 0), 80);

        RadioImage &img = Image();
        EnsureValidGroup(img, 0);
        img.header.options.groupEnabled = {};
        EnsureValidGroup(img, 0);   // no channels: nothing to enable
        QCOMPARE(img.header.options.groupEnabled[0], int16_t(0));
        img.addChannel(402, QStringLiteral("27.1"));
        img.addChannel(85, QStringLiteral("27.1"));
        img.addChannel(83, QStringLiteral("27.1"));
        EnsureValidGroup(img, 0);   // MEM has no flag: the first channel with one wins
        QCOMPARE(img.header.options.groupEnabled[2], int16_t(1));
        QCOMPARE(ChannelsInGroup(img, 2, 0), 2);
        QCOMPARE(ChannelsOutsideGroup(img, 2, 0), 0);
        QCOMPARE(ChannelsOutsideGroup(img, 0, 0), 2);
        QCOMPARE(PositionInGroup(img, 2, 0, 3), 3);
        QCOMPARE(PositionInGroup(img, 2, 0, 4), 3);   // not present: the last listed member
        QCOMPARE(PositionInGroup(img, 0, 0, 1), 0);
    }

    void tipUsability()
    {
        RadioImage &img = Image();
        img.header.tips[2].LoopCount = 1;
        QCOMPARE(IsTipUsable(img, 3), 0);   // no step with a length
        img.header.tips[2].steps[13].ToneLen = 1;
        QCOMPARE(IsTipUsable(img, 3), 3);
        QCOMPARE(IsTipUsable(img, 0), 0);
        QCOMPARE(IsTipUsable(img, 9), 0);
        img.addChannel(1, QStringLiteral("27"));
        img.at(0).RBTone = 4;
        img.header.common.RBTone = 3;
        ClearUnusableRbInImage(img);
        QCOMPARE(img.at(0).RBTone, int16_t(0));
        QCOMPARE(img.header.common.RBTone, int16_t(3));
        QCOMPARE(UsableTipEntries(img), QStringList({LangText(15030), QStringLiteral("3")}));
    }

    void dtmfReferences()
    {
        RadioImage &img = Image();
        img.addChannel(1, QStringLiteral("27"));
        img.addChannel(2, QStringLiteral("27"));
        img.at(0).DTMF_BOT = 5;
        img.at(0).DTMF_Call = 6;
        img.at(1).DTMF_EOT = 5;
        img.header.common.DTMF_Call = 5;
        img.records[5].DTMF_BOT = 5;   // beyond the list: not a channel
        ClearDtmfReferences(img, 5);
        QCOMPARE(img.at(0).DTMF_BOT, int16_t(0));
        QCOMPARE(img.at(0).DTMF_Call, int16_t(6));
        QCOMPARE(img.at(1).DTMF_EOT, int16_t(0));
        QCOMPARE(img.header.common.DTMF_Call, int16_t(0));
        QCOMPARE(img.records[5].DTMF_BOT, int16_t(5));
        img.header.dtmf.codes[1].length = 3;
        img.header.dtmf.codes[15].length = 1;
        img.header.dtmf.codes[4].setDigits(QStringLiteral("123"));   // length 0: undefined
        QCOMPARE(DtmfCodeListEntries(img), QStringList({LangText(14013), "2", "16"}));
    }

    void bandVocabulary()
    {
        double low = 0, high = 0;
        ParseBandLimitsOf(QStringLiteral("25.615 - 30.105 MHz"), low, high);
        QCOMPARE(low, 25.615);
        QCOMPARE(high, 30.105);
        ParseBandLimitsOf(QStringLiteral("junk"), low, high);
        QCOMPARE(low, 100.0);
        QCOMPARE(high, 500.0);
        QCOMPARE(BandCaption(BandText(0)), QStringLiteral("Frequency"));
        QCOMPARE(BandCaption(BandText(2)), BandText(2));
        QCOMPARE(BandName(5), QStringLiteral("Unknown"));
        QCOMPARE(DisplayModelName(QStringLiteral("TARVEN2 ")), QStringLiteral("TARVEN II"));
        QCOMPARE(DisplayModelName(QStringLiteral("AB")), QStringLiteral("AB"));
        QVERIFY(!SetCurrentBand(3));
        QCOMPARE(Run().BandMode, 0);
    }

private:
    std::unique_ptr<TestProgramDir> env;
};

QTEST_GUILESS_MAIN(TestConversions)
#include "tst_conversions.moc"
