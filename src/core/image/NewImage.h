#pragma once
#include <QString>

// Builds the default image of a new document for the current model and band, copies it
// to the saved copy and loads the default data file of the Init directory over it.
void BuildNewImage();
// The built-in defaults only (no default file): used by BuildNewImage and the generators.
void BuildBuiltInDefaults();
void SetDefaultToneTips();

// The frequency (stored digits) a new document of the current band gives channel
// `number`: channel 1 and the VFO at the middle of the band, the eight MEM channels at
// their fixed frequencies; empty for every other channel.
QString NewImageFrequency(int number);
