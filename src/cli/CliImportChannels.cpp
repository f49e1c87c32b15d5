#include "CliImportChannels.h"

#include "ChannelImport.h"
#include "CliOutputPath.h"
#include "ControlChars.h"
#include "DataFile.h"
#include "LangText.h"

#include <QFile>
#include <cstdio>

int runImportChannels(const QString &inDat, const QString &csvPath, const QString &outDat)
{
    // The new data file never replaces the table or the data file it is made from.
    const QStringList inputs{inDat, csvPath};
    if (!CheckOutputPath(outDat, inputs))
        return 1;
    QFile csv(csvPath);
    if (!csv.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s %s\n", qPrintable(LangText(9002)), qPrintable(EscapeControls(csvPath)));
        return 1;
    }
    const QByteArray table = csv.readAll();
    if (OpenDataFile(inDat) != FileResult::Ok)
        return 1;
    const ImportOutcome outcome = ImportChannelTable(table);
    if (!outcome.ok) {
        std::fprintf(stderr, "%s\n%s\n", qPrintable(LangText(30207)), qPrintable(outcome.errorReport()));
        return 1;
    }
    return SaveDataFile(outDat, inputs) == FileResult::Ok ? 0 : 1;
}

int runImportCommand(const CliArgs &args)
{
    return runImportChannels(args.value(QStringLiteral("--in")), args.value(QStringLiteral("--csv")),
                             args.value(QStringLiteral("--out")));
}
