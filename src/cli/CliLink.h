#pragma once
#include "CliArgs.h"

// tarven-cli read, write, info and simulate: the radio link without windows. Questions
// are answered No / Cancel, a password comes only from --password. Exit status 0 on
// success, 1 when the operation fails, 2 for bad usage.
int runReadCommand(const CliArgs &args);
int runWriteCommand(const CliArgs &args);
int runInfoCommand(const CliArgs &args);
int runSimulateCommand(const CliArgs &args);
