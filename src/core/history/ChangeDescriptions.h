#pragma once
#include <QString>

// The texts that say what an undo step changed, in the current language; the Edit menu
// shows them after "Undo" and "Redo".

// "EU channel 12 TX power": a channel field by column code 1..18, the channel addressed
// by group and 1-based position in the group.
QString ChannelChangeText(int group, int position, int column);
// "EU channel 12": a change of the whole channel.
QString ChannelText(int group, int position);
// A setting of a group shown above the grid: "group EU current channel".
QString GroupSettingChangeText(int group, int captionId);
// An option of the radio settings (Combo1 index 0..16) or the maximum SWR.
QString OptionChangeText(int index);
QString MaxSwrChangeText();
// A common channel field by column code.
QString CommonChannelChangeText(int column);
// A DTMF setting by selector index 0..4, the display switch (index 5), a code memory 1..16.
QString DtmfSettingChangeText(int index);
QString DtmfCodeChangeText(int code);
// The key mode set, or one key (0..17).
QString KeyModeSetChangeText();
QString KeyChangeText(int key);
// A tone tip's loop count or interval (captionId 29002, 29003), or one of its steps.
QString ToneTipChangeText(int tip, int captionId);
QString ToneStepChangeText(int tip, int step, bool frequency);
