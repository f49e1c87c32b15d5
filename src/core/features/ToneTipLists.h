#pragma once
#include <QStringList>

// Lists of the tone tip editor. Positions are the stored values except for the
// frequency list, which starts at 400 Hz: FrequencyValueEntries() holds the display text
// of every stored frequency value 0..255 (0 the pause), so a shown text maps back to
// its value.
QStringList LoopCountEntries();        // text 29200, then "1".."10"
QStringList TimeEntries();             // "0", "10", ... "2550": interval and step length
QStringList FrequencyEntries();        // text 29201, then "400".."2550"
QStringList FrequencyValueEntries();   // text 29201, then "10".."2550"
