#pragma once
#include <QString>
#include <cstdint>

// Small conversions shared by every module and window.

// Drops trailing blanks, then cuts the text before its first NUL character.
QString TrimAtNul(const QString &text);
// The part after the last "/" or "\"; the whole text when there is none.
QString FileNameOf(const QString &path);
// The text as a 32-bit integer, or the default when it is empty or not numeric.
int32_t ToLongOr(const QString &text, int32_t fallback);
// The number raised to min, lowered to max, then (step >= 2) rounded down to a multiple
// of step; the default when the text is not numeric.
int16_t ClampToStep(const QString &text, int16_t min, int16_t max, int16_t step, int16_t fallback);
// DTMF digits as stored (0-9, A-F) and as shown (E is "#", F is "*").
QString DigitsToDtmfText(const QString &digits);
QString DtmfTextToDigits(const QString &text);
