// What the radio stored against what was sent: every bit a packed image can hold is
// named, each named bit that differs is reported by channel or setting, and bits the
// layout does not use are never reported.
#include "CompareWords.h"
#include "LangText.h"
#include "LinkState.h"
#include "MemoryLayout.h"
#include "Models.h"
#include "MemoryMap.h"
#include "NewImage.h"
#include "RadioImage.h"
#include "ReadImage.h"
#include "RunSettings.h"
#include "StoredDiff.h"
#include "TestProgramDir.h"

#include <QtTest>

#include <memory>

namespace {
// An image with every field at the top of what its bits hold, every channel present.
RadioImage fullImage(int band)
{
    RadioImage img = Image();
    img.header.channelCount = 0;
    img.header.model.bandMode = int16_t(band);
    for (int n = 1; n <= kLastMemChannel; ++n) {
        img.addChannel(n, QStringLiteral("29.99999"));
        ChannelRecord &c = img.at(img.count() - 1);
        for (const MemoryLayout::ChannelField &f : MemoryLayout::kChannelFields)
            c.*f.field = int16_t(f.bits == 16 ? -1 : (1 << f.bits) - 1);
        c.RDCT = int16_t(n % 2 ? 38 : MemoryLayout::kMaxToneIndex);
        c.TDCT = int16_t(n % 2 ? MemoryLayout::kMaxToneIndex : 38);
    }
    img.header.common = img.at(0);
    OptionBlock &o = img.header.options;
    for (const MemoryLayout::OptionField &f : MemoryLayout::kOptionFields)
        *o.option(f.option) = int16_t((1 << f.readBits) - 1);   // option 1: only bit 0 comes back
    o.currentMemSlot = 255;
    for (int g = 0; g < kGroupFlags; ++g) {
        o.groupEnabled[g] = 1;
        o.groupCurrent[g] = o.groupValueA[g] = o.groupValueB[g] = 255;
        o.groupModA[g] = o.groupModB[g] = 255;
    }
    img.header.keys.KeyModeSet = 255;
    img.header.keys.KeyFunc.fill(255);
    for (int i = 0; i < 6; ++i)
        *img.header.dtmf.setting(i) = 255;
    for (DtmfCode &code : img.header.dtmf.codes) {
        code.setDigits(QStringLiteral("0123456789ABCD*#"));
        code.length = kDtmfDigits;
    }
    for (ToneTip &tip : img.header.tips) {
        tip.LoopCount = tip.LoopInterval = 255;
        for (ToneStep &s : tip.steps)
            s.ToneFreq = s.ToneLen = 255;
    }
    return img;
}
} // namespace

class TestStoredDiff : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        env = std::make_unique<TestProgramDir>(false);
        SetCurrentBand(0);
        BuildNewImage();
    }
    void cleanupTestCase() { env.reset(); }

    void everyBitAPackedImageHoldsIsNamed()
    {
        for (int band = 0; band <= 2; ++band) {
            const QByteArray mapped = StoredDiff::MappedBits(band);
            for (const RadioImage &img : {fullImage(band), Image()}) {
                RadioImage copy = ComparableWithRead(img, band);   // without what the band lacks (CB 361..401)
                QByteArray packed(kTransferBytes, '\0');
                PackImageInto(copy, packed);
                for (int a = 0; a < kTransferBytes; ++a) {
                    const uint8_t loose = uint8_t(packed.at(a)) & uint8_t(~uint8_t(mapped.at(a)));
                    QVERIFY2(loose == 0, qPrintable(QStringLiteral("band %1: byte %2 holds unnamed bits %3")
                                                        .arg(band).arg(a, 4, 16).arg(loose, 2, 16)));
                }
            }
        }
    }

    void eachNamedBitIsReportedAndNothingElse()
    {
        const QByteArray mapped = StoredDiff::MappedBits(0);
        const QByteArray sent(kTransferBytes, char(0x5A));
        for (int a = 0; a < kTransferBytes; ++a) {
            const uint8_t m = uint8_t(mapped.at(a));
            QByteArray stored = sent;
            stored[a] = char(uint8_t(sent.at(a)) ^ uint8_t(~m));
            QVERIFY2(StoredDiff::Differences(sent, stored, 0).isEmpty(), qPrintable(QString::number(a, 16)));
            if (!m)
                continue;
            for (int bit = 0; bit < 8; ++bit) {
                if (!(m & (1 << bit)))
                    continue;
                stored[a] = char(uint8_t(sent.at(a)) ^ (1 << bit));
                const QList<Difference> found = StoredDiff::Differences(sent, stored, 0);
                QVERIFY2(found.size() == 1 && !found.first().place.isEmpty(),
                         qPrintable(QStringLiteral("address %1 bit %2").arg(a, 4, 16).arg(bit)));
            }
        }
    }

    void placesInTheUsersWords_data()
    {
        using namespace MemoryLayout;
        QTest::addColumn<int>("band");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("bits");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("setting");
        QTest::newRow("frequency") << 0 << 0x00B0 << 0x01 << QStringLiteral("Channel 12 (EU 12)") << LangText(15002);
        QTest::newRow("power") << 0 << 0x00BB << 0x20 << QStringLiteral("Channel 12 (EU 12)") << LangText(15014);
        QTest::newRow("in use") << 0 << 0x1900 << 0x02 << QStringLiteral("Channel 2 (EU 2)") << LangText(30124);
        QTest::newRow("scan") << 0 << 0x1941 << 0x01 << QStringLiteral("Channel 9 (EU 9)") << LangText(15008);
        QTest::newRow("MEM channel") << 0 << 0x1998 << 0x01 << QStringLiteral("Channel 403 (MEM 2)") << LangText(15020);
        // Banks and MEM channels of HF and HAM as the grid and the channel table name them.
        QTest::newRow("HF bank") << 1 << 0x0040 << 0x01 << QStringLiteral("Channel 5 (A-5)") << LangText(15002);
        QTest::newRow("HAM bank J") << 2 << 0x18F0 << 0x01 << QStringLiteral("Channel 400 (J-40)") << LangText(15002);
        QTest::newRow("HF MEM channel") << 1 << 0x1998 << 0x01 << QStringLiteral("Channel 403 (MEM 2)") << LangText(15020);
        QTest::newRow("HAM MEM in use") << 2 << 0x1A1C << 0x01 << QStringLiteral("Channel 402 (MEM 1)") << LangText(30124);
        QTest::newRow("option 8") << 0 << 0x1A45 << 0x80 << LangText(16000) << LangText(16008);
        QTest::newRow("option 9") << 0 << 0x1A45 << 0x01 << LangText(16000) << LangText(16009);
        QTest::newRow("common public") << 0 << 0x1A3B << 0x80 << LangText(16101) << LangText(15005);
        QTest::newRow("key") << 0 << 0x1A88 << 0x01 << LangText(25008) + QStringLiteral(" 2") << QStringLiteral("P3");
        QTest::newRow("tone tip") << 0 << toneTipAddress(2) << 0x01 << LangText(29001) + QStringLiteral(" 2") << LangText(29002);
        QTest::newRow("DTMF code") << 0 << 0x1C30 << 0x01 << QStringLiteral("DTMF code 4") << QString();
        QTest::newRow("DTMF code present") << 0 << 0x1A19 << 0x08 << QStringLiteral("DTMF code 4") << LangText(30124);
        QTest::newRow("DTMF setting") << 0 << 0x1A4F << 0x01 << LangText(18000) << LangText(18007);
    }
    void placesInTheUsersWords()
    {
        QFETCH(int, band);
        QFETCH(int, address);
        QFETCH(int, bits);
        QFETCH(QString, place);
        QFETCH(QString, setting);
        QByteArray sent(kTransferBytes, '\0'), stored = sent;
        stored[address] = char(bits);
        const QList<Difference> found = StoredDiff::Differences(sent, stored, band);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first().place, place);
        QCOMPARE(found.first().setting, setting);
        QVERIFY(found.first().text().contains(QStringLiteral("[%1]").arg(address, 4, 16, QLatin1Char('0')).toUpper()));
    }

    // The CB band has no channels 361..401: what their bytes hold in the radio is no
    // fault of a write, in the band's channel data, presence or scan bits.
    void channelsTheBandLacksAreNotReported()
    {
        const int channel370 = (370 - 1) * 16, presence370 = 0x1900 + (370 - 1) / 8, scan370 = 0x1940 + (370 - 1) / 8;
        for (int address : {channel370, channel370 + 11, presence370, scan370, 0x1900 + 400 / 8 - 1}) {
            QByteArray sent(kTransferBytes, '\0'), stored = sent;
            stored[address] = char(0xFF);
            for (const Difference &d : StoredDiff::Differences(sent, stored, 0))
                QVERIFY2(!d.place.contains(QStringLiteral("Channel 3")) && !d.place.contains(QStringLiteral("Channel 4")),
                         qPrintable(d.text()));
            QVERIFY(!StoredDiff::Differences(sent, stored, 1).isEmpty());
        }
        QVERIFY(!StoredDiff::Differences(QByteArray(kTransferBytes, '\0'),
                                         QByteArray(kTransferBytes, '\0').replace(channel370, 1, "\xFF"), 1).isEmpty());
    }

    void blocksAreNamedByWhatTheyHold()
    {
        QCOMPARE(StoredDiff::BlockPlace(0x00B0, 0), CompareWords::ChannelPlace(12, 0));
        QCOMPARE(StoredDiff::BlockPlace(0x1940, 0), QStringLiteral("Channel 360 (IN 40)"));
        QCOMPARE(StoredDiff::BlockPlace(0x1700, 0), QStringLiteral("Channel 360 (IN 40)"));
        QCOMPARE(StoredDiff::BlockPlace(0x1700, 2), QStringLiteral("Channel 369 (J-9)"));
        QCOMPARE(StoredDiff::BlockPlace(0x1B00, 0), LangText(29001) + QStringLiteral(" 1"));
        QCOMPARE(StoredDiff::BlockPlace(0x1C30, 0), QStringLiteral("DTMF code 4"));
    }

private:
    std::unique_ptr<TestProgramDir> env;
};

QTEST_GUILESS_MAIN(TestStoredDiff)
#include "tst_storeddiff.moc"
