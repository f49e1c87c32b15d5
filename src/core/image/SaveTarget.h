#pragma once
#include <QString>

// Where a save really goes. A symbolic link is followed to the file it names, so the
// link stays and its target gets the new contents; a path that names something other
// than a regular file (a device, a pipe, a folder) is refused, because the atomic save
// would replace that thing with a file.
struct SaveTarget {
    QString path;     // the file to write; empty when refused
    QString problem;  // why the target was refused, in the user's words
};

SaveTarget ResolveSaveTarget(const QString &path);
