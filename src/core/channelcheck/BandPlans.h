#pragma once
#include <QList>
#include <QString>

// The 10 m amateur band plans of the three IARU regions, as far as the radio's two
// modulations (FM and AM) are concerned, and the region the user has chosen.

constexpr int kFirstBandPlanRegion = 1;
constexpr int kLastBandPlanRegion = 3;

struct BandSegment {
    int lowKhz;            // first frequency of the segment, kHz
    int highKhz;           // end of the segment (exclusive, the band's top inclusive), kHz
    int kindText;          // language text naming what the segment is for ("CW")
    bool fm;               // FM transmissions belong here
    bool am;               // AM transmissions belong here
    bool repeaterOutput;   // repeaters transmit here (their inputs are 100 kHz lower)
};

// The segments of a region's plan from 28.000 to 29.700 MHz, without gaps, in order.
const QList<BandSegment> &BandSegments(int region);
// The segment a frequency lies in; null outside the 10 m band.
const BandSegment *SegmentAt(int region, int khz);
// "28.000-28.070 MHz" and what the segment is for, in the user's language.
QString SegmentText(const BandSegment &segment);

// The usual shift of a 10 m repeater: it listens 100 kHz below its output.
constexpr int kRepeaterOffsetKhz = 100;

// The region of a country (QLocale::Territory as a number): 2 for the Americas, 3 for
// Asia and the Pacific, 1 for Europe, Africa and the Middle East (and when unknown).
int RegionOfTerritory(int territory);
// The region of the system locale's country.
int LocaleBandPlanRegion();
// The region chosen in the settings (mysetup.ini), else the locale's.
int BandPlanRegion();
void WriteBandPlanRegion(int region);
