#pragma once
#include <QString>

struct ChannelRecord;

// The words in which differences between two images, or between what was sent to a
// radio and what it stored, are shown: places ("Channel 12 (EU 12)", "Tone tip 2") and
// settings with their display texts, taken from the captions and lists of the editing
// windows so a difference reads as the user sees the setting there.
namespace CompareWords {

// A language text, or `fallback` when the language file has none (the command-line
// tool may run without one).
QString Text(int id, const char *fallback);

// "Channel 12 (EU 12)", "Channel 5 (A-5)", "Channel 402 (MEM 1)", as the grid and the
// channel table name the channel; "Channel 361" for a number outside every group.
QString ChannelPlace(int number, int band);
QString CommonChannelPlace();                 // the common channel settings
QString OptionsPlace();                       // the optional features
QString GroupPlace(int group, int band);      // "Channel group EU"
QString KeyModePlace(int mode);               // "Key mode 2" (mode 1..3)
QString DtmfPlace();                          // the DTMF settings
QString DtmfCodePlace(int code);              // "DTMF code 4"
QString ToneTipPlace(int tip);                // "Tone tip 2"
QString ModelPlace();

// The settings of a channel, in the order of the channel edit dialog.
enum class ChannelSetting {
    Frequency, InUse, Scan, Offset, RxTone, TxTone, Duplex, ToneSquelch, HiCut, BusyLock, NoiseBlanker,
    Shift5k, Modulation, Power, Public, RogerBeep, DtmfBot, DtmfEot, DtmfCall,
};
QString SettingKey(ChannelSetting s);         // stable name, e.g. "power"
QString SettingLabel(ChannelSetting s);       // caption, e.g. "TX power"
// The stored value of a setting (not Frequency, not InUse) and its display text.
int SettingValue(const ChannelRecord &c, ChannelSetting s);
QString SettingText(ChannelSetting s, int value, int amFm);
// Frequency display text with the UK rule, or "(none)".
QString FrequencyText(const ChannelRecord &c, int band);

QString OptionLabel(int option);              // options 1..19
QString OptionText(int option, int value, int band);

QString None();                               // "(none)"
QString OnOff(int value);

} // namespace CompareWords
