#pragma once
#include <QString>
#include <QStringList>

// Where the user's documents are, kept in the per-user settings store (group
// "Settings"): the most recent documents, newest first, and the folder the file
// dialogs start in.

constexpr int kRecentFileCount = 8;

QStringList RecentFiles();
// Puts the path first (an earlier entry of the same file moves up); keeps eight.
void AddRecentFile(const QString &path);
void RemoveRecentFile(const QString &path);

// The folder last used in a file dialog; the user's home the first time, or when that
// folder is gone. Never the program folder.
QString LastFolder();
// Remembers the folder of a file chosen in a file dialog.
void RememberFolderOf(const QString &filePath);
