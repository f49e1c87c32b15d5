#pragma once
#include <QString>
#include <QStringList>

// tarven-cli diff A.dat B.dat [--json]: every difference between two documents, one
// line each ("Channel 12 (EU 12): TX power Low → High"), or a JSON object. Exit 0 when
// they hold the same, 1 when they differ, 2 for bad usage or a file that cannot be read.
int runDiffCommand(const QStringList &args);          // reads the arguments
int diffFiles(const QString &pathA, const QString &pathB, bool json);
