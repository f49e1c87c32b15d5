// tarven-cli: the command-line tool over the same core as the desktop program.
#include "CliDiff.h"
#include "CliDocument.h"
#include "CliExportChannels.h"
#include "CliImportChannels.h"
#include "CliLink.h"
#include "CliUsage.h"
#include "Startup.h"
#include "VersionTable.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
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
    if (command == QLatin1String("export")) {
        const QString in = optionValue(args, QStringLiteral("--in")), out = optionValue(args, QStringLiteral("--out"));
        if (in.isEmpty() || out.isEmpty())
            return usageError(QStringLiteral("export needs --in FILE.dat and --out FILE.csv"));
        return runExportChannels(in, out, optionValue(args, QStringLiteral("--format")));
    }
    if (command == QLatin1String("import")) {
        const QString in = optionValue(args, QStringLiteral("--in")), csv = optionValue(args, QStringLiteral("--csv"));
        const QString out = optionValue(args, QStringLiteral("--out"));
        if (in.isEmpty() || csv.isEmpty() || out.isEmpty())
            return usageError(QStringLiteral("import needs --in FILE.dat, --csv FILE.csv and --out NEW.dat"));
        return runImportChannels(in, csv, out);
    }
    if (command == QLatin1String("diff"))
        return runDiffCommand(args);
    if (isLinkCommand(command))
        return runLinkCommand(command, args);
    if (command == QLatin1String("--help") || command == QLatin1String("help")) {
        printUsage();
        return 0;
    }
    return usageError(QStringLiteral("unknown command \"%1\"").arg(command));
}
