#include "BandPlans.h"

#include "LangText.h"
#include "ProfileFile.h"
#include "RunSettings.h"
#include "Startup.h"

#include <QLocale>

namespace {
// Texts naming what a segment is for.
constexpr int kCw = 31060, kNarrow = 31061, kBeacons = 31062, kNarrowAllModes = 31063, kWideAllModes = 31064,
              kSatellite = 31065, kGuard = 31066, kRepeaterIn = 31067, kFmSimplex = 31068, kRepeaterOut = 31069,
              kPhone = 31070, kAm = 31071;

// The segments come from the published band plans:
//  - IARU Region 1 HF Band Plan (revision of the Novi Sad 2020 conference): below 29.000
//    only narrow modes (at most 2.7 kHz wide), so neither FM nor AM; 29.000-29.300 all
//    modes up to 6 kHz; 29.520-29.590 FM repeater inputs RH1-RH8, 29.600 FM calling,
//    29.610 simplex, 29.620-29.700 repeater outputs.
//  - IARU Region 2 Band Plan (Viña del Mar 2016, as updated at Lima 2019): 28.320-29.000
//    phone (SSB and AM, not FM), 29.000-29.200 AM, 29.200-29.300 all modes,
//    29.520-29.590 FM repeater inputs, 29.600 FM simplex, 29.610-29.700 repeater outputs.
//  - IARU Region 3 Band Plan (Seoul 2021): 28.200-29.300 all modes including phone,
//    29.520-29.700 FM (repeater inputs 29.520-29.590, simplex 29.600, outputs 29.620-29.680).
// Every plan keeps 29.300-29.510 for satellites and 29.510-29.520 as a guard.
const QList<BandSegment> kRegion1 = {
    {28000, 28070, kCw, false, false, false},
    {28070, 28190, kNarrow, false, false, false},
    {28190, 28225, kBeacons, false, false, false},
    {28225, 29000, kNarrowAllModes, false, false, false},
    {29000, 29300, kWideAllModes, true, true, false},
    {29300, 29510, kSatellite, false, false, false},
    {29510, 29520, kGuard, false, false, false},
    {29520, 29600, kRepeaterIn, true, false, false},
    {29600, 29620, kFmSimplex, true, false, false},
    {29620, 29700, kRepeaterOut, true, false, true},
};
const QList<BandSegment> kRegion2 = {
    {28000, 28070, kCw, false, false, false},
    {28070, 28190, kNarrow, false, false, false},
    {28190, 28225, kBeacons, false, false, false},
    {28225, 28320, kNarrowAllModes, false, false, false},
    {28320, 29000, kPhone, false, true, false},
    {29000, 29200, kAm, false, true, false},
    {29200, 29300, kWideAllModes, true, true, false},
    {29300, 29510, kSatellite, false, false, false},
    {29510, 29520, kGuard, false, false, false},
    {29520, 29600, kRepeaterIn, true, false, false},
    {29600, 29610, kFmSimplex, true, false, false},
    {29610, 29700, kRepeaterOut, true, false, true},
};
const QList<BandSegment> kRegion3 = {
    {28000, 28050, kCw, false, false, false},
    {28050, 28190, kNarrow, false, false, false},
    {28190, 28200, kBeacons, false, false, false},
    {28200, 29300, kWideAllModes, true, true, false},
    {29300, 29510, kSatellite, false, false, false},
    {29510, 29520, kGuard, false, false, false},
    {29520, 29600, kRepeaterIn, true, false, false},
    {29600, 29620, kFmSimplex, true, false, false},
    {29620, 29700, kRepeaterOut, true, false, true},
};

const QString kSection = QStringLiteral("checks");
const QString kKey = QStringLiteral("BandPlanRegion");

QString mhz(int khz)
{
    return QString::number(khz / 1000.0, 'f', 3);
}
}

const QList<BandSegment> &BandSegments(int region)
{
    switch (region) {
    case 2: return kRegion2;
    case 3: return kRegion3;
    default: return kRegion1;
    }
}

const BandSegment *SegmentAt(int region, int khz)
{
    const QList<BandSegment> &segments = BandSegments(region);
    for (const BandSegment &s : segments) {
        if (khz >= s.lowKhz && (khz < s.highKhz || (khz == s.highKhz && &s == &segments.last())))
            return &s;
    }
    return nullptr;
}

QString SegmentText(const BandSegment &segment)
{
    return QStringLiteral("%1-%2 MHz %3").arg(mhz(segment.lowKhz), mhz(segment.highKhz), LangText(segment.kindText));
}

int RegionOfTerritory(int territory)
{
    using T = QLocale::Territory;
    static const QList<T> americas = {
        T::UnitedStates, T::Canada, T::Mexico, T::Brazil, T::Argentina, T::Chile, T::Colombia, T::Peru,
        T::Venezuela, T::Ecuador, T::Bolivia, T::Paraguay, T::Uruguay, T::Cuba, T::DominicanRepublic,
        T::PuertoRico, T::Guatemala, T::Honduras, T::ElSalvador, T::Nicaragua, T::CostaRica, T::Panama,
        T::Jamaica, T::Haiti, T::TrinidadAndTobago, T::Bahamas, T::Barbados, T::Belize, T::Guyana,
        T::Suriname, T::Greenland, T::Bermuda,
    };
    static const QList<T> asiaPacific = {
        T::China, T::Japan, T::SouthKorea, T::NorthKorea, T::Taiwan, T::HongKong, T::Macao, T::Mongolia,
        T::India, T::Pakistan, T::Bangladesh, T::SriLanka, T::Nepal, T::Bhutan, T::Maldives, T::Afghanistan,
        T::Myanmar, T::Thailand, T::Laos, T::Cambodia, T::Vietnam, T::Malaysia, T::Singapore, T::Indonesia,
        T::Philippines, T::Brunei, T::TimorLeste, T::Australia, T::NewZealand, T::PapuaNewGuinea, T::Fiji,
        T::SolomonIslands, T::Vanuatu, T::Samoa, T::Tonga, T::Kiribati, T::Micronesia, T::MarshallIslands,
        T::Palau, T::Iran,
    };
    if (americas.contains(T(territory)))
        return 2;
    if (asiaPacific.contains(T(territory)))
        return 3;
    return 1;
}

int LocaleBandPlanRegion()
{
    const QLocale sys = Run().localeOverride.isEmpty() ? QLocale::system() : QLocale(Run().localeOverride);
    return RegionOfTerritory(int(sys.territory()));
}

int BandPlanRegion()
{
    bool ok = false;
    const int region = ReadProfileString(MySetupPath(), kSection, kKey).trimmed().toInt(&ok);
    if (ok && region >= kFirstBandPlanRegion && region <= kLastBandPlanRegion)
        return region;
    return LocaleBandPlanRegion();
}

void WriteBandPlanRegion(int region)
{
    WriteProfileString(MySetupWritePath(), kSection, kKey, QString::number(region));
}
