#include "ChannelFilter.h"

#include "ChannelCsvFields.h"
#include "FreqCodec.h"
#include "RadioImage.h"

#include <QRegularExpression>
#include <algorithm>

namespace {
constexpr double kUnitsPerMhz = 100000.0;

qint64 unitsOf(const ChannelRecord &c)
{
    if (IsNoFrequency(c.freqText()))
        return -1;
    bool ok = false;
    const qint64 v = c.freqText().trimmed().toLongLong(&ok);
    return ok ? v : -1;
}
}

ChannelFilter::ChannelFilter(const QString &text, bool usedOnly) : text_(text.trimmed()), usedOnly_(usedOnly)
{
    static const QRegularExpression range(QStringLiteral("^(\\d+(?:[.,]\\d*)?)\\s*-\\s*(\\d+(?:[.,]\\d*)?)$"));
    if (const auto m = range.match(text_); m.hasMatch()) {
        const double a = DecimalText(m.captured(1)).toDouble();
        const double b = DecimalText(m.captured(2)).toDouble();
        isRange_ = true;
        rangeLow_ = qRound64(std::min(a, b) * kUnitsPerMhz);
        rangeHigh_ = qRound64(std::max(a, b) * kUnitsPerMhz);
        return;
    }
    int tone = 0;
    // "Off" is a setting word of many columns, not only of the tones.
    if (!text_.isEmpty() && text_.compare(QLatin1String("off"), Qt::CaseInsensitive) != 0
        && ParseFieldWords(ChannelField::RxTone, text_, &tone))
        tone_ = tone;
}

bool ChannelFilter::matches(int number, const ChannelRecord *c, int band, const QStringList &shownTexts) const
{
    if (usedOnly_ && !c)
        return false;
    if (text_.isEmpty())
        return true;
    if (!c)
        return false;
    if (isRange_) {
        const qint64 units = unitsOf(*c);
        return units >= rangeLow_ && units <= rangeHigh_;
    }
    if (tone_ > 0 && (c->RDCT == tone_ || c->TDCT == tone_))
        return true;
    const QString freq = FieldText(ChannelField::Frequency, *c, band);
    if (!freq.isEmpty() && freq.startsWith(DecimalText(text_)))
        return true;
    if (ChannelLabel(number, band).compare(text_, Qt::CaseInsensitive) == 0)
        return true;
    for (int f = int(ChannelField::Mode); f < kChannelFieldCount; ++f) {
        if (FieldText(ChannelField(f), *c, band).compare(text_, Qt::CaseInsensitive) == 0)
            return true;
    }
    for (const QString &shown : shownTexts) {
        if (shown.compare(text_, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}
