#pragma once
#include <QString>
#include <QStringList>

// Argument helpers shared by the tarven-cli commands.
QString optionValue(const QStringList &args, const QString &name);   // "--name VALUE"
QStringList positionalArgs(const QStringList &args);                 // arguments that are no option or option value
int usageError(const QString &what);                                 // prints usage, returns 2
void printUsage();
