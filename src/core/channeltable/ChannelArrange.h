#pragma once
#include <QString>

// "Arrange by frequency": the channels of a group take the positions the group already
// uses, in the order of their receive frequencies (equal frequencies keep their order).
// Channels move whole, as the grid's Move commands move them, and the group's settings
// then follow the same rules as after a move. Only where channels may move (not the CB
// band, not the VFO).
struct ArrangeOutcome {
    bool allowed = false;   // the group's channels may be moved at all
    int channels = 0;       // channels of the group
    int moved = 0;          // channels that took another position
    bool settingsChanged = false;   // the group's current channel or numbered settings changed
    // What the command did, in the user's words.
    QString text(int group, int band) const;
};

ArrangeOutcome ArrangeByFrequency(int group);
