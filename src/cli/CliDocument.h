#pragma once
#include "CliArgs.h"

// tarven-cli new and dump.
int runNewCommand(const CliArgs &args);
int runDumpCommand(const CliArgs &args);
