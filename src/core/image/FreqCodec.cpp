#include "FreqCodec.h"

#include "ChannelGroup.h"
#include "LangText.h"
#include "ModFun.h"
#include "Prompts.h"
#include "RadioImage.h"
#include "RunSettings.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace {
constexpr double kUnitsPerMhz = 100000.0;   // stored digits are units of 10 Hz
constexpr qint64 kRasterUnits = 500;         // 5 kHz
constexpr double kCbUpperLimit = 27.405;

constexpr double kCtcss[38] = {
    67.0, 71.9, 74.4, 77.0, 79.7, 82.5, 85.4, 88.5, 91.5, 94.8, 97.4, 100.0, 103.5,
    107.2, 110.9, 114.8, 118.8, 123.0, 127.3, 131.8, 136.5, 141.3, 146.2, 151.4, 156.7,
    162.2, 167.9, 173.8, 179.9, 186.2, 192.8, 203.5, 210.7, 218.1, 225.7, 233.6, 241.8, 250.3};

// Octal DCS codes written as their digits.
constexpr int kDcs[104] = {
    23, 25, 26, 31, 32, 36, 43, 47, 51, 53, 54, 65, 71, 72, 73, 74, 114, 115, 116, 122,
    125, 131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212, 223, 225, 226,
    243, 244, 245, 246, 251, 252, 255, 261, 263, 265, 266, 271, 274, 306, 311, 315, 325, 331,
    332, 343, 346, 351, 356, 364, 365, 371, 411, 412, 413, 423, 431, 432, 445, 446, 452, 454,
    455, 462, 464, 465, 466, 503, 506, 516, 523, 526, 532, 546, 565, 606, 612, 624, 627, 631,
    632, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754};

}

bool IsNumericText(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    return ok && std::isfinite(v);
}

double NumericValue(const QString &text)
{
    bool ok = false;
    const double v = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

QString FormatFreq(double mhz)
{
    return QString::number(mhz, 'f', 5);
}

QString FreqTextToDigits(const QString &text)
{
    QString t = text.trimmed();
    if (t.isEmpty())
        return QString();
    if (!IsNumericText(t))
        t = QString::number(Run().bandLow);
    const int dot = t.indexOf(QLatin1Char('.'));
    if (dot >= 0 && dot < 3) {
        while (t.indexOf(QLatin1Char('.')) < 3)
            t.prepend(QLatin1Char('0'));
        t = t.left(3) + t.mid(4);
    }
    t = t.left(8);
    while (t.size() < 3)
        t.prepend(QLatin1Char('0'));
    while (t.size() < 8)
        t.append(QLatin1Char('0'));
    return t;
}

bool IsNoFrequency(const QString &digits)
{
    const QString t = TrimAtNul(digits).trimmed();
    return t.isEmpty() || t.compare(QLatin1String("FFFFFFFF"), Qt::CaseInsensitive) == 0;
}

namespace {
constexpr qsizetype kMaxExactDigits = 8;   // three before the dot, five after
}

QString DigitsToFreqText(const QString &digits)
{
    if (IsNoFrequency(digits))
        return QString();
    // Stored bytes that are no frequency (a radio's FF FF FF, nibbles A to F, a damaged
    // file) are shown as such, without a message: a grid would otherwise raise one per row.
    if (!IsFrequencyDigits(digits))
        return LangText(30002);
    const QString t = TrimAtNul(digits);
    if (t.size() <= kMaxExactDigits) {
        // The dot goes after the third digit; up to eight digits leave at most five
        // decimals, so whole numbers of 10 Hz give the text exactly, without a double.
        qint64 units = 0;   // in 1/100000 MHz
        for (QChar c : t)
            units = units * 10 + (c.unicode() - '0');
        for (qsizetype decimals = std::max<qsizetype>(t.size() - 3, 0); decimals < 5; ++decimals)
            units *= 10;
        return QString::number(units / 100000) + QLatin1Char('.')
            + QStringLiteral("%1").arg(units % 100000, 5, 10, QLatin1Char('0'));
    }
    const QString withDot = t.left(3) + QLatin1Char('.') + t.mid(3);
    return FormatFreq(NumericValue(withDot));
}

bool IsFrequencyDigits(const QString &digits)
{
    if (IsNoFrequency(digits))
        return true;
    const QString t = TrimAtNul(digits);
    if (t.isEmpty())
        return false;
    for (QChar c : t) {
        if (c.unicode() < '0' || c.unicode() > '9')
            return false;
    }
    return true;
}

QString FreqDisplayText(const QString &digits, int group, int band)
{
    QString text = DigitsToFreqText(digits);
    if (text.size() < 3 || band != 0 || !IsFrequencyDigits(digits))
        return text;
    if (group == kCbGroupUk || (group == kCbMemGroup && NumericValue(text) > kCbUpperLimit))
        text = text.left(text.size() - 3) + QStringLiteral("125");
    return text;
}

double SnapToRaster(double mhz)
{
    const qint64 f = qRound64(mhz * kUnitsPerMhz);
    const qint64 low = qRound64(Run().bandLow * kUnitsPerMhz);
    qint64 r = (f - low) % kRasterUnits;
    if (r < 0)
        r += kRasterUnits;
    return double(f - r) / kUnitsPerMhz;
}

QString CheckEnteredFreq(const QString &text, int group, int band)
{
    if (!IsNumericText(text)) {
        prompts().message(LangText(9021), MsgIcon::Warning);
        return FormatFreq(Run().bandLow);
    }
    const double value = NumericValue(text);

    if (band == 0 && group == kCbMemGroup) {
        // A CB MEM channel takes the frequency of the nearest country channel.
        const RadioImage &img = Image();
        int best = -1;
        double bestDiff = 0;
        for (int s = 0; s < img.count(); ++s) {
            const ChannelRecord &c = img.at(s);
            if (c.number > 360 || IsNoFrequency(c.freqText()))
                continue;
            const QString shown = FreqDisplayText(c.freqText(), GroupOfChannel(c.number, 0), 0);
            const double diff = std::fabs(NumericValue(shown) - value);
            if (best < 0 || diff < bestDiff) {
                best = s;
                bestDiff = diff;
            }
        }
        if (best >= 0)
            return DigitsToFreqText(img.at(best).freqText());
        return FormatFreq(value);
    }

    double f = value;
    if (f < Run().bandLow) {
        prompts().message(LangText(9021), MsgIcon::Warning);
        f = Run().bandLow;
    } else if (f > Run().bandHigh) {
        prompts().message(LangText(9021), MsgIcon::Warning);
        f = Run().bandHigh;
    } else {
        f = SnapToRaster(f);
    }
    return FormatFreq(f);
}

void SetChannelValue(ChannelRecord &rec, int column, const QString &value)
{
    switch (column) {
    case ColFreq:
        rec.setFreqText(FreqTextToDigits(value));
        return;
    case ColOffset:
        rec.OffSetFre = ClampToStep(value, 5, 1000, 5, 5);
        return;
    case ColRbTone:
        rec.RBTone = ClampToStep(value, 0, 8, 1, 0);
        return;
    case ColDtmfBot:
    case ColDtmfEot:
    case ColDtmfCall:
        *rec.fieldByColumn(column) = ClampToStep(value, 0, 16, 1, 0);
        return;
    default:
        break;
    }
    int16_t *field = rec.fieldByColumn(column);
    if (!field || !IsNumericText(value))
        return;
    *field = ClampToStep(value, -32768, 32767, 1, *field);
    if (column == ColAmFm && rec.AM_FM == 1 && rec.Tx_Power > 1)
        rec.Tx_Power = 1;   // AM offers two power levels only
}

QStringList ToneList()
{
    QStringList list;
    list.reserve(kToneListSize);
    for (int i = 0; i < kToneListSize; ++i)
        list << ToneText(i);
    return list;
}

QString ToneText(int index)
{
    if (index == 0)
        return QStringLiteral("Off");
    if (index >= 1 && index < kFirstDcsIndex)
        return QStringLiteral("C_%1(%2Hz)").arg(index, 3, 10, QLatin1Char('0')).arg(kCtcss[index - 1], 0, 'f', 1);
    if (index >= kFirstDcsIndex && index < kToneListSize) {
        const int n = index - kFirstDcsIndex + 1;
        return QStringLiteral("D_%1(%2N)").arg(n, 3, 10, QLatin1Char('0')).arg(kDcs[n - 1], 3, 10, QLatin1Char('0'));
    }
    return QString();
}

double CtcssHz(int index)
{
    return index >= 1 && index < kFirstDcsIndex ? kCtcss[index - 1] : 0.0;
}

int DcsCode(int index)
{
    return index >= kFirstDcsIndex && index < kToneListSize ? kDcs[index - kFirstDcsIndex] : 0;
}

void ClearDtmfReferences(RadioImage &img, int code)
{
    auto clear = [code](ChannelRecord &c) {
        for (int16_t *f : {&c.DTMF_BOT, &c.DTMF_EOT, &c.DTMF_Call}) {
            if (*f == code)
                *f = 0;
        }
    };
    for (int s = 0; s < img.count(); ++s)
        clear(img.at(s));
    clear(img.header.common);
}

QStringList DtmfCodeListEntries(const RadioImage &img)
{
    QStringList list{LangText(14013)};
    for (int k = 1; k <= kDtmfCodes; ++k) {
        if (img.header.dtmf.codes[k - 1].length > 0)
            list << QString::number(k);
    }
    return list;
}

int IsTipUsable(const RadioImage &img, int n)
{
    if (n < 1 || n > kToneTips)
        return 0;
    const ToneTip &tip = img.header.tips[n - 1];
    if (tip.LoopCount < 1)
        return 0;
    for (const ToneStep &s : tip.steps) {
        if (s.ToneLen > 0)
            return n;
    }
    return 0;
}

void ClearUnusableRbInImage(RadioImage &img)
{
    for (int s = 0; s < img.count(); ++s)
        img.at(s).RBTone = int16_t(IsTipUsable(img, img.at(s).RBTone));
    img.header.common.RBTone = int16_t(IsTipUsable(img, img.header.common.RBTone));
}

QStringList UsableTipEntries(const RadioImage &img)
{
    QStringList list{LangText(15030)};
    for (int n = 1; n <= kToneTips; ++n) {
        if (IsTipUsable(img, n))
            list << QString::number(n);
    }
    return list;
}
