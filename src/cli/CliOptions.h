#pragma once
#include <QString>

// Every option a tarven-cli command may take, described once: its name without dashes,
// the name of its value (empty for a flag) and one line of help. A command lists the
// names it accepts in its entry of the command table.
struct CliOptionEntry {
    const char *name;
    const char *valueName;
    const char *help;
};

// The description of an option; null for a name the catalog does not hold.
const CliOptionEntry *FindCliOption(const QString &name);
