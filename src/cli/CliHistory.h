#pragma once
#include "CliArgs.h"

// tarven-cli history [--dir DIR] [--json]: the radio history kept in the backup folder
// (DIR, else the default backup folder), entries grouped by radio (serial number), each
// radio's entries in the order they were made. Exit 0, 1 when the folder cannot be read.
int runHistoryCommand(const CliArgs &args);
