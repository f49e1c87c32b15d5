#pragma once
#include "CliArgs.h"

#include <QString>

// tarven-cli export: the channels of a data file as a CSV table ("tarven" or "chirp").
// Returns the exit status: 0 written, 1 the data file or the table could not be read or
// written, 2 an unknown format.
int runExportChannels(const QString &inDat, const QString &outCsv, const QString &format);
// The command table's entry: --in, --out, [--format].
int runExportCommand(const CliArgs &args);
