#pragma once
#include <QString>

// Whether a data file can be saved at `path` (its folder exists and is writable, and
// the path is no device, pipe or folder); says why not on stderr. Checked before a
// transfer, so a read is never run only to lose its data.
bool CheckOutputPath(const QString &path);
