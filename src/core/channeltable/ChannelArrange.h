#pragma once
#include <QString>

// "Arrange by frequency": the channels of a group take the positions the group already
// uses, in the order of their receive frequencies (equal frequencies keep their order).
// Channels move whole, as the grid's Move commands move them: the group's current channel
// follows its channel, the numbered settings stay. Only where channels may move (not the CB
// band, not the VFO).
struct ArrangeOutcome {
    bool allowed = false;   // the group's channels may be moved at all
    int channels = 0;       // channels of the group
    int moved = 0;          // channels that took another position
    QString settingsNote;   // the group settings that changed, in the user's words; empty for none
    // What the command did, in the user's words.
    QString text(int group, int band) const;
};

ArrangeOutcome ArrangeByFrequency(int group);
