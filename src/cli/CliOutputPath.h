#pragma once
#include <QString>
#include <QStringList>

// Whether a file can be written at `path` (its folder exists and is writable, and the
// target rules of SaveTarget allow it: no device, pipe or folder, none of `others`, the
// files the command reads or writes besides); says why not on stderr. Checked before a
// transfer, so a read is never run only to lose its data.
bool CheckOutputPath(const QString &path, const QStringList &others = {});

// "The file could not be written. PATH: reason" on stderr.
void ReportUnwritable(const QString &path, const QString &problem);
