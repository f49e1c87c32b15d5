#pragma once
#include <QString>

class LinkRun;
class CliTransferSafety;

// tarven-cli write --plan [--json]: reads the radio (kept in the radio history like any
// read), prints every setting the write of the opened document would change on it, in
// the compare window's words, and writes nothing. Exit 0 no changes, 1 changes, 2
// trouble (the radio does not answer, a model or band conflict, the read cancelled: 130).
constexpr int kPlanTrouble = 2;
int runWritePlan(LinkRun &link, CliTransferSafety &safety, const QString &documentPath, bool json);
