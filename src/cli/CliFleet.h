#pragma once
#include "CliArgs.h"

// tarven-cli fleet: one data file into many radios, each checked after writing and
// logged by its serial number. Exit status 0 when every radio ended verified, 1 when
// one did not (or the session could not start), 130 when a radio in flight was
// cancelled (SIGINT / SIGTERM), 2 for bad usage.
int runFleetCommand(const CliArgs &args);
