#include "EnteredValueNotes.h"

#include "ChannelGroup.h"
#include "ComfortTextIds.h"
#include "FreqCodec.h"
#include "LangText.h"
#include "Models.h"
#include "RadioImage.h"
#include "RunSettings.h"

#include <cmath>

namespace {
constexpr int kOffsetLow = 5, kOffsetHigh = 1000;
constexpr double kSwrLow = 7.0, kSwrHigh = 20.0;

bool isCbMemGroup(int group, int band)
{
    return band == 0 && IsMemGroup(group, band);
}

QString limitText(double mhz)
{
    return QString::number(mhz, 'f', 3);
}

bool sameNumber(double a, double b, double tolerance)
{
    return std::fabs(a - b) < tolerance;
}
}

QString FrequencyNote(const QString &typed, const QString &stored, int group, int band)
{
    const QString t = typed.trimmed();
    if (t.isEmpty() || stored.isEmpty())
        return QString();
    if (!IsNumericText(t))
        return LangText(kTextFreqNotNumber).arg(t, stored);
    const double value = NumericValue(t);
    const double kept = NumericValue(stored);
    if (sameNumber(value, kept, 0.000005))
        return QString();
    if (isCbMemGroup(group, band))
        return LangText(kTextFreqNearestCb).arg(t, stored);
    if (value > Run().bandHigh)
        return LangText(kTextFreqAboveBand).arg(t, stored, BandName(band), limitText(Run().bandHigh));
    if (value < Run().bandLow)
        return LangText(kTextFreqBelowBand).arg(t, stored, BandName(band), limitText(Run().bandLow));
    return LangText(kTextFreqRaster).arg(t, stored);
}

QString OffsetNote(const QString &typed, int stored)
{
    const QString t = typed.trimmed();
    if (!IsNumericText(t))
        return LangText(kTextOffsetNotNumber).arg(stored);
    const double value = NumericValue(t);
    if (sameNumber(value, stored, 0.5))
        return QString();
    const int id = value < kOffsetLow || value > kOffsetHigh ? kTextOffsetRange : kTextOffsetStep;
    return LangText(id).arg(t).arg(stored);
}

QString MaxSwrNote(const QString &typed, int storedTenths)
{
    const QString t = typed.trimmed();
    const QString kept = QString::number(storedTenths / 10.0, 'f', 1);
    if (t.isEmpty())
        return LangText(kTextSwrNotTyped).arg(kept);
    if (!IsNumericText(t))
        return LangText(kTextSwrNotNumber).arg(t, kept);
    const double value = NumericValue(t);
    if (sameNumber(value, storedTenths / 10.0, 0.0000001))
        return QString();
    const int id = value < kSwrLow || value > kSwrHigh ? kTextSwrRange : kTextSwrDecimal;
    return LangText(id).arg(t, kept);
}

QString FrequencyRangeTip(int group, int band)
{
    if (isCbMemGroup(group, band))
        return LangText(kTextTipMemFrequency);
    return LangText(kTextTipFrequency).arg(limitText(Run().bandLow), limitText(Run().bandHigh));
}

QString OffsetRangeTip()
{
    return LangText(kTextTipOffset);
}

QString MaxSwrRangeTip()
{
    return LangText(kTextTipMaxSwr);
}

QString DeleteRefusalNote(int group, int number)
{
    const int band = Run().BandMode;
    if (number == kVfoChannel)
        return LangText(kTextKeptVfo);
    const QString channel = LangText(kTextChannelOfGroup).arg(GroupName(group, band)).arg(number - GroupStart(group, band));
    if (number < kFirstMemChannel)
        return LangText(kTextKeptOutsideGroup).arg(channel, GroupName(group, band));
    return LangText(kTextKeptMem).arg(channel);
}
