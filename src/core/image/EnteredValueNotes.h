#pragma once
#include <QString>

// Plain-words notes for the status bar when a typed value was stored as something else
// (band limit, raster step, nearest CB channel, clamped offset or SWR). Each returns an
// empty text when the stored value is what was typed.

// typed: the text as the user typed it; stored: the frequency text now in the channel.
QString FrequencyNote(const QString &typed, const QString &stored, int group, int band);
// Offsets in kHz; typed may be empty or not a number (5 is stored then).
QString OffsetNote(const QString &typed, int stored);
// Maximum SWR; storedTenths as kept in the image (70..200).
QString MaxSwrNote(const QString &typed, int storedTenths);

// Tooltips with the allowed range of a numeric field.
QString FrequencyRangeTip(int group, int band);
QString OffsetRangeTip();
QString MaxSwrRangeTip();

// Why an empty frequency did not delete channel number (the delete rules refused it).
QString DeleteRefusalNote(int group, int number);
