#pragma once
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

struct RadioImage;

// Conversion between the memory image and the radio's 7424 bytes (layout: MemoryLayout.h).

// Fills `buffer` (7424 bytes, cleared to zeros by the caller) from the image. Sets each
// channel's empty flag in the image. Values are masked to their bits; refuse an image
// for which ValuesThatDoNotFit() reports anything before calling this.
void PackImageInto(RadioImage &img, QByteArray &buffer);

// Rebuilds the channel list and settings of `img` from `buffer`, with the band mode the
// radio reported. Fields the radio does not hold keep their values. False, with `img`
// unchanged, when the band mode is not 0..2 or the buffer is too short.
bool UnpackImageFrom(const QByteArray &buffer, int radioBand, RadioImage &img);

// The frequency bytes 0..2 of a channel: 6 BCD digits, byte 2 most significant, taken from
// the 2nd to 7th digit of the frequency text. `empty` when the text is blank or
// "FFFFFFFF" (bytes FF FF FF). Accepts every text UnpackImageFrom produces (hexadecimal
// nibbles included), so a read written back is unchanged; false when the text holds
// characters that are no hexadecimal digits or a leading digit the radio has no place for.
bool FrequencyBytes(const QString &freqText, std::array<uint8_t, 3> &bytes, bool *empty);
QString FrequencyText(const uint8_t *bytes3);   // "0" + 6 hex digits + "0"

// The steps of the link on the program's state: the working image and the link buffers.
void PackImage();        // Image() into Link().TransferBuffer
// Link().TransferBuffer into Image() with the band of Link().RadioIdent; the current band
// follows. A band mode outside 0..2 shows "Country Mode Error!" and changes nothing.
bool UnpackImage();
