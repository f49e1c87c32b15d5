#include "RadioImage.h"

#include "FreqCodec.h"
#include "StoredForm.h"

#include <algorithm>

QString fixedText(const char *data, int width)
{
    return QString::fromLatin1(data, width);
}

void setFixedText(char *data, int width, const QString &text)
{
    // As a Latin-1 conversion would store it: a character outside Latin-1 becomes '?'.
    for (int i = 0; i < width; ++i) {
        const char16_t u = i < text.size() ? text.at(i).unicode() : u' ';
        data[i] = u > 0xFF ? '?' : char(u);
    }
}

// ---- channel record ---------------------------------------------------------------

QString ChannelRecord::freqText() const { return fixedText(freq.data(), int(freq.size())); }
void ChannelRecord::setFreqText(const QString &digits) { setFixedText(freq.data(), int(freq.size()), digits); }

int16_t *ChannelRecord::fieldByColumn(int column)
{
    switch (column) {
    case ColPublic: return &Public;
    case ColDup: return &DUP;
    case ColOffset: return &OffSetFre;
    case ColTsq: return &TSQ;
    case ColScan: return &Scan;
    case ColHiCut: return &HI_CUT;
    case ColBusy: return &BUSY;
    case ColNb: return &NB;
    case ColAddSub5K: return &Add_Sub_5K;
    case ColAmFm: return &AM_FM;
    case ColTxPower: return &Tx_Power;
    case ColRbTone: return &RBTone;
    case ColDtmfBot: return &DTMF_BOT;
    case ColDtmfEot: return &DTMF_EOT;
    case ColDtmfCall: return &DTMF_Call;
    case ColRdct: return &RDCT;
    case ColTdct: return &TDCT;
    default: return nullptr;
    }
}

const int16_t *ChannelRecord::fieldByColumn(int column) const
{
    return const_cast<ChannelRecord *>(this)->fieldByColumn(column);
}

namespace {
// Writes the channel's kChannelBytes stored bytes at out.
void writeChannel(char *out, const ChannelRecord &c)
{
    StoredWriter w(out);
    w.i16(c.number);
    w.i16(c.emptyFlag);
    w.i16(c.Scan);
    w.chars(c.freq);
    for (int16_t v : {c.OffSetFre, c.RDCT, c.TDCT, c.DUP, c.HI_CUT, c.BUSY, c.NB, c.Add_Sub_5K,
                      c.AM_FM, c.Tx_Power, c.Public, c.RBTone, c.DTMF_BOT, c.DTMF_EOT, c.DTMF_Call, c.TSQ})
        w.i16(v);
    w.i16s(c.reserved);
    Q_ASSERT(w.pos() == out + kChannelBytes);
}
} // namespace

QByteArray channelToBytes(const ChannelRecord &c)
{
    QByteArray out(kChannelBytes, Qt::Uninitialized);
    writeChannel(out.data(), c);
    return out;
}

ChannelRecord channelFromBytes(const char *data)
{
    ChannelRecord c;
    StoredReader r(data);
    c.number = r.i16();
    c.emptyFlag = r.i16();
    c.Scan = r.i16();
    r.chars(c.freq);
    for (int16_t *f : {&c.OffSetFre, &c.RDCT, &c.TDCT, &c.DUP, &c.HI_CUT, &c.BUSY, &c.NB, &c.Add_Sub_5K,
                       &c.AM_FM, &c.Tx_Power, &c.Public, &c.RBTone, &c.DTMF_BOT, &c.DTMF_EOT, &c.DTMF_Call, &c.TSQ})
        *f = r.i16();
    r.i16s(c.reserved);
    return c;
}

// ---- header records ---------------------------------------------------------------

QString ModelRecord::nameText() const { return fixedText(name.data(), int(name.size())); }
void ModelRecord::setName(const QString &n) { setFixedText(name.data(), int(name.size()), n); }
QString ModelRecord::versionText() const { return fixedText(version.data(), int(version.size())); }
void ModelRecord::setVersion(const QString &v) { setFixedText(version.data(), int(version.size()), v); }

int16_t *OptionBlock::option(int n)
{
    switch (n) {
    case 1: return &UseMEM;
    case 2: return &RadioGroup;
    case 3: return &Beep;
    case 4: return &TOT;
    case 5: return &Backlight;
    case 6: return &Volume;
    case 7: return &SqlLevel;
    case 8: return &AsqFun;
    case 9: return &AsqValue;
    case 10: return &RfGain;
    case 11: return &ChDisplay;
    case 12: return &ScanType;
    case 13: return &ScanTime;
    case 14: return &SqlBack;
    case 15: return &AsqBack;
    case 16: return &AutoPowerOn;
    case 17: return &MemEdit;
    case 18: return &MaxSWROn;
    case 19: return &MaxSWR;
    default: return nullptr;
    }
}

const int16_t *OptionBlock::option(int n) const
{
    return const_cast<OptionBlock *>(this)->option(n);
}

QString DtmfCode::digitsText() const { return fixedText(digits.data(), int(digits.size())); }
void DtmfCode::setDigits(const QString &d) { setFixedText(digits.data(), int(digits.size()), d); }

int16_t *DtmfBlock::setting(int i)
{
    switch (i) {
    case 0: return &DtmfRate;
    case 1: return &FirstDigitTime;
    case 2: return &FirstDigitDelay;
    case 3: return &StarHashTime;
    case 4: return &DKey;
    case 5: return &DtmfDisplay;
    default: return nullptr;
    }
}

const int16_t *DtmfBlock::setting(int i) const
{
    return const_cast<DtmfBlock *>(this)->setting(i);
}

QByteArray ImageHeader::toBytes() const
{
    QByteArray out(kHeaderBytes, Qt::Uninitialized);
    writeTo(out.data());
    return out;
}

void ImageHeader::writeTo(char *out) const
{
    StoredWriter w(out);
    w.chars(model.name);
    w.i16(model.bandMode);
    w.chars(model.version);
    w.i16(channelCount);

    const OptionBlock &o = options;
    w.i16(o.currentGroup);
    w.i16(o.UseMEM);
    w.i16(o.RadioGroup);
    w.i16(o.currentMemSlot);
    w.i16s(o.groupEnabled);
    w.i16s(o.groupCurrent);
    w.i16s(o.groupValueA);
    w.i16s(o.groupValueB);
    for (int n = 3; n <= 19; ++n)
        w.i16(*o.option(n));
    w.u8s(o.groupModA);
    w.u8s(o.groupModB);
    w.u8s(o.reserved);

    writeChannel(w.pos(), common);
    w.skip(kChannelBytes);

    w.i16(keys.KeyModeSet);
    w.i16s(keys.KeyFunc);

    for (int i = 0; i < 6; ++i)
        w.i16(*dtmf.setting(i));
    for (const DtmfCode &code : dtmf.codes) {
        w.i16(code.length);
        w.chars(code.digits);
    }
    w.i16s(dtmf.reserved);

    for (const ToneTip &tip : tips) {
        for (const ToneStep &s : tip.steps) {
            w.i16(s.ToneFreq);
            w.i16(s.ToneLen);
        }
        w.i16(tip.LoopCount);
        w.i16(tip.LoopInterval);
    }
    Q_ASSERT(w.pos() == out + kHeaderBytes);
}

ImageHeader ImageHeader::fromBytes(const char *data)
{
    ImageHeader h;
    StoredReader r(data);
    r.chars(h.model.name);
    h.model.bandMode = r.i16();
    r.chars(h.model.version);
    h.channelCount = r.i16();

    OptionBlock &o = h.options;
    o.currentGroup = r.i16();
    o.UseMEM = r.i16();
    o.RadioGroup = r.i16();
    o.currentMemSlot = r.i16();
    r.i16s(o.groupEnabled);
    r.i16s(o.groupCurrent);
    r.i16s(o.groupValueA);
    r.i16s(o.groupValueB);
    for (int n = 3; n <= 19; ++n)
        *o.option(n) = r.i16();
    r.u8s(o.groupModA);
    r.u8s(o.groupModB);
    r.u8s(o.reserved);

    h.common = channelFromBytes(r.pos());
    StoredReader k(r.pos() + kChannelBytes);
    h.keys.KeyModeSet = k.i16();
    k.i16s(h.keys.KeyFunc);

    for (int i = 0; i < 6; ++i)
        *h.dtmf.setting(i) = k.i16();
    for (DtmfCode &code : h.dtmf.codes) {
        code.length = k.i16();
        k.chars(code.digits);
    }
    k.i16s(h.dtmf.reserved);

    for (ToneTip &tip : h.tips) {
        for (ToneStep &s : tip.steps) {
            s.ToneFreq = k.i16();
            s.ToneLen = k.i16();
        }
        tip.LoopCount = k.i16();
        tip.LoopInterval = k.i16();
    }
    return h;
}

// ---- image ------------------------------------------------------------------------

int RadioImage::count() const
{
    return std::clamp<int>(header.channelCount, 0, kChannelSlots);
}

int RadioImage::findChannel(int number) const
{
    const int n = count();
    for (int s = 0; s < n; ++s) {
        if (records[s].number == number)
            return s;
    }
    return -1;
}

ChannelRecord *RadioImage::channel(int number)
{
    const int s = findChannel(number);
    return s < 0 ? nullptr : &records[s];
}

const ChannelRecord *RadioImage::channel(int number) const
{
    const int s = findChannel(number);
    return s < 0 ? nullptr : &records[s];
}

bool RadioImage::addChannel(int number, const QString &freqText)
{
    const int n = count();
    if (n >= kChannelSlots || number < 1 || number > kLastMemChannel || findChannel(number) >= 0)
        return false;
    ChannelRecord rec;   // new-record defaults: Scan 1, offset 100, NB 1, Public 1
    rec.number = int16_t(number);
    rec.setFreqText(FreqTextToDigits(freqText));   // normalised to 8 digits
    records[n] = rec;
    header.channelCount = int16_t(n + 1);
    return true;
}

void RadioImage::removeChannel(int slot)
{
    const int n = count();
    if (slot < 0 || slot >= n)
        return;
    for (int s = slot; s + 1 < n; ++s)
        records[s] = records[s + 1];
    header.channelCount = int16_t(n - 1);
}

QByteArray RadioImage::toBytes() const
{
    QByteArray out(kDataFileBytes, Qt::Uninitialized);
    header.writeTo(out.data());
    char *next = out.data() + kHeaderBytes;
    for (const ChannelRecord &c : records) {
        writeChannel(next, c);
        next += kChannelBytes;
    }
    return out;
}

RadioImage RadioImage::fromBytes(const QByteArray &data)
{
    RadioImage img;
    if (data.size() < kDataFileBytes)
        return img;
    img.header = ImageHeader::fromBytes(data.constData());
    for (int s = 0; s < kChannelSlots; ++s)
        img.records[s] = channelFromBytes(data.constData() + kHeaderBytes + s * kChannelBytes);
    return img;
}

RadioImage &Image()
{
    static RadioImage image;
    return image;
}

RadioImage &Saved()
{
    static RadioImage saved;
    return saved;
}
