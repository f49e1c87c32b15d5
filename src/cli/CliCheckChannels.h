#pragma once
#include "CliArgs.h"

#include <QString>

// tarven-cli check: lists the mistakes CheckChannels finds in a data file, one channel
// and reason a line (or as JSON). Exit 0 when none, 1 with findings, 2 when the file
// cannot be read or the usage is wrong.
int runCheckChannels(const QString &path, bool json, const QString &region);
// The command table's entry: FILE.dat [--json] [--region 1|2|3].
int runCheckCommand(const CliArgs &args);
