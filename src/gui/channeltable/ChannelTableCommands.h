#pragma once

class frmMain;

// Connects the main window's entries for the channel table: Edit -> "Channel table"
// and "Check channels" open their windows.
void InstallChannelTableCommands(frmMain *main);
