#pragma once
#include "ImageDiff.h"

#include <QByteArray>
#include <QList>
#include <cstdint>

// What the radio's memory (0x0000..0x1CFF) holds where, in the user's words: the read
// back after a write is compared with what was sent over every bit the memory layout
// gives a meaning, and each bit that differs is named by channel and setting.
namespace StoredDiff {

// A group of bits of one byte with one meaning.
struct Place {
    uint8_t bits = 0;
    QString key;        // stable name, as in Difference::key
    QString place;      // "Channel 12 (EU 12)"
    QString setting;    // "RX frequency (MHz)"
};

// The meanings of the byte at `address` (empty for a byte the layout does not use).
QList<Place> PlacesAt(int address, int band);

// For each of the 7424 bytes, the bits that have a meaning in the band.
QByteArray MappedBits(int band);

// Every meaningful bit in which `stored` differs from `sent` (both 7424 bytes), one
// entry per setting, with the address and the two bytes of the first difference found
// for it: "Channel 12 (EU 12): RX frequency (MHz) 00B0: 50 → 51".
QList<Difference> Differences(const QByteArray &sent, const QByteArray &stored, int band);

// The place of the block at `address` in the user's words ("Channel 191 (IN 31)",
// "Tone tip 3", "DTMF code 4", ...), for telling how far a write got.
QString BlockPlace(int address, int band);

} // namespace StoredDiff
