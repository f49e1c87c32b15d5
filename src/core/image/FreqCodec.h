#pragma once
#include <QString>
#include <QStringList>

struct RadioImage;
struct ChannelRecord;

// Frequencies are carried as 8 digits in units of 10 Hz ("02801500" = 28.01500 MHz);
// "FFFFFFFF" or blanks mean no frequency.

bool IsNumericText(const QString &text);        // a decimal number, "." as separator
double NumericValue(const QString &text);       // 0 when not numeric
QString FormatFreq(double mhz);                 // "#0.00000"

QString FreqTextToDigits(const QString &text);  // "28.015" -> "02801500"
// "02801500" -> "28.01500"; "" for none; language text 30002 for stored characters that
// are no decimal digits.
QString DigitsToFreqText(const QString &digits);
// True for decimal digits or no frequency; false for what only a damaged file or a
// radio's unused bytes hold.
bool IsFrequencyDigits(const QString &digits);
QString FreqDisplayText(const QString &digits, int group, int band);   // UK rule applied
bool IsNoFrequency(const QString &digits);
double SnapToRaster(double mhz);                // 5 kHz steps from the band's lower limit
// Band check and raster snap, or in the CB MEM group the nearest CB channel's frequency.
QString CheckEnteredFreq(const QString &text, int group, int band);

// Writes one field of a record from a column code 1..18 (frequency, flags, clamped numbers).
void SetChannelValue(ChannelRecord &rec, int column, const QString &value);

// The tone list: 0 "Off", 1..38 CTCSS, 39..142 DCS.
constexpr int kToneListSize = 143;
constexpr int kFirstDcsIndex = 39;
QStringList ToneList();
QString ToneText(int index);                    // "" outside 0..142
double CtcssHz(int index);                      // index 1..38
int DcsCode(int index);                         // index 39..142, octal digits as a number (23 = "023")

// DTMF references and roger-beep validity in the image.
void ClearDtmfReferences(RadioImage &img, int code);
QStringList DtmfCodeListEntries(const RadioImage &img);   // LangText(14013), then defined codes
int IsTipUsable(const RadioImage &img, int n);  // n when usable, otherwise 0
void ClearUnusableRbInImage(RadioImage &img);
QStringList UsableTipEntries(const RadioImage &img);      // LangText(15030), then usable tips

