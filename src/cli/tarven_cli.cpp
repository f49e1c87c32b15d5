// tarven-cli: the command-line tool over the same core as the desktop program.
#include "CliDocument.h"
#include "CliLink.h"
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
    if (args.isEmpty())
        return usageError(QStringLiteral("no command given"));
    const QString command = args.takeFirst();

    // Configuration is read, never written: the tool leaves the desktop program's files alone.
    LoadVersionTable();
    InitDefaults();

    if (command == QLatin1String("new"))
        return runNewCommand(args);
    if (command == QLatin1String("dump"))
        return runDumpCommand(args);
    if (isLinkCommand(command))
        return runLinkCommand(command, args);
    if (command == QLatin1String("--help") || command == QLatin1String("help")) {
        printUsage();
        return 0;
    }
    return usageError(QStringLiteral("unknown command \"%1\"").arg(command));
}
