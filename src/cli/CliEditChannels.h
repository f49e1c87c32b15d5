#pragma once
#include "CliArgs.h"

#include <QString>
#include <QStringList>

// tarven-cli edit: NAME=VALUE settings stored into a list of channels of a data file,
// saved as a new data file. Every channel takes the settings or none does; on failure
// the reasons go to stderr, no file is written and the status is 1 (2 for a malformed
// setting). The output is never the input file.
int runEditChannels(const QString &inDat, const QString &outDat, const QString &selection, const QStringList &sets);
// The command table's entry: --in, --out, --channels, --set (repeatable).
int runEditCommand(const CliArgs &args);
