#include "MemoryMap.h"

#include "LinkState.h"
#include "MemoryLayout.h"
#include "ModFun.h"
#include "Models.h"
#include "Prompts.h"
#include "RadioImage.h"
#include "ReadImage.h"

using namespace MemoryLayout;

namespace {

uint8_t u8(const QByteArray &b, int a)
{
    return static_cast<uint8_t>(b.at(a));
}

void setBit(QByteArray &b, int base, int index, bool on)
{
    const int a = base + index / 8;
    const uint8_t mask = uint8_t(1u << (index % 8));
    b[a] = char(on ? (u8(b, a) | mask) : (u8(b, a) & ~mask));
}

bool bitAt(const QByteArray &b, int base, int index)
{
    return (u8(b, base + index / 8) >> (index % 8)) & 1u;
}

// Puts `value` into `bits` bits from `shift` of the byte at `a` (16: a little-endian word).
void putField(QByteArray &b, int a, int shift, int bits, int value)
{
    if (bits == 16) {
        b[a] = char(value & 0xFF);
        b[a + 1] = char((value >> 8) & 0xFF);
        return;
    }
    const unsigned mask = ((1u << bits) - 1u) << shift;
    b[a] = char((u8(b, a) & ~mask) | ((unsigned(value) << shift) & mask));
}

int getField(const QByteArray &b, int a, int shift, int bits)
{
    if (bits == 16)
        return int16_t(u8(b, a) | (u8(b, a + 1) << 8));
    return (u8(b, a) >> shift) & ((1u << bits) - 1u);
}

int toneKind(int index)
{
    if (index >= kFirstDcs)
        return kToneKindDcs;
    if (index >= kFirstCtcss)
        return kToneKindCtcss;
    return kToneKindNone;
}

// Bytes 3..15 of a channel from its option fields.
void packChannelSettings(const ChannelRecord &c, QByteArray &b, int base)
{
    for (const ChannelField &f : kChannelFields)
        putField(b, base + f.byte, f.shift, f.bits, c.*f.field);
    const int rxKind = toneKind(c.RDCT);
    const int txKind = toneKind(c.TDCT);
    b[base + kRxCtcss] = char(rxKind == kToneKindCtcss ? c.RDCT - kFirstCtcss : 0);
    b[base + kRxDcs] = char(rxKind == kToneKindDcs ? c.RDCT - kFirstDcs : 0);
    b[base + kTxCtcss] = char(txKind == kToneKindCtcss ? c.TDCT - kFirstCtcss : 0);
    b[base + kTxDcs] = char(txKind == kToneKindDcs ? c.TDCT - kFirstDcs : 0);
    putField(b, base + kToneByte, kRxToneKindShift, 2, rxKind);
    putField(b, base + kToneByte, kTxToneKindShift, 2, txKind);
}

int toneIndex(int kind, int ctcssByte, int dcsByte)
{
    if (kind == kToneKindCtcss)
        return ctcssByte + kFirstCtcss;
    if (kind == kToneKindDcs)
        return dcsByte + kFirstDcs;
    return 0;
}

void unpackChannelSettings(const QByteArray &b, int base, ChannelRecord &c)
{
    for (const ChannelField &f : kChannelFields)
        c.*f.field = int16_t(getField(b, base + f.byte, f.shift, f.bits));
    c.RDCT = int16_t(toneIndex(getField(b, base + kToneByte, kRxToneKindShift, 2),
                               u8(b, base + kRxCtcss), u8(b, base + kRxDcs)));
    c.TDCT = int16_t(toneIndex(getField(b, base + kToneByte, kTxToneKindShift, 2),
                               u8(b, base + kTxCtcss), u8(b, base + kTxDcs)));
}

// Presence/scan byte base and bit index of channel n; false for 401 (it has no bits).
bool channelBits(int n, int &presence, int &scan, int &bit)
{
    if (n >= 1 && n <= kMaxMemoryChannel) {
        presence = kPresenceBits;
        scan = kScanBits;
        bit = n - 1;
        return true;
    }
    if (n >= kFirstMemChannel && n <= kLastMemChannel) {
        presence = kMemPresenceBits;
        scan = kMemScanBits;
        bit = n - kFirstMemChannel;
        return true;
    }
    return false;
}

bool isHexDigit(QChar ch)
{
    const char16_t u = ch.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'F') || (u >= 'a' && u <= 'f');
}

uint8_t dtmfDigitValue(QChar ch)
{
    if (ch == QLatin1Char('*'))
        return 0x0F;
    if (ch == QLatin1Char('#'))
        return 0x0E;
    bool ok = false;
    const int v = QString(ch).toInt(&ok, 16);
    return ok ? uint8_t(v) : 0;
}

QChar dtmfDigitChar(uint8_t v)
{
    if (v == 0x0E)
        return QLatin1Char('#');
    if (v == 0x0F)
        return QLatin1Char('*');
    return QString::number(v, 16).toUpper().at(0);
}

} // namespace

bool FrequencyBytes(const QString &freqText, std::array<uint8_t, 3> &bytes, bool *empty)
{
    const QString t = TrimAtNul(freqText);
    const bool none = t.isEmpty() || t.trimmed().isEmpty()
        || t.compare(QLatin1String("FFFFFFFF"), Qt::CaseInsensitive) == 0;
    if (empty)
        *empty = none;
    if (none) {
        bytes = {0xFF, 0xFF, 0xFF};
        return true;
    }
    // The digits as stored: an odd count gets a leading 0, then 0s up to seven digits;
    // digits after the seventh are not stored.
    const qsizetype shift = t.size() % 2 == 1 ? 1 : 0;
    auto digit = [&](qsizetype i) -> char16_t {
        const qsizetype j = i - shift;
        return j >= 0 && j < t.size() ? t.at(j).unicode() : u'0';
    };
    auto nibble = [](char16_t u) {
        return uint8_t(u <= '9' ? u - '0' : (u | 0x20) - 'a' + 10);
    };
    // Three two-digit hexadecimal numbers: a radio may hold nibbles A to F (or FF FF FF
    // in a present channel), and what a read brings must be written back unchanged.
    for (qsizetype i = 1; i <= 6; ++i) {
        if (!isHexDigit(QChar(digit(i))))
            return false;
    }
    // The first digit (tens of MHz above 99) has no place in the radio.
    if (digit(0) != u'0')
        return false;
    for (int k = 0; k < 3; ++k)
        bytes[size_t(2 - k)] = uint8_t(nibble(digit(1 + 2 * k)) << 4 | nibble(digit(2 + 2 * k)));
    return true;
}

QString FrequencyText(const uint8_t *b)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    char16_t text[8];
    text[0] = u'0';
    for (int k = 0; k < 3; ++k) {
        const uint8_t v = b[2 - k];
        text[1 + 2 * k] = char16_t(kHex[v >> 4]);
        text[2 + 2 * k] = char16_t(kHex[v & 0x0F]);
    }
    text[7] = u'0';
    return QString(reinterpret_cast<const QChar *>(text), 8);
}

void PackImageInto(RadioImage &img, QByteArray &b)
{
    if (b.size() < kMemoryBytes)
        b.resize(kMemoryBytes, '\0');

    // 1. Channels and their presence and scan bits.
    for (int a = kPresenceBits; a < kChannelBitsEnd; ++a)
        b[a] = 0;
    for (int a = kChannelBase; a < kPresenceBits; ++a)
        b[a] = 0;
    for (int s = 0; s < img.count(); ++s) {
        ChannelRecord &c = img.at(s);
        const int base = channelAddress(c.number);
        if (base < 0)
            continue;   // no place in the radio; the range check refuses such an image
        std::array<uint8_t, 3> freq{};
        bool empty = false;
        if (!FrequencyBytes(c.freqText(), freq, &empty))
            freq = {0xFF, 0xFF, 0xFF};
        c.emptyFlag = empty ? 1 : 0;
        int presence = 0, scan = 0, bit = 0;
        if (!empty && channelBits(c.number, presence, scan, bit)) {
            setBit(b, presence, bit, true);
            setBit(b, scan, bit, c.Scan == 1);
        }
        for (int i = 0; i < kFreqBytes; ++i)
            b[base + i] = char(freq[size_t(i)]);
        packChannelSettings(c, b, base);
    }

    // 2. Option block and common channel settings.
    const OptionBlock &o = img.header.options;
    for (const OptionField &f : kOptionFields)
        putField(b, f.address, f.shift, f.bits, *o.option(f.option));
    b[kCurrentMemSlot] = char(o.currentMemSlot);
    b[kGroupEnabledBits] = 0;
    b[kGroupEnabledBits + 1] = 0;
    for (int g = 0; g < kGroupFlags; ++g) {
        setBit(b, kGroupEnabledBits, g, o.groupEnabled[size_t(g)] > 0);
        b[kGroupCurrent + g] = char(o.groupCurrent[size_t(g)]);
        b[kGroupValueA + g] = char(o.groupValueA[size_t(g)]);
        b[kGroupValueB + g] = char(o.groupValueB[size_t(g)]);
        b[kGroupModA + g] = char(o.groupModA[size_t(g)]);
        b[kGroupModB + g] = char(o.groupModB[size_t(g)]);
    }
    packChannelSettings(img.header.common, b, kCommonChannel);
    for (int i = 0; i < kFreqBytes; ++i)
        b[kCommonChannel + i] = 0;

    // 3. DTMF settings and codes.
    const DtmfBlock &d = img.header.dtmf;
    for (int i = 0; i < 6; ++i)
        b[kDtmfSettings + i] = char(*d.setting(kDtmfSettingOrder[i]));
    b[kDtmfPresentBits] = 0;
    b[kDtmfPresentBits + 1] = 0;
    for (int k = 1; k <= kDtmfCodes; ++k) {
        const DtmfCode &code = d.codes[size_t(k - 1)];
        int length = code.length;
        if (length > kDtmfDigits || length < 0)
            length = 0;
        if (code.length > 0)
            setBit(b, kDtmfPresentBits, k - 1, true);
        QString digits = TrimAtNul(code.digitsText());
        while (digits.size() < length)
            digits.append(QLatin1Char('0'));
        const int base = kDtmfCodeArea + (k - 1) * kDtmfCodeBytes;
        for (int i = 0; i < kDtmfCodeBytes; ++i)
            b[base + i] = char(i < length ? dtmfDigitValue(digits.at(i)) : kDtmfNoDigit);
    }

    // 4. Keys.
    b[kKeyModeSet] = char(img.header.keys.KeyModeSet);
    for (int i = 0; i < kKeyFuncs; ++i)
        b[kKeyFuncRow + i] = char(img.header.keys.KeyFunc[size_t(i)]);

    // 5. Tone tips.
    for (int t = 1; t <= kToneTips; ++t) {
        const ToneTip &tip = img.header.tips[size_t(t - 1)];
        const int base = toneTipAddress(t);
        b[base + kTipLoopCount] = char(tip.LoopCount);
        b[base + kTipLoopInterval] = char(tip.LoopInterval);
        for (int s = 0; s < kToneSteps; ++s) {
            b[base + kTipFreqs + s] = char(tip.steps[size_t(s)].ToneFreq);
            b[base + kTipLens + s] = char(tip.steps[size_t(s)].ToneLen);
        }
    }
}

bool UnpackImageFrom(const QByteArray &b, int radioBand, RadioImage &target)
{
    if (!IsValidBand(radioBand) || b.size() < kMemoryBytes)
        return false;
    RadioImage img = target;

    // 1. Channels.
    img.header.channelCount = 0;
    for (int s = 0; s < kChannelSlots; ++s) {
        const int n = s + 1;
        if (!ReadBringsChannel(n, radioBand))
            continue;   // the CB band has no channels 361..401
        int presence = 0, scan = 0, bit = 0;
        const bool hasBits = channelBits(n, presence, scan, bit);
        if (hasBits && !bitAt(b, presence, bit))
            continue;
        const int base = channelAddress(n);
        ChannelRecord c;
        c.number = int16_t(n);
        c.emptyFlag = 0;
        c.Scan = hasBits ? int16_t(bitAt(b, scan, bit)) : 0;
        const uint8_t freq[3] = {u8(b, base), u8(b, base + 1), u8(b, base + 2)};
        c.setFreqText(FrequencyText(freq));
        unpackChannelSettings(b, base, c);
        c.reserved = {};
        img.at(img.header.channelCount) = c;
        ++img.header.channelCount;
    }

    // 2. Model record: the band follows the radio, the name stays.
    img.header.model.bandMode = int16_t(radioBand);

    // 3. Option block and common channel settings; the current group keeps its value.
    OptionBlock &o = img.header.options;
    for (const OptionField &f : kOptionFields)
        *o.option(f.option) = int16_t(getField(b, f.address, f.shift, f.readBits));
    o.currentMemSlot = u8(b, kCurrentMemSlot);
    for (int g = 0; g < kGroupFlags; ++g) {
        o.groupEnabled[size_t(g)] = bitAt(b, kGroupEnabledBits, g) ? 1 : 0;
        o.groupCurrent[size_t(g)] = u8(b, kGroupCurrent + g);
        o.groupValueA[size_t(g)] = u8(b, kGroupValueA + g);
        o.groupValueB[size_t(g)] = u8(b, kGroupValueB + g);
        o.groupModA[size_t(g)] = u8(b, kGroupModA + g);
        o.groupModB[size_t(g)] = u8(b, kGroupModB + g);
    }
    unpackChannelSettings(b, kCommonChannel, img.header.common);

    // 4. DTMF settings and codes.
    DtmfBlock &d = img.header.dtmf;
    for (int i = 0; i < 6; ++i)
        *d.setting(kDtmfSettingOrder[i]) = u8(b, kDtmfSettings + i);
    for (int k = 1; k <= kDtmfCodes; ++k) {
        DtmfCode &code = d.codes[size_t(k - 1)];
        QString digits;
        if (bitAt(b, kDtmfPresentBits, k - 1)) {
            const int base = kDtmfCodeArea + (k - 1) * kDtmfCodeBytes;
            for (int i = 0; i < kDtmfCodeBytes && u8(b, base + i) <= 0x0F; ++i)
                digits.append(dtmfDigitChar(u8(b, base + i)));
        }
        code.length = int16_t(digits.size());
        code.setDigits(digits);
    }

    // 5. Keys.
    img.header.keys.KeyModeSet = u8(b, kKeyModeSet);
    for (int i = 0; i < kKeyFuncs; ++i)
        img.header.keys.KeyFunc[size_t(i)] = u8(b, kKeyFuncRow + i);

    // 6. Tone tips.
    for (int t = 1; t <= kToneTips; ++t) {
        ToneTip &tip = img.header.tips[size_t(t - 1)];
        const int base = toneTipAddress(t);
        tip.LoopCount = u8(b, base + kTipLoopCount);
        tip.LoopInterval = u8(b, base + kTipLoopInterval);
        for (int s = 0; s < kToneSteps; ++s) {
            tip.steps[size_t(s)].ToneFreq = u8(b, base + kTipFreqs + s);
            tip.steps[size_t(s)].ToneLen = u8(b, base + kTipLens + s);
        }
    }

    target = img;
    return true;
}

void PackImage()
{
    PackImageInto(Image(), Link().TransferBuffer);
}

bool UnpackImage()
{
    const int band = Link().RadioIdent.band;
    if (!UnpackImageFrom(Link().TransferBuffer, band, Image())) {
        prompts().message(QString::fromLatin1(kCountryModeError), MsgIcon::Critical);
        return false;
    }
    SetCurrentBand(band);
    return true;
}
