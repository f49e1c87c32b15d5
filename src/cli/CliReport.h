#pragma once
#include "CliArgs.h"

// tarven-cli report --out FILE.tar.gz [--include-trace]: says what goes into the support
// report, writes it and names the file. Nothing is sent anywhere.
int runReportCommand(const CliArgs &args);
