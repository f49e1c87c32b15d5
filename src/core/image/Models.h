#pragma once
#include <QString>

// The radio model and its three band modes.
constexpr const char *kModelName = "TARVEN2";
constexpr const char *kModelDisplayName = "TARVEN II";
constexpr const char *kCbBandText = "26.965 - 27.405 MHz";
constexpr const char *kCountryModeError = "Country Mode Error!";

bool IsValidBand(int band);
QString BandText(int band);                 // "" for an invalid band
QString BandName(int band);                 // "CB", "HF", "HAM" or "Unknown"
QString BandCaption(const QString &bandText);   // "Frequency" for the CB band text
QString DisplayModelName(const QString &modelName);
// Sets the current band mode, its band text and limits; false (nothing changed) for an
// invalid band.
bool SetCurrentBand(int band);
// Limits from a band text "low - high MHz"; 100 and 500 when it cannot be parsed.
void ParseBandLimits();
void ParseBandLimitsOf(const QString &bandText, double &low, double &high);
