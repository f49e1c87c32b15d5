#pragma once
#include <QStringList>

// tarven-cli new and dump.
int runNewCommand(const QStringList &args);
int runDumpCommand(const QStringList &args);
