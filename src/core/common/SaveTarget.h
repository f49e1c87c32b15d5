#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// Where a file a command writes really goes. Every writer (data files, channel tables,
// PDF pages, trace logs, backups) follows the same rules. A symbolic link is followed
// to the file it names, so the link stays and its target gets the new contents; a path
// that names something other than a regular file (a device, a pipe, a folder) is
// refused, because the atomic save would replace that thing with a file.
struct SaveTarget {
    QString path;     // the file to write; empty when refused
    QString problem;  // why the target was refused, in the user's words
};

SaveTarget ResolveSaveTarget(const QString &path);

// The same rules, and a command never replaces a file it is reading or writing
// besides: the target is refused when it is one of `others` (the command's inputs and
// its other outputs), compared by resolved path and by device and inode, so another
// link to the same file is caught as well.
SaveTarget ResolveSaveTarget(const QString &path, const QStringList &others);

// Writes `bytes` as the whole new contents of the file at `path`, by the rules above:
// a new file renamed over the old one once completely written, so a failure never
// damages the previous file. False with the reason in `error`.
bool SaveFileBytes(const QString &path, const QByteArray &bytes, const QStringList &others = {},
                   QString *error = nullptr);
