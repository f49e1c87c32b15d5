#pragma once

// Selection shared by the channel grid and the channel edit dialog, and which of the
// two windows is open (the image layer refreshes only open windows).
struct EditState {
    int CurrentGroup = 0;
    int CurrentChannel = 1;      // 1-based position in the group
    int lastEnteredRow = 1;      // shown in the grid's caption
    bool ChGridOpen = false;
    bool ChEditOpen = false;
};

EditState &Edit();
