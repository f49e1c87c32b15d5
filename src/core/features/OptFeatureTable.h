#pragma once
#include <QStringList>
#include <cstdint>

struct OptionBlock;

// The radio options of the optional features window: selector Combo1(index) edits option
// number index + 1 of the option block, captioned by text 16001 + index.
constexpr int kOptionSelectors = 17;
constexpr int kRadioGroupSelector = 1;

struct OptionSelector {
    QStringList entries;
    bool storesNumber = false;   // the number shown (else the list position)
    int16_t fallback = 0;        // stored when a number selector shows no number
};

// Entries and storage rule of Combo1(index) in the given band mode.
OptionSelector OptionSelectorAt(int index, int band);
int16_t &OptionField(OptionBlock &block, int index);
int OptionCaptionId(int index);

// Entries shared by the common channel settings.
QStringList OffOnEntries();
QStringList DupEntries();
QStringList AmFmEntries();
// Transmit powers: two for AM, three for FM.
QStringList PowerEntries(int16_t amFm);

// The CB group choosers: the top list of group names and the sub-list shown for "U".
QStringList CbGroupTopEntries();
QStringList CbGroupSubEntries();
constexpr int kCbGroupTopSubPosition = 2;   // "U" in the top list opens the sub-list
