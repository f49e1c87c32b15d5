#pragma once
#include <QList>
#include <QString>

struct RadioImage;

// Checks a channel list for the mistakes people make when they program a radio by hand.

enum class FindingKind {
    Duplicate,        // the same frequency stored twice in a group, with the same settings
    Conflict,         // the same frequency in a group with a different mode or tones
    BandSegment,      // transmits outside the band plan's segments for its mode
    RepeaterOffset,   // listens to a repeater output but transmits there too
    CbMode,           // a CB channel in a mode its country's plan does not allow
};

struct ChannelFinding {
    int number = 0;          // the channel the finding opens
    FindingKind kind = FindingKind::Duplicate;
    QString reason;          // plain words, in the user's language
};

// The word a finding kind is written with in JSON ("duplicate").
QString FindingKindWord(FindingKind kind);

// "1 finding", "40 findings", in the user's language.
QString FindingCount(int count);

// Every finding for the image in `band`, in channel order (the VFO is not checked).
// The band plan of `region` (1..3) applies to transmit frequencies in 28.000-29.700 MHz;
// the channels a new document holds at their placeholder frequencies are not held
// against the plan, as the user has not chosen them.
QList<ChannelFinding> CheckChannels(const RadioImage &img, int band, int region);
