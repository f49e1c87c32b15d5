#pragma once
#include <QString>

#include <cstdio>

// Usage texts and the bad-usage exit of tarven-cli.
void SetUsageCommand(const QString &command);   // the command the next usage error is about
int usageError(const QString &what);            // prints one line on stderr, returns 2
void printUsage(std::FILE *to);                 // the commands and the general options
void printVersion();                            // "tarven-cli 1.0.0"
