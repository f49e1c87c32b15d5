#pragma once
#include "CliArgs.h"

// tarven-cli doctor: the connection checks with their verdicts and fixes; with --find,
// first the port finder (unplug the cable, plug it in). Exit 0 when no check found a
// problem, 1 otherwise.
int runDoctorCommand(const CliArgs &args);
