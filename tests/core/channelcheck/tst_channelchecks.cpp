// Channel checks: each mistake planted in a channel list is found at its channel, and
// the default images of every band give nothing under every region's band plan.
#include "BandPlans.h"
#include "ChannelChecks.h"
#include "ChannelGroup.h"
#include "FreqCodec.h"
#include "Models.h"
#include "NewImage.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "TestProgramDir.h"

#include <QLocale>
#include <QtTest>

namespace {
void newDocument(int band)
{
    SetCurrentBand(band);
    BuildNewImage();
}

ChannelRecord &put(int number, const char *mhz, int mode = 0)
{
    Image().addChannel(number, QString::fromLatin1(mhz));
    ChannelRecord &c = *Image().channel(number);
    c.AM_FM = int16_t(mode);
    return c;
}

// The findings as "channel:kind" words, for compact comparisons.
QStringList found(int band, int region)
{
    QStringList out;
    for (const ChannelFinding &f : CheckChannels(Image(), band, region))
        out << QStringLiteral("%1:%2").arg(f.number).arg(FindingKindWord(f.kind));
    return out;
}
}

class TestChannelChecks : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgramDir> env;

private slots:
    void init() { env = std::make_unique<TestProgramDir>(); }
    void cleanup() { env.reset(); }

    void defaultImagesAreClean()
    {
        for (int band = 0; band <= 2; ++band) {
            newDocument(band);
            for (int region = 1; region <= 3; ++region)
                QVERIFY2(found(band, region).isEmpty(),
                         qPrintable(QStringLiteral("band %1 region %2: %3").arg(band).arg(region).arg(found(band, region).join(' '))));
        }
    }

    void plantedMistakesAreFoundAtTheirChannels()
    {
        newDocument(2);
        put(2, "29.1");
        put(3, "29.1");                       // the same channel again: duplicate
        put(41, "29.15");
        put(42, "29.15", 1).RDCT = 8;         // same frequency, AM and a tone: conflict
        put(5, "28.5");                       // FM among the narrow modes of Regions 1 and 2
        put(6, "28.03", 1);                   // AM in the CW segment everywhere
        put(7, "29.64");                      // simplex on a repeater output
        ChannelRecord &rep = put(8, "29.65"); // a repeater channel with the usual shift: fine
        rep.DUP = 2;
        rep.OffSetFre = 100;
        ChannelRecord &up = put(9, "29.3");   // shifted up onto the satellite segment
        up.DUP = 1;
        up.OffSetFre = 100;
        ChannelRecord &out = put(10, "29.66"); // shifted up out of the band
        out.DUP = 1;
        out.OffSetFre = 100;
        QCOMPARE(found(2, 1), (QStringList{"3:duplicate", "5:band-plan", "6:band-plan", "7:repeater-offset",
                                           "9:band-plan", "10:repeater-offset", "10:band-plan", "42:conflict"}));
        QCOMPARE(found(2, 3), (QStringList{"3:duplicate", "6:band-plan", "7:repeater-offset", "9:band-plan",
                                           "10:repeater-offset", "10:band-plan", "42:conflict"}));
        const QList<ChannelFinding> all = CheckChannels(Image(), 2, 1);
        QCOMPARE(all.at(0).reason, QStringLiteral("frequency 29.10000 is stored twice: also in A-2"));
        QCOMPARE(all.at(1).reason, QStringLiteral("transmits FM on 28.500 MHz, in the 28.225-29.000 MHz narrow all "
                                                  "modes segment of the IARU Region 1 band plan, which is not for FM"));
        QCOMPARE(all.last().reason, QStringLiteral("frequency 29.15000 is also in B-1, with a different Mode, RxTone"));
        // A placeholder channel of a new document moved off its frequency is checked.
        Image().channel(402)->AM_FM = 1;
        QVERIFY(found(2, 3).contains(QStringLiteral("402:band-plan")));
    }

    void cbModesFollowTheCountryPlans()
    {
        newDocument(0);
        Image().channel(GroupStart(1, 0) + 1)->AM_FM = 1;          // CE 1 in AM
        Image().channel(GroupStart(kCbGroupDe, 0) + 41)->AM_FM = 1; // DE 41 in AM
        Image().channel(GroupStart(kCbGroupDe, 0) + 40)->AM_FM = 1; // DE 40 may be AM
        const QList<ChannelFinding> f = CheckChannels(Image(), 0, 1);
        QCOMPARE(f.size(), 2);
        QCOMPARE(f.at(0).reason, QStringLiteral("AM is not allowed on CE 1: the CE plan is FM only"));
        QCOMPARE(f.at(1).number, GroupStart(kCbGroupDe, 0) + 41);
    }

    void regionComesFromTheSettingElseTheLocale()
    {
        QCOMPARE(RegionOfTerritory(int(QLocale::UnitedStates)), 2);
        QCOMPARE(RegionOfTerritory(int(QLocale::China)), 3);
        QCOMPARE(RegionOfTerritory(int(QLocale::Germany)), 1);
        QCOMPARE(RegionOfTerritory(int(QLocale::AnyTerritory)), 1);
        Run().localeOverride = QStringLiteral("en_AU");
        QCOMPARE(BandPlanRegion(), 3);
        WriteBandPlanRegion(2);
        QCOMPARE(BandPlanRegion(), 2);
        // Every plan covers the band without gaps.
        for (int region = 1; region <= 3; ++region) {
            const QList<BandSegment> &s = BandSegments(region);
            QCOMPARE(s.first().lowKhz, 28000);
            QCOMPARE(s.last().highKhz, 29700);
            for (int i = 1; i < s.size(); ++i)
                QCOMPARE(s.at(i).lowKhz, s.at(i - 1).highKhz);
        }
    }
};

QTEST_GUILESS_MAIN(TestChannelChecks)
#include "tst_channelchecks.moc"
