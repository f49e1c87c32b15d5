#pragma once
#include "CliArgs.h"

// tarven-cli ports: the serial devices present, with their COM numbers and what the
// system knows about them.
int runPortsCommand(const CliArgs &args);

// Replaces "--port auto" by the only USB serial device present. False, with the reason
// printed, when there is none or more than one.
bool ResolvePortOption(CliArgs &args);
