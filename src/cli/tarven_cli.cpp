// tarven-cli: the command-line tool over the same core as the desktop program.
#include "CliCommands.h"
#include "CliPorts.h"
#include "CliPrompts.h"
#include "CliUsage.h"
#include "Startup.h"
#include "VersionTable.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    CliPrompts cliPrompts;
    setPrompts(&cliPrompts);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        printUsage(stderr);
        return 2;
    }
    const QString first = args.takeFirst();
    if (first == QLatin1String("--help") || first == QLatin1String("-h")
        || (first == QLatin1String("help") && args.isEmpty())) {
        printUsage(stdout);
        return 0;
    }
    if (first == QLatin1String("--version")) {
        printVersion();
        return 0;
    }
    // "help COMMAND" is "COMMAND --help".
    const bool helpFor = first == QLatin1String("help");
    const QString name = helpFor ? args.takeFirst() : first;
    const CliCommand *command = FindCliCommand(name);
    if (!command)
        return usageError(name.startsWith(QLatin1Char('-')) ? QStringLiteral("unknown option '%1'").arg(name)
                                                            : QStringLiteral("unknown command '%1'").arg(name));
    SetUsageCommand(name);
    CliArgs parsed;
    bool helpAsked = helpFor;
    QString error;
    if (!helpFor && !ParseCommandArgs(*command, args, &parsed, &helpAsked, &error))
        return usageError(error);
    if (helpAsked) {
        std::fputs(CommandHelp(*command).toUtf8().constData(), stdout);
        return 0;
    }

    // Configuration is read, never written: the tool leaves the desktop program's files alone.
    LoadVersionTable();
    InitDefaults();
    if (!ResolvePortOption(parsed))
        return 1;
    return command->run(parsed);
}
