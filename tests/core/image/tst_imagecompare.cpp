// Change detection: one changed field in each compared area reports a change; the
// fields the comparison leaves out do not.
#include "ImageCompare.h"
#include "Models.h"
#include "NewImage.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "TestProgramDir.h"

#include <QtTest>
#include <functional>

using Mutation = std::function<void(RadioImage &)>;
Q_DECLARE_METATYPE(Mutation)

class TestImageCompare : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        env = std::make_unique<TestProgramDir>(false);   // built-in defaults only
        SetCurrentBand(1);
        BuildNewImage();
        base = Image();
        QVERIFY(base.count() > 2);
        // A copy is unmodified; the reserved Integers are not compared; a field is.
        RadioImage copy = base;
        QVERIFY(!IsModified(copy, base));
        copy.at(2).reserved[0] = 7;
        QVERIFY(!IsModified(copy, base));
        copy.at(2).TSQ = int16_t(1 - base.at(2).TSQ);
        QVERIFY(IsModified(copy, base));
    }
    void cleanupTestCase() { env.reset(); }

    void detects_data()
    {
        QTest::addColumn<Mutation>("change");
        QTest::addColumn<bool>("modified");
        // Compared, one field per area.
        QTest::newRow("model name") << Mutation([](RadioImage &i) { i.header.model.name[6] = 'X'; }) << true;
        QTest::newRow("band mode") << Mutation([](RadioImage &i) { i.header.model.bandMode = 2; }) << true;
        QTest::newRow("channel count") << Mutation([](RadioImage &i) { i.addChannel(80, QStringLiteral("28")); }) << true;
        QTest::newRow("channel frequency") << Mutation([](RadioImage &i) { i.at(0).setFreqText(QStringLiteral("02800000")); }) << true;
        QTest::newRow("channel number") << Mutation([](RadioImage &i) { i.at(0).number = 7; }) << true;
        QTest::newRow("channel empty flag") << Mutation([](RadioImage &i) { i.at(0).emptyFlag = 1; }) << true;
        QTest::newRow("channel scan") << Mutation([](RadioImage &i) { i.at(0).Scan = 0; }) << true;
        QTest::newRow("channel TSQ") << Mutation([](RadioImage &i) { i.at(9).TSQ = 1; }) << true;
        QTest::newRow("channel RX tone") << Mutation([](RadioImage &i) { i.at(1).RDCT = 5; }) << true;
        QTest::newRow("key function") << Mutation([](RadioImage &i) { i.header.keys.KeyFunc[17] = 1; }) << true;
        QTest::newRow("key mode set") << Mutation([](RadioImage &i) { i.header.keys.KeyModeSet = 0; }) << true;
        QTest::newRow("current group") << Mutation([](RadioImage &i) { i.header.options.currentGroup = 3; }) << true;
        QTest::newRow("option MaxSWR") << Mutation([](RadioImage &i) { i.header.options.MaxSWR = 70; }) << true;
        QTest::newRow("group current") << Mutation([](RadioImage &i) { i.header.options.groupCurrent[9] = 2; }) << true;
        QTest::newRow("group value B") << Mutation([](RadioImage &i) { i.header.options.groupValueB[0] = 2; }) << true;
        QTest::newRow("group modulation B") << Mutation([](RadioImage &i) { i.header.options.groupModB[9] = 1; }) << true;
        QTest::newRow("common offset") << Mutation([](RadioImage &i) { i.header.common.OffSetFre = 10; }) << true;
        QTest::newRow("common TX tone") << Mutation([](RadioImage &i) { i.header.common.TDCT = 3; }) << true;
        QTest::newRow("common DTMF call") << Mutation([](RadioImage &i) { i.header.common.DTMF_Call = 2; }) << true;
        QTest::newRow("DTMF display") << Mutation([](RadioImage &i) { i.header.dtmf.DtmfDisplay = 0; }) << true;
        QTest::newRow("DTMF code digits") << Mutation([](RadioImage &i) { i.header.dtmf.codes[15].setDigits(QStringLiteral("1")); }) << true;
        QTest::newRow("DTMF code length") << Mutation([](RadioImage &i) { i.header.dtmf.codes[3].length = 2; }) << true;
        QTest::newRow("tone tip loops") << Mutation([](RadioImage &i) { i.header.tips[7].LoopCount = 1; }) << true;
        QTest::newRow("tone tip step") << Mutation([](RadioImage &i) { i.header.tips[0].steps[13].ToneLen = 1; }) << true;

        // Left out of the comparison.
        QTest::newRow("channel reserved") << Mutation([](RadioImage &i) { i.at(0).reserved[3] = 9; }) << false;
        QTest::newRow("format version") << Mutation([](RadioImage &i) { i.header.model.setVersion(QStringLiteral("V102")); }) << false;
        QTest::newRow("option reserved") << Mutation([](RadioImage &i) { i.header.options.reserved[0] = 1; }) << false;
        QTest::newRow("common public") << Mutation([](RadioImage &i) { i.header.common.Public = 1; }) << false;
        QTest::newRow("common scan") << Mutation([](RadioImage &i) { i.header.common.Scan = 1; }) << false;
        QTest::newRow("common RX tone") << Mutation([](RadioImage &i) { i.header.common.RDCT = 4; }) << false;
        QTest::newRow("common TSQ") << Mutation([](RadioImage &i) { i.header.common.TSQ = 1; }) << false;
        QTest::newRow("DTMF reserved") << Mutation([](RadioImage &i) { i.header.dtmf.reserved[2] = 4; }) << false;
        QTest::newRow("slot beyond count") << Mutation([](RadioImage &i) { i.records[400].number = 5; }) << false;
        QTest::newRow("channel order") << Mutation([](RadioImage &i) { std::swap(i.records[0], i.records[1]); }) << false;
    }

    void detects()
    {
        QFETCH(Mutation, change);
        QFETCH(bool, modified);
        RadioImage working = base;
        change(working);
        QCOMPARE(IsModified(working, base), modified);
    }

    void frequencyCutAtNul()
    {
        RadioImage working = base;
        RadioImage saved = base;
        working.at(0).setFreqText(QStringLiteral("0280"));
        working.at(0).freq[4] = '\0';
        saved.at(0).setFreqText(QStringLiteral("0280"));
        saved.at(0).freq[5] = 'Z';
        saved.at(0).freq[4] = '\0';
        QVERIFY(!IsModified(working, saved));
    }

    // The saved copy follows a save, and loading it back gives the same derived values.
    void saveAndLoadSavedCopy()
    {
        Image() = base;
        Image().header.options.Beep = 1;
        QVERIFY(IsModified());
        SaveToSavedCopy();
        QVERIFY(!IsModified());
        Saved().header.model.bandMode = 2;
        QVERIFY(LoadFromSavedCopy());
        QCOMPARE(Run().BandMode, 2);
        QCOMPARE(Run().bandLow, 28.0);
        QCOMPARE(Run().bandHigh, 29.7);
        Saved().header.model.bandMode = 7;
        const QByteArray before = Image().toBytes();
        QVERIFY(!LoadFromSavedCopy());
        QCOMPARE(Image().toBytes(), before);
        QCOMPARE(Run().BandMode, 2);
    }

private:
    std::unique_ptr<TestProgramDir> env;
    RadioImage base;
};

QTEST_GUILESS_MAIN(TestImageCompare)
#include "tst_imagecompare.moc"
