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
        const QByteArray mapped = StoredDiff::MappedBits();
        for (int band = 0; band <= 2; ++band) {
            for (const RadioImage &img : {fullImage(band), Image()}) {
                RadioImage copy = img;
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
        const QByteArray mapped = StoredDiff::MappedBits();
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
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("bits");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("setting");
        QTest::newRow("frequency") << 0x00B0 << 0x01 << CompareWords::ChannelPlace(12, 0) << LangText(15002);
        QTest::newRow("power") << 0x00BB << 0x20 << CompareWords::ChannelPlace(12, 0) << LangText(15014);
        QTest::newRow("in use") << 0x1900 << 0x02 << CompareWords::ChannelPlace(2, 0) << LangText(30124);
        QTest::newRow("scan") << 0x1941 << 0x01 << CompareWords::ChannelPlace(9, 0) << LangText(15008);
        QTest::newRow("MEM channel") << 0x1998 << 0x01 << QStringLiteral("Channel 403 (MEM 2)") << LangText(15020);
        QTest::newRow("option 8") << 0x1A45 << 0x80 << LangText(16000) << LangText(16008);
        QTest::newRow("option 9") << 0x1A45 << 0x01 << LangText(16000) << LangText(16009);
        QTest::newRow("common public") << 0x1A3B << 0x80 << LangText(16101) << LangText(15005);
        QTest::newRow("key") << 0x1A88 << 0x01 << LangText(25008) + QStringLiteral(" 2") << QStringLiteral("P3");
        QTest::newRow("tone tip") << toneTipAddress(2) << 0x01 << LangText(29001) + QStringLiteral(" 2") << LangText(29002);
        QTest::newRow("DTMF code") << 0x1C30 << 0x01 << QStringLiteral("DTMF code 4") << QString();
        QTest::newRow("DTMF setting") << 0x1A4F << 0x01 << LangText(18000) << LangText(18007);
    }
    void placesInTheUsersWords()
    {
        QFETCH(int, address);
        QFETCH(int, bits);
        QFETCH(QString, place);
        QFETCH(QString, setting);
        QByteArray sent(kTransferBytes, '\0'), stored = sent;
        stored[address] = char(bits);
        const QList<Difference> found = StoredDiff::Differences(sent, stored, 0);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first().place, place);
        QCOMPARE(found.first().setting, setting);
        QVERIFY(found.first().text().contains(QStringLiteral("[%1]").arg(address, 4, 16, QLatin1Char('0')).toUpper()));
    }

    void blocksAreNamedByWhatTheyHold()
    {
        QCOMPARE(StoredDiff::BlockPlace(0x00B0, 0), CompareWords::ChannelPlace(12, 0));
        QCOMPARE(StoredDiff::BlockPlace(0x1940, 0), CompareWords::ChannelPlace(400, 0));
        QCOMPARE(StoredDiff::BlockPlace(0x1B00, 0), LangText(29001) + QStringLiteral(" 1"));
        QCOMPARE(StoredDiff::BlockPlace(0x1C30, 0), QStringLiteral("DTMF code 4"));
    }

private:
    std::unique_ptr<TestProgramDir> env;
};

QTEST_GUILESS_MAIN(TestStoredDiff)
#include "tst_storeddiff.moc"
