#pragma once
#include <functional>

// Callbacks through which the image layer refreshes the channel windows after a change.
// The desktop program installs them when the windows are created; headless callers
// leave them empty.
struct ChannelViewHooks {
    std::function<void(int number)> showGridRow;      // re-show one channel's grid row
    std::function<void()> reshowGroupSettings;       // every open grid: ReshowByCh
    std::function<void()> refreshEditDialog;         // channel edit dialog: show the stored channel
};

ChannelViewHooks &ChannelViews();
