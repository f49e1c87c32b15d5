#pragma once
#include <QString>

// Where the files a user changes (mysetup.ini, Setting.ini) live.
//
// A portable program tree that this user may write keeps them in the tree, beside the
// program. An installed tree (one that is not writable, or that carries the marker file
// written by the install step) is shared by every user of the machine: each user gets
// his own copies under $XDG_CONFIG_HOME/tarven/, made from the installed files (the
// defaults) on the first write. Version.ini, the language texts and Init/ are only ever
// read, from the tree. The per-user settings store of QSettings (organisation "tarven")
// lives in the same folder in both cases.

// The file in ParentDir whose presence makes a tree installed.
inline constexpr const char *kInstalledMarker = "installed-tree";

bool SettingsInTree();      // true for a portable tree
QString UserConfigDir();    // $XDG_CONFIG_HOME/tarven (~/.config/tarven)

// The file to read for `treeFile`: the user's copy when it exists, else the tree's.
QString SettingsReadPath(const QString &treeFile);
// The file to write for `treeFile`; in an installed tree the user's copy, created from
// the tree's file first when it does not exist yet. Empty when the folder cannot be made.
QString SettingsWritePath(const QString &treeFile);
