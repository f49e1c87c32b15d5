#include "CountryPlans.h"

#include "FreqCodec.h"

namespace {
// The standard 40-channel plan in units of 10 Hz. It is irregular (gaps at 3/4, 7/8,
// 11/12, 15/16, 19/20; channel 23 above 24 and 25), so it is listed, not computed.
constexpr int kStandard[40] = {
    2696500, 2697500, 2698500, 2700500, 2701500, 2702500, 2703500, 2705500, 2706500, 2707500,
    2708500, 2710500, 2711500, 2712500, 2713500, 2715500, 2716500, 2717500, 2718500, 2720500,
    2721500, 2722500, 2725500, 2723500, 2724500, 2726500, 2727500, 2728500, 2729500, 2730500,
    2731500, 2732500, 2733500, 2734500, 2735500, 2736500, 2737500, 2738500, 2739500, 2740500};

QString mhz(int units)
{
    return FormatFreq(units / 100000.0);
}

QStringList standard(int channels, int shift = 0)
{
    QStringList list;
    for (int i = 0; i < channels; ++i)
        list << mhz(kStandard[i] + shift);
    return list;
}

// Channels on a regular 10 kHz step, as the UK, the Italian upper and the German
// upper plans are.
QStringList stepped(int first, int channels)
{
    QStringList list;
    for (int i = 0; i < channels; ++i)
        list << mhz(first + i * 1000);
    return list;
}
}

const QList<CountryPlan> &CountryPlans()
{
    static const QList<CountryPlan> plans = {
        {0, QStringLiteral("EU"), false, standard(40)},
        {1, QStringLiteral("CE"), false, standard(40)},
        {2, QStringLiteral("U"), true, standard(40)},
        // 27.60125 + (n - 1) × 10 kHz, stored 125 Hz low: the UK display rule adds it back.
        {3, QStringLiteral("UK"), false, stepped(2760000, 40)},
        {4, QStringLiteral("PL"), false, standard(40, -500)},
        // Channels 1-23 of the standard plan, then 26.855 .. 26.955 MHz; 35-40 undefined.
        {5, QStringLiteral("I2"), false, standard(23) + stepped(2685500, 11)},
        // Channels 1-40 standard, 41-80 = 26.565 .. 26.955 MHz.
        {6, QStringLiteral("DE"), false, standard(40) + stepped(2656500, 40)},
        // The Indian band holds channels 1-27 of the standard plan.
        {7, QStringLiteral("IN"), false, standard(27)},
    };
    return plans;
}
