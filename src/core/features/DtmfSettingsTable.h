#pragma once
#include <QStringList>

// The DTMF timing selectors Combo1(0..3) show times in ms; the radio stores each in its
// own unit. Combo1(4), the D key, stores its list position.
constexpr int kDtmfTimingSelectors = 4;
constexpr int kDtmfDKeySelector = 4;
constexpr int kDtmfDisplayIndex = 5;           // the display switch Check1, after the selectors

QStringList DtmfSelectorEntries(int index);   // index 0..4
int DtmfSelectorUnitMs(int index);            // 10 for the digit rate, 100 for the others
int DtmfSelectorCaptionId(int index);         // 18005 + index
