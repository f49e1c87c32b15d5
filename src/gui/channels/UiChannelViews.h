#pragma once

// Connects the image layer's channel view hooks to the loaded channel windows, found
// by name (the grid "frmCommChInfo", the edit dialog "FrmCHInfoEdit"). Idempotent.
void InstallChannelViewHooks();

// The shared selection (CurrentGroup / CurrentChannel) changed in one channel window:
// the other one follows.
void EditDialogFollowSelection();   // dialog shows CurrentGroup / CurrentChannel
void GridFollowSelection();         // grid shows CurrentGroup and selects CurrentChannel
