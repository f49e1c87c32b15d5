#pragma once

// Language text ids of undo and redo, grid keyboard, recent files and the feedback on
// stored values (block 30300-30499 of both language files).
enum ComfortTextId : int {
    kTextUndo = 30300,             // "&Undo"
    kTextRedo = 30301,             // "&Redo"
    kTextUndoWhat = 30302,         // "&Undo %1"
    kTextRedoWhat = 30303,         // "&Redo %1"
    kTextNothingToUndo = 30304,
    kTextNothingToRedo = 30305,
    kTextUndone = 30306,           // "Undone: %1"
    kTextRedone = 30307,           // "Redone: %1"

    kTextChannelOfGroup = 30310,   // "%1 channel %2"
    kTextFieldFrequency = 30311,
    kTextFieldOffset = 30312,
    kTextCommonChannel = 30313,    // "common channel %1"
    kTextFieldMaxSwr = 30314,
    kTextGroupSetting = 30315,     // "group %1 %2"
    kTextDtmfCode = 30316,         // "DTMF code %1"
    kTextKeyOfMode = 30317,        // "key mode %1 P%2"
    kTextToneTipSetting = 30318,   // "tone tip %1 %2"
    kTextToneStep = 30319,         // "step %1 %2"

    kTextKeptVfo = 30330,
    kTextKeptOutsideGroup = 30331, // "%1 was kept: ..."
    kTextKeptMem = 30332,
    kTextCbNotDeleted = 30333,

    kTextRecentMissing = 30340,    // "%1" no longer exists ...

    kTextFreqAboveBand = 30350,    // %1 typed, %2 stored, %3 band name, %4 limit
    kTextFreqBelowBand = 30351,
    kTextFreqRaster = 30352,
    kTextFreqNotNumber = 30353,
    kTextFreqNearestCb = 30354,
    kTextOffsetRange = 30355,
    kTextOffsetStep = 30356,
    kTextSwrRange = 30357,
    kTextSwrDecimal = 30358,
    kTextSwrNotNumber = 30359,
    kTextOffsetNotNumber = 30360,
    kTextSwrNotTyped = 30361,

    kTextTipFrequency = 30370,     // %1 lower, %2 upper limit
    kTextTipMemFrequency = 30371,
    kTextTipOffset = 30372,
    kTextTipMaxSwr = 30373,

    kTextKeyFunctionFirst = 30400, // 30400..30419: what each key function does
};
