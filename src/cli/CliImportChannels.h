#pragma once
#include "CliArgs.h"

#include <QString>

// tarven-cli import: a CSV table into the channels of a data file, saved as a new data
// file. All rows are stored or none; on failure the reasons go to stderr, no file is
// written and the status is 1.
int runImportChannels(const QString &inDat, const QString &csvPath, const QString &outDat);
// The command table's entry: --in, --csv, --out.
int runImportCommand(const CliArgs &args);
