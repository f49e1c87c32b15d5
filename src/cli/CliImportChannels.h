#pragma once
#include "CliArgs.h"

#include <QString>

// tarven-cli import: a CSV table into the channels of a data file, saved as a new data
// file. All rows are stored or none; on failure the reasons go to stderr, no file is
// written and the status is 1. With a group, the rows go in file order into the group's
// free positions instead of the channels the table names.
int runImportChannels(const QString &inDat, const QString &csvPath, const QString &outDat,
                      const QString &placeGroup = QString());
// The command table's entry: --in, --csv, --out, --place.
int runImportCommand(const CliArgs &args);
