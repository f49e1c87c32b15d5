#pragma once
#include <QString>
#include <QStringList>

// tarven-cli read, write, info and simulate: the radio link without windows. Questions
// are answered No / Cancel, a password comes only from --password. Exit status 0 on
// success, 1 when the operation fails, 2 for bad usage.
bool isLinkCommand(const QString &command);
int runLinkCommand(const QString &command, const QStringList &args);
