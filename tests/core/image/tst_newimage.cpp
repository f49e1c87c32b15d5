// The image of a new document: built-in defaults, the default images of the Init
// directory, and the country channel plans they carry.
#include "ChannelGroup.h"
#include "DataFile.h"
#include "FreqCodec.h"
#include "ImageCompare.h"
#include "Models.h"
#include "NewImage.h"
#include "RadioImage.h"
#include "RadioInfo.h"
#include "RunSettings.h"
#include "TestProgramDir.h"

#include <QDate>
#include <QFile>
#include <QtTest>

class TestNewImage : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { env.reset(); }

    void builtInDefaults_data()
    {
        QTest::addColumn<int>("band");
        QTest::addColumn<QString>("middle");
        QTest::newRow("CB") << 0 << QStringLiteral("02718500");
        QTest::newRow("HF") << 1 << QStringLiteral("02786000");
        QTest::newRow("HAM") << 2 << QStringLiteral("02885000");
    }
    void builtInDefaults()
    {
        QFETCH(int, band);
        QFETCH(QString, middle);
        env = std::make_unique<TestProgramDir>(false);
        SetCurrentBand(band);
        BuildNewImage();
        const RadioImage &img = Image();
        QCOMPARE(img.count(), 10);
        QCOMPARE(img.channel(1)->freqText(), middle);
        QCOMPARE(img.channel(401)->freqText(), middle);
        const QStringList mem{"02801500", "02814500", "02811500", "02808500", "02805500", "02802500", "02807500", "02800500"};
        for (int i = 0; i < 8; ++i)
            QCOMPARE(img.channel(402 + i)->freqText(), mem.at(i));
        const ChannelRecord &c = *img.channel(1);
        QCOMPARE(c.Scan, int16_t(1));
        QCOMPARE(c.OffSetFre, int16_t(100));
        QCOMPARE(c.NB, int16_t(1));
        QCOMPARE(c.Public, int16_t(1));
        QCOMPARE(c.AM_FM, int16_t(0));
        const ImageHeader &h = img.header;
        QCOMPARE(h.model.bandMode, int16_t(band));
        QCOMPARE(h.model.nameText(), QStringLiteral("TARVEN2"));
        QCOMPARE(h.model.versionText(), QStringLiteral("V100"));
        QCOMPARE(h.keys.KeyModeSet, int16_t(3));
        QCOMPARE(h.keys.KeyFunc[0], int16_t(1));
        QCOMPARE(h.keys.KeyFunc[17], int16_t(18));
        QCOMPARE(h.options.currentMemSlot, int16_t(1));
        QCOMPARE(h.options.groupEnabled[0], int16_t(1));
        QCOMPARE(h.options.TOT, int16_t(4));
        QCOMPARE(h.options.MaxSWR, int16_t(160));
        QCOMPARE(h.common.OffSetFre, int16_t(5));
        QCOMPARE(h.common.Public, int16_t(0));
        QCOMPARE(h.common.NB, int16_t(0));
        QCOMPARE(h.dtmf.DtmfRate, int16_t(10));
        QCOMPARE(h.dtmf.FirstDigitDelay, int16_t(2));
        QCOMPARE(h.dtmf.DtmfDisplay, int16_t(1));
        QCOMPARE(h.dtmf.codes[0].digitsText(), QString(16, QLatin1Char(' ')));
        QCOMPARE(h.tips[0].steps[0].ToneFreq, int16_t(210));
        QCOMPARE(h.tips[0].steps[1].ToneFreq, int16_t(0));
        QCOMPARE(h.tips[0].steps[6].ToneLen, int16_t(10));
        QCOMPARE(h.tips[0].steps[7].ToneLen, int16_t(0));
        QCOMPARE(h.tips[1].steps[13].ToneLen, int16_t(4));
        QCOMPARE(h.tips[3].steps[4].ToneFreq, int16_t(192));
        QCOMPARE(h.tips[4].steps[5].ToneLen, int16_t(20));
        QCOMPARE(h.tips[5].LoopCount, int16_t(0));
        QCOMPARE(CurrentRadioInfo().customerCode, QStringLiteral("001A"));
        QCOMPARE(CurrentRadioInfo().versionInfo, QStringLiteral("V1.00"));
        QCOMPARE(CurrentRadioInfo().batchNumber, QDate::currentDate().toString(QStringLiteral("MM")) + QStringLiteral("-1-E-1"));
        QVERIFY(!IsModified());
        QVERIFY(Doc().Untitled);
        QCOMPARE(Doc().DocumentPath, QStringLiteral("new.dat"));
    }

    // The shipped CB images hold every country plan; UK channels are stored 125 Hz low
    // and shown with the UK rule; the U group is AM; undefined channels are empty rows.
    void cbDefaultImageHoldsTheCountryPlans()
    {
        env = std::make_unique<TestProgramDir>();
        for (bool factory : {false, true}) {
            SetCurrentBand(0);
            Doc().FactoryInitRequest = factory;
            BuildNewImage();
            const RadioImage &img = Image();
            QCOMPARE(ChannelsInGroup(img, 0, 0), 40);
            QCOMPARE(ChannelsInGroup(img, 5, 0), 34);
            QCOMPARE(ChannelsInGroup(img, 6, 0), 80);
            QCOMPARE(ChannelsInGroup(img, 7, 0), 27);
            QCOMPARE(ChannelsInGroup(img, kCbMemGroup, 0), 8);
            QCOMPARE(FreqDisplayText(img.channel(23)->freqText(), 0, 0), QStringLiteral("27.25500"));
            QCOMPARE(FreqDisplayText(img.channel(24)->freqText(), 0, 0), QStringLiteral("27.23500"));
            QCOMPARE(img.channel(121)->freqText(), QStringLiteral("02760000"));
            QCOMPARE(FreqDisplayText(img.channel(121)->freqText(), kCbGroupUk, 0), QStringLiteral("27.60125"));
            QCOMPARE(FreqDisplayText(img.channel(160)->freqText(), kCbGroupUk, 0), QStringLiteral("27.99125"));
            QCOMPARE(FreqDisplayText(img.channel(161)->freqText(), 4, 0), QStringLiteral("26.96000"));
            QCOMPARE(FreqDisplayText(img.channel(281)->freqText(), 6, 0), QStringLiteral("26.56500"));
            QCOMPARE(img.channel(81)->AM_FM, int16_t(1));
            QCOMPARE(img.channel(1)->AM_FM, int16_t(0));
            QVERIFY(!img.channel(235));
            QVERIFY(img.channel(401));
            QVERIFY(!IsModified());
        }
    }

    // With only the CB factory image present, a factory new document of another band
    // takes its settings, keeps its own band and has no channels.
    void factoryImageOfAnotherBandGivesSettingsOnly()
    {
        env = std::make_unique<TestProgramDir>();
        for (const QString &name : QDir(env->path(QStringLiteral("Init"))).entryList(QDir::Files)) {
            if (name != QLatin1String("TARVEN2_0.dat"))
                QFile::remove(env->path(QStringLiteral("Init/") + name));
        }
        SetCurrentBand(1);
        Doc().FactoryInitRequest = true;
        BuildNewImage();
        QCOMPARE(Image().count(), 0);
        QCOMPARE(Image().header.model.bandMode, int16_t(1));
        QCOMPARE(Run().BandMode, 1);
        QVERIFY(!IsModified());

        // Without the ordinary image the CB factory settings serve too; only when that is
        // gone as well do the built-in defaults stay.
        Doc().FactoryInitRequest = false;
        BuildNewImage();
        QCOMPARE(Image().count(), 0);
        QFile::remove(env->path(QStringLiteral("Init/TARVEN2_0.dat")));
        BuildNewImage();
        QCOMPARE(Image().count(), 10);
    }

    void unreadableDefaultImageKeepsTheBuiltInDefaults()
    {
        env = std::make_unique<TestProgramDir>();
        QFile f(env->path(QStringLiteral("Init/TARVEN2_2_NEW.dat")));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("short");
        f.close();
        SetCurrentBand(2);
        Doc().FactoryInitRequest = false;
        BuildNewImage();
        QCOMPARE(Image().count(), 10);
        QVERIFY(!IsModified());
    }

private:
    std::unique_ptr<TestProgramDir> env;
};

QTEST_GUILESS_MAIN(TestNewImage)
#include "tst_newimage.moc"
