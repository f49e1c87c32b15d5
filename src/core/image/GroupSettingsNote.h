#pragma once
#include <QString>

// The per-group settings a channel command may change as a side effect (the current
// channel follows its channel, or moves when its channel goes; an emptied group loses
// its settings), taken before the command runs so the change can be named afterwards.
class GroupSettingsWatch {
public:
    GroupSettingsWatch(int group, int band);
    // "Channel group A: Current channel 1 → 2" for each setting that differs now, joined
    // by "; "; empty when none changed.
    QString changes() const;

private:
    struct Values {
        int current = 0;      // 1-based as the grid shows them
        int settingA = 0;
        int settingB = 0;
    };
    static Values read(int group, int band);
    int group_;
    int band_;
    Values before_;
};
