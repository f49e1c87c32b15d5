#include "Models.h"

#include "FreqCodec.h"
#include "ModFun.h"
#include "RunSettings.h"

bool IsValidBand(int band)
{
    return band >= 0 && band <= 2;
}

QString BandText(int band)
{
    switch (band) {
    case 0: return QString::fromLatin1(kCbBandText);
    case 1: return QStringLiteral("25.615 - 30.105 MHz");
    case 2: return QStringLiteral("28.000 - 29.700 MHz");
    default: return QString();
    }
}

QString BandName(int band)
{
    switch (band) {
    case 0: return QStringLiteral("CB");
    case 1: return QStringLiteral("HF");
    case 2: return QStringLiteral("HAM");
    default: return QStringLiteral("Unknown");
    }
}

QString BandCaption(const QString &bandText)
{
    return bandText == QLatin1String(kCbBandText) ? QStringLiteral("Frequency") : bandText;
}

QString DisplayModelName(const QString &modelName)
{
    const QString trimmed = TrimAtNul(modelName);
    return trimmed == QLatin1String(kModelName) ? QString::fromLatin1(kModelDisplayName) : trimmed;
}

bool SetCurrentBand(int band)
{
    if (!IsValidBand(band))
        return false;
    Run().BandMode = band;
    Run().bandText = BandText(band);
    ParseBandLimits();
    return true;
}

void ParseBandLimitsOf(const QString &bandText, double &low, double &high)
{
    low = 100;
    high = 500;
    const int sep = bandText.indexOf(QLatin1String(" - "));
    if (sep < 0)
        return;
    const QString lowText = bandText.left(sep);
    QString highText = bandText.mid(sep + 3);
    const int mhz = highText.indexOf(QLatin1String(" MHz"));
    if (mhz >= 0)
        highText.truncate(mhz);
    if (IsNumericText(lowText))
        low = NumericValue(lowText);
    if (IsNumericText(highText))
        high = NumericValue(highText);
}

void ParseBandLimits()
{
    ParseBandLimitsOf(Run().bandText, Run().bandLow, Run().bandHigh);
}
