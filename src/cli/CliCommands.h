#pragma once
#include "CliArgs.h"

#include <QList>
#include <QString>
#include <QStringList>

// The command table of tarven-cli. A command is one entry here and one function: the
// parser, the usage lines, `--help` and the shell completion all come from this table.
struct CliCommand {
    const char *name;
    const char *summary;
    QStringList required;     // options the command cannot run without (catalog names)
    QStringList optional;     // further options it accepts
    QStringList positional;   // names of its positional arguments, all needed
    int (*run)(const CliArgs &args);
};

const QList<CliCommand> &CliCommands();
const CliCommand *FindCliCommand(const QString &name);

// "read --port DEVICE --out FILE [--password TEXT] [--trace FILE]"
QString CommandSynopsis(const CliCommand &command);
// The help of one command: synopsis, summary and its options.
QString CommandHelp(const CliCommand &command);

// Parses the arguments after the command name. On bad usage returns false with one
// line in *error; *helpAsked is set for -h/--help.
bool ParseCommandArgs(const CliCommand &command, const QStringList &arguments, CliArgs *parsed,
                      bool *helpAsked, QString *error);
