// Differences between two documents: nothing for equal images (also when only what the
// radio does not store differs), exactly the changed settings for random edits, and
// lines in the user's words.
#include "CompareWords.h"
#include "ImageDiff.h"
#include "LangText.h"
#include "Models.h"
#include "NewImage.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "TestProgramDir.h"

#include <QRandomGenerator>
#include <QtTest>

#include <functional>
#include <memory>

namespace {
QSet<QString> keysOf(const QList<Difference> &list)
{
    QSet<QString> keys;
    for (const Difference &d : list)
        keys << d.key;
    return keys;
}

// A value of `range` different from `v` (range >= 2).
int16_t other(int v, int range, QRandomGenerator &rng)
{
    const int base = ((v % range) + range) % range;
    return int16_t((base + 1 + int(rng.bounded(range - 1))) % range);
}

struct ChannelSettingField {
    int16_t ChannelRecord::*field;
    const char *key;
    int range;
};
const ChannelSettingField kChannelFields[] = {
    {&ChannelRecord::Scan, "scan", 2}, {&ChannelRecord::OffSetFre, "offset", 1000},
    {&ChannelRecord::RDCT, "rxTone", 143}, {&ChannelRecord::TDCT, "txTone", 143},
    {&ChannelRecord::DUP, "duplex", 3}, {&ChannelRecord::TSQ, "toneSquelch", 2},
    {&ChannelRecord::HI_CUT, "hiCut", 2}, {&ChannelRecord::BUSY, "busyLock", 2},
    {&ChannelRecord::NB, "noiseBlanker", 2}, {&ChannelRecord::Add_Sub_5K, "shift5k", 2},
    {&ChannelRecord::AM_FM, "modulation", 2}, {&ChannelRecord::Tx_Power, "power", 3},
    {&ChannelRecord::Public, "public", 2}, {&ChannelRecord::RBTone, "rogerBeep", 9},
    {&ChannelRecord::DTMF_BOT, "dtmfBot", 17}, {&ChannelRecord::DTMF_EOT, "dtmfEot", 17},
    {&ChannelRecord::DTMF_Call, "dtmfCall", 17},
};

// One random edit of `img`; returns the key of the difference it makes.
QString randomEdit(RadioImage &img, QRandomGenerator &rng)
{
    switch (rng.bounded(9)) {
    case 0: {   // a channel setting
        ChannelRecord &c = img.at(int(rng.bounded(img.count())));
        const ChannelSettingField &f = kChannelFields[rng.bounded(int(std::size(kChannelFields)))];
        c.*f.field = other(c.*f.field, f.range, rng);
        return QStringLiteral("channel/%1/%2").arg(c.number).arg(QLatin1String(f.key));
    }
    case 1: {   // a channel frequency
        ChannelRecord &c = img.at(int(rng.bounded(img.count())));
        c.setFreqText(QStringLiteral("0%1").arg(2700000 + int(rng.bounded(100000)), 7, 10, QLatin1Char('0')));
        return QStringLiteral("channel/%1/frequency").arg(c.number);
    }
    case 2: {   // a channel removed
        const int slot = int(rng.bounded(img.count()));
        const int number = img.at(slot).number;
        img.removeChannel(slot);
        return QStringLiteral("channel/%1/inUse").arg(number);
    }
    case 3: {   // an option
        const int n = 1 + int(rng.bounded(19));
        *img.header.options.option(n) = other(*img.header.options.option(n), 200, rng);
        return QStringLiteral("option/%1").arg(n);
    }
    case 4: {   // a group setting
        const int g = int(rng.bounded(kGroupFlags));
        OptionBlock &o = img.header.options;
        switch (rng.bounded(3)) {
        case 0: o.groupEnabled[g] = o.groupEnabled[g] > 0 ? 0 : 1; return QStringLiteral("group/%1/valid").arg(g);
        case 1: o.groupValueB[g] = other(o.groupValueB[g], 8, rng); return QStringLiteral("group/%1/valueB").arg(g);
        default: o.groupModA[g] = uint8_t(o.groupModA[g] ? 0 : 1); return QStringLiteral("group/%1/modulationA").arg(g);
        }
    }
    case 5: {   // a common channel setting (the radio keeps no scan for it)
        const ChannelSettingField &f = kChannelFields[1 + rng.bounded(int(std::size(kChannelFields)) - 1)];
        img.header.common.*f.field = other(img.header.common.*f.field, f.range, rng);
        return QStringLiteral("common/%1").arg(QLatin1String(f.key));
    }
    case 6: {   // a key
        const int k = int(rng.bounded(kKeyFuncs));
        img.header.keys.KeyFunc[k] = int16_t(other(img.header.keys.KeyFunc[k] - 1, 20, rng) + 1);
        return QStringLiteral("keys/%1").arg(k);
    }
    case 7: {   // a DTMF code
        const int k = 1 + int(rng.bounded(kDtmfCodes));
        DtmfCode &code = img.header.dtmf.codes[k - 1];
        const int length = code.length == 3 ? 5 : 3;
        code.setDigits(QStringLiteral("12A#*").left(length));
        code.length = int16_t(length);
        return QStringLiteral("dtmf/code/%1").arg(k);
    }
    default: {   // a tone tip step
        const int t = 1 + int(rng.bounded(kToneTips));
        const int s = int(rng.bounded(kToneSteps));
        ToneStep &step = img.header.tips[t - 1].steps[s];
        step.ToneLen = other(step.ToneLen, 256, rng);
        return QStringLiteral("tip/%1/step/%2/length").arg(t).arg(s + 1);
    }
    }
}
} // namespace

class TestImageDiff : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        env = std::make_unique<TestProgramDir>();
        SetCurrentBand(0);
        BuildNewImage();
        base = Image();
        QVERIFY(base.count() > 300);
    }
    void cleanupTestCase() { env.reset(); }

    void equalImagesHaveNoDifferences()
    {
        QVERIFY(CompareImages(base, base, QStringLiteral("A"), QStringLiteral("B")).isEmpty());
        // What the radio does not hold: list order, empty flags, reserved fields, the
        // grid's current group, the common channel's scan, the slots beyond the count.
        RadioImage b = base;
        std::swap(b.at(0), b.at(1));
        b.at(5).emptyFlag = 1;
        b.at(6).reserved[3] = 9;
        b.header.options.currentGroup = 4;
        b.header.common.Scan = 0;
        b.at(kChannelSlots - 1).OffSetFre = 555;
        QCOMPARE(DifferenceLines(CompareImages(base, b, QStringLiteral("A"), QStringLiteral("B"))), QStringList());
    }

    void linesUseTheWordsOfTheEditors()
    {
        RadioImage a = base;
        ChannelRecord *c12 = a.channel(12);
        QVERIFY(c12);
        c12->AM_FM = 0;
        c12->Tx_Power = 0;
        a.header.tips[1].LoopCount = 1;
        a.header.keys.KeyFunc[8] = 12;   // key mode 2, P3: "CAL"
        RadioImage b = a;
        b.channel(12)->Tx_Power = 2;
        b.header.tips[1].LoopCount = 3;
        b.header.keys.KeyFunc[8] = 20;
        b.removeChannel(b.findChannel(41));
        const QStringList lines = DifferenceLines(CompareImages(a, b, QStringLiteral("A.dat"), QStringLiteral("B.dat")));
        const QString arrow = QStringLiteral(" → ");
        const auto has = [&lines](const QString &line) {
            return lines.contains(line) ? true : (qWarning("missing: %s in\n%s", qPrintable(line), qPrintable(lines.join(QLatin1Char('\n')))), false);
        };
        QVERIFY(has(QStringLiteral("Channel 12 (EU 12): ") + LangText(15014) + QLatin1Char(' ') + LangText(15044) + arrow
                    + LangText(15046)));
        QVERIFY(has(QStringLiteral("Channel 41 (CE 1): only in A.dat (") + CompareWords::FrequencyText(*a.channel(41), 0)
                    + QLatin1Char(')')));
        QVERIFY(has(LangText(29001) + QStringLiteral(" 2: ") + LangText(29002) + QStringLiteral(" 1") + arrow
                    + QStringLiteral("3")));
        QVERIFY(has(LangText(25008) + QStringLiteral(" 2: P3 CAL") + arrow + QStringLiteral("NULL")));
        QCOMPARE(lines.size(), 4);
    }

    void modelAndBandAreCompared()
    {
        RadioImage b = base;
        b.header.model.bandMode = 2;
        b.header.model.setName(QStringLiteral("OTHER"));
        const QSet<QString> keys = keysOf(CompareImages(base, b, QStringLiteral("A"), QStringLiteral("B")));
        QVERIFY(keys.contains(QStringLiteral("band")));
        QVERIFY(keys.contains(QStringLiteral("model")));
    }

    void randomEditsReportExactlyTheirSettings()
    {
        QRandomGenerator rng(20261208);
        for (int round = 0; round < 200; ++round) {
            RadioImage b = base;
            QSet<QString> expected;
            QSet<int> touchedChannels;
            const int edits = 1 + int(rng.bounded(6));
            for (int e = 0; e < edits; ++e) {
                RadioImage trial = b;
                const QString key = randomEdit(trial, rng);
                // One edit per channel and per setting, so each leaves its own trace.
                const int channel = key.startsWith(QLatin1String("channel/")) ? key.section(QLatin1Char('/'), 1, 1).toInt() : 0;
                if (expected.contains(key) || (channel && touchedChannels.contains(channel)))
                    continue;
                b = trial;
                expected << key;
                if (channel)
                    touchedChannels << channel;
            }
            const QSet<QString> found = keysOf(CompareImages(base, b, QStringLiteral("A"), QStringLiteral("B")));
            QVERIFY2(found == expected, qPrintable(QStringLiteral("round %1: expected %2, found %3")
                                                        .arg(round)
                                                        .arg(QStringList(expected.values()).join(QLatin1Char(' ')),
                                                             QStringList(found.values()).join(QLatin1Char(' ')))));
        }
    }

private:
    std::unique_ptr<TestProgramDir> env;
    RadioImage base;
};

QTEST_GUILESS_MAIN(TestImageDiff)
#include "tst_imagediff.moc"
