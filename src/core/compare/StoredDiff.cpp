#include "StoredDiff.h"

#include "CompareWords.h"
#include "MemoryLayout.h"
#include "RadioImage.h"
#include "ReadImage.h"

#include <QSet>
#include <cstring>

using namespace MemoryLayout;
using CompareWords::ChannelSetting;

namespace StoredDiff {

namespace {

uint8_t mask(int shift, int bits)
{
    return uint8_t(((1u << bits) - 1u) << shift);
}

// The channel settings of the layout's field table, by their field names.
ChannelSetting settingOfField(const char *name)
{
    static const struct {
        const char *name;
        ChannelSetting setting;
    } kNames[] = {
        {"OffSetFre", ChannelSetting::Offset}, {"DUP", ChannelSetting::Duplex},
        {"TSQ", ChannelSetting::ToneSquelch}, {"BUSY", ChannelSetting::BusyLock},
        {"HI_CUT", ChannelSetting::HiCut}, {"NB", ChannelSetting::NoiseBlanker},
        {"Add_Sub_5K", ChannelSetting::Shift5k}, {"AM_FM", ChannelSetting::Modulation},
        {"Tx_Power", ChannelSetting::Power}, {"Public", ChannelSetting::Public},
        {"RBTone", ChannelSetting::RogerBeep}, {"DTMF_BOT", ChannelSetting::DtmfBot},
        {"DTMF_EOT", ChannelSetting::DtmfEot}, {"DTMF_Call", ChannelSetting::DtmfCall},
    };
    for (const auto &n : kNames) {
        if (std::strcmp(n.name, name) == 0)
            return n.setting;
    }
    return ChannelSetting::Offset;
}

Place channelPlace(uint8_t bits, const QString &keyBase, const QString &place, ChannelSetting s)
{
    return {bits, keyBase + CompareWords::SettingKey(s), place, CompareWords::SettingLabel(s)};
}

// Byte `b` (0..15) of a channel's 16 bytes. The common channel does not use bytes 0..2.
QList<Place> channelByte(int b, const QString &keyBase, const QString &place, bool common)
{
    QList<Place> out;
    if (b < kFreqBytes) {
        if (!common)
            out << channelPlace(0xFF, keyBase, place, ChannelSetting::Frequency);
        return out;
    }
    if (b == kRxCtcss || b == kRxDcs)
        out << channelPlace(0xFF, keyBase, place, ChannelSetting::RxTone);
    if (b == kTxCtcss || b == kTxDcs)
        out << channelPlace(0xFF, keyBase, place, ChannelSetting::TxTone);
    if (b == kToneByte) {
        out << channelPlace(mask(kRxToneKindShift, 2), keyBase, place, ChannelSetting::RxTone);
        out << channelPlace(mask(kTxToneKindShift, 2), keyBase, place, ChannelSetting::TxTone);
    }
    for (const ChannelField &f : kChannelFields) {
        if (f.bits == 16) {
            if (b == f.byte || b == f.byte + 1)
                out << channelPlace(0xFF, keyBase, place, settingOfField(f.name));
        } else if (b == f.byte) {
            out << channelPlace(mask(f.shift, f.bits), keyBase, place, settingOfField(f.name));
        }
    }
    return out;
}

QList<Place> channelAt(int number, int b, int band)
{
    if (!ReadBringsChannel(number, band))
        return {};   // a channel the band does not have (CB 361..401) means nothing there
    return channelByte(b, QStringLiteral("channel/%1/").arg(number), CompareWords::ChannelPlace(number, band), false);
}

// One bit per channel, from `base`; bit i stands for channel first + i.
QList<Place> channelBits(int address, int base, int first, int last, ChannelSetting s, int band)
{
    QList<Place> out;
    for (int bit = 0; bit < 8; ++bit) {
        const int n = first + (address - base) * 8 + bit;
        if (n <= last && ReadBringsChannel(n, band))
            out << channelPlace(uint8_t(1u << bit), QStringLiteral("channel/%1/").arg(n),
                                CompareWords::ChannelPlace(n, band), s);
    }
    return out;
}

Place option(uint8_t bits, const QString &key, const QString &setting)
{
    return {bits, key, CompareWords::OptionsPlace(), setting};
}

QList<Place> groupRow(int address, int row, const char *key, int labelId, const char *fallback, int band)
{
    const int g = address - row;
    return {{0xFF, QStringLiteral("group/%1/%2").arg(g).arg(QLatin1String(key)), CompareWords::GroupPlace(g, band),
             CompareWords::Text(labelId, fallback)}};
}

QList<Place> toneTipByte(int address)
{
    const int offset = address - kToneTipArea;
    const int inRow = offset % kToneTipRow;
    if (inRow >= 2 * kToneTipBytes)
        return {};
    const int t = (offset / kToneTipRow) * 2 + inRow / kToneTipBytes + 1;
    const int b = inRow % kToneTipBytes;
    const QString key = QStringLiteral("tip/%1/").arg(t);
    const QString place = CompareWords::ToneTipPlace(t);
    if (b == kTipLoopCount)
        return {{0xFF, key + QStringLiteral("loopCount"), place, CompareWords::Text(29002, "repeat count")}};
    if (b == kTipLoopInterval)
        return {{0xFF, key + QStringLiteral("interval"), place, CompareWords::Text(29003, "interval (ms)")}};
    const bool freq = b < kTipLens;
    const int step = freq ? b - kTipFreqs : b - kTipLens;
    const QString stepText = CompareWords::Text(29100 + step, "step") + QLatin1Char(' ');
    return {{0xFF, key + QStringLiteral("step/%1/").arg(step + 1) + (freq ? QStringLiteral("frequency") : QStringLiteral("length")),
             place, stepText + (freq ? CompareWords::Text(29004, "frequency (Hz)") : CompareWords::Text(29005, "length (ms)"))}};
}

QList<Place> settingsAt(int a, int band)
{
    QList<Place> out;
    for (const OptionField &f : kOptionFields) {
        if (f.address == a)
            out << option(mask(f.shift, f.readBits), QStringLiteral("option/%1").arg(f.option),
                          CompareWords::OptionLabel(f.option));
    }
    if (a == kCurrentMemSlot)
        out << option(0xFF, QStringLiteral("option/memSlot"), CompareWords::Text(30127, "selected MEM channel"));
    if (a == kGroupEnabledBits || a == kGroupEnabledBits + 1) {
        for (int bit = 0; bit < 8; ++bit) {
            const int g = (a - kGroupEnabledBits) * 8 + bit;
            if (g < kGroupFlags)
                out << Place{uint8_t(1u << bit), QStringLiteral("group/%1/valid").arg(g), CompareWords::GroupPlace(g, band),
                             CompareWords::Text(14101, "group valid")};
        }
    }
    if (a >= kGroupCurrent && a < kGroupCurrent + kGroupFlags)
        out << groupRow(a, kGroupCurrent, "current", 14052, "current channel", band);
    if (a >= kGroupValueA && a < kGroupValueA + kGroupFlags)
        out << groupRow(a, kGroupValueA, "valueA", 14053, "setting A", band);
    if (a >= kGroupValueB && a < kGroupValueB + kGroupFlags)
        out << groupRow(a, kGroupValueB, "valueB", 14054, "setting B", band);
    if (a >= kGroupModA && a < kGroupModA + kGroupFlags)
        out << groupRow(a, kGroupModA, "modulationA", 14053, "setting A", band);
    if (a >= kGroupModB && a < kGroupModB + kGroupFlags)
        out << groupRow(a, kGroupModB, "modulationB", 14054, "setting B", band);
    if (a >= kCommonChannel && a < kCommonChannel + kRadioChannelBytes)
        out << channelByte(a - kCommonChannel, QStringLiteral("common/"), CompareWords::CommonChannelPlace(), true);
    if (a == kKeyModeSet)
        out << Place{0xFF, QStringLiteral("keys/modes"), CompareWords::Text(25000, "Key assignment"),
                     CompareWords::Text(25007, "available key modes")};
    if (a >= kKeyFuncRow && a < kKeyFuncRow + kKeyFuncs) {
        const int k = a - kKeyFuncRow;
        out << Place{0xFF, QStringLiteral("keys/%1").arg(k), CompareWords::KeyModePlace(k / 6 + 1),
                     QStringLiteral("P%1").arg(k % 6 + 1)};
    }
    if (a >= kDtmfSettings && a < kDtmfSettings + 6) {
        const int i = kDtmfSettingOrder[a - kDtmfSettings];
        out << Place{0xFF, QStringLiteral("dtmf/setting/%1").arg(i), CompareWords::DtmfPlace(),
                     CompareWords::Text(i == 5 ? 18030 : 18005 + i, kDtmfSettingNames[i])};
    }
    if (a == kDtmfPresentBits || a == kDtmfPresentBits + 1) {
        for (int bit = 0; bit < 8; ++bit) {
            const int k = (a - kDtmfPresentBits) * 8 + bit + 1;
            out << Place{uint8_t(1u << bit), QStringLiteral("dtmf/code/%1/inUse").arg(k), CompareWords::DtmfCodePlace(k),
                         CompareWords::SettingLabel(ChannelSetting::InUse)};
        }
    }
    return out;
}

} // namespace

QList<Place> PlacesAt(int a, int band)
{
    if (a < 0 || a >= kMemoryBytes)
        return {};
    if (a < kPresenceBits)
        return channelAt(a / kRadioChannelBytes + 1, a % kRadioChannelBytes, band);
    if (a < kPresenceBits + 50)
        return channelBits(a, kPresenceBits, 1, kMaxMemoryChannel, ChannelSetting::InUse, band);
    if (a >= kScanBits && a < kScanBits + 50)
        return channelBits(a, kScanBits, 1, kMaxMemoryChannel, ChannelSetting::Scan, band);
    if (a >= kMemChannelBase && a < kVfoChannelAddress)
        return channelAt(kFirstMemChannel + (a - kMemChannelBase) / kRadioChannelBytes, a % kRadioChannelBytes, band);
    if (a >= kVfoChannelAddress && a < kVfoChannelAddress + kRadioChannelBytes)
        return channelAt(kVfoChannel, a - kVfoChannelAddress, band);
    if (a == kMemPresenceBits)
        return channelBits(a, kMemPresenceBits, kFirstMemChannel, kLastMemChannel, ChannelSetting::InUse, band);
    if (a == kMemScanBits)
        return channelBits(a, kMemScanBits, kFirstMemChannel, kLastMemChannel, ChannelSetting::Scan, band);
    if (a >= kToneTipArea && a < kDtmfCodeArea)
        return toneTipByte(a);
    if (a >= kDtmfCodeArea) {
        const int k = (a - kDtmfCodeArea) / kDtmfCodeBytes + 1;
        return {{0xFF, QStringLiteral("dtmf/code/%1").arg(k), CompareWords::DtmfCodePlace(k), QString()}};
    }
    return settingsAt(a, band);
}

QByteArray MappedBits(int band)
{
    QByteArray bits(kMemoryBytes, '\0');
    for (int a = 0; a < kMemoryBytes; ++a) {
        uint8_t m = 0;
        for (const Place &p : PlacesAt(a, band))
            m |= p.bits;
        bits[a] = char(m);
    }
    return bits;
}

QList<Difference> Differences(const QByteArray &sent, const QByteArray &stored, int band)
{
    QList<Difference> out;
    QSet<QString> named;
    const int n = int(std::min({sent.size(), stored.size(), qsizetype(kMemoryBytes)}));
    for (int a = 0; a < n; ++a) {
        const uint8_t s = uint8_t(sent.at(a)), r = uint8_t(stored.at(a));
        if (s == r)
            continue;
        for (const Place &p : PlacesAt(a, band)) {
            if (!((s ^ r) & p.bits) || named.contains(p.key))
                continue;
            named.insert(p.key);
            const QString where = QStringLiteral("[%1] ").arg(a, 4, 16, QLatin1Char('0')).toUpper();
            out.append({p.key, p.place, p.setting, where + QStringLiteral("%1").arg(s, 2, 16, QLatin1Char('0')).toUpper(),
                        QStringLiteral("%1").arg(r, 2, 16, QLatin1Char('0')).toUpper()});
        }
    }
    return out;
}

namespace {
// The channel `number`, or the last channel before it that the band has.
int channelTheBandHas(int number, int band)
{
    while (number > 1 && !ReadBringsChannel(number, band))
        --number;
    return number;
}
}

QString BlockPlace(int address, int band)
{
    if (address >= 0 && address < kPresenceBits)
        return CompareWords::ChannelPlace(channelTheBandHas(address / kRadioChannelBytes + 1, band), band);
    if (address >= kPresenceBits && address < kChannelBitsEnd)
        return CompareWords::ChannelPlace(channelTheBandHas(kMaxMemoryChannel, band), band);
    for (int a = address + kRadioChannelBytes - 1; a >= address; --a) {
        const QList<Place> places = PlacesAt(a, band);
        if (!places.isEmpty())
            return places.last().place;
    }
    return QString();
}

} // namespace StoredDiff
