#include "CliImportChannels.h"

#include "ChannelCsvFields.h"
#include "ChannelGroup.h"
#include "ChannelImport.h"
#include "CliOutputPath.h"
#include "ControlChars.h"
#include "DataFile.h"
#include "LangText.h"
#include "RunSettings.h"

#include <cstdio>

int runImportChannels(const QString &inDat, const QString &csvPath, const QString &outDat, const QString &placeGroup)
{
    // The new data file never replaces the table or the data file it is made from.
    const QStringList inputs{inDat, csvPath};
    if (!CheckOutputPath(outDat, inputs))
        return 1;
    QByteArray table;
    if (!ReadTableFile(csvPath, &table)) {
        std::fprintf(stderr, "%s %s\n", qPrintable(LangText(9002)), qPrintable(EscapeControls(csvPath)));
        return 1;
    }
    if (OpenDataFile(inDat) != FileResult::Ok)
        return 1;
    RowPlacement placement;
    if (!placeGroup.isEmpty()) {
        const int band = Run().BandMode;
        placement.group = GroupIndexByName(placeGroup.trimmed().toUpper(), band);
        if (placement.group < 0) {
            std::fprintf(stderr, "tarven-cli: %s\n",
                         qPrintable(LangText(30709).arg(CellInMessage(placeGroup), GroupNames(band).join(QStringLiteral(", ")))));
            return 2;
        }
    }
    const ImportOutcome outcome = ImportChannelTable(table, placement);
    if (!outcome.ok) {
        // Cells are quoted escaped already; the whole report is escaped once more in case
        // a message of the core quotes file text too.
        std::fprintf(stderr, "%s\n%s\n", qPrintable(LangText(30207)),
                     qPrintable(EscapeControls(outcome.errorReport(), LineBreaks::Keep)));
        return 1;
    }
    return SaveDataFile(outDat, inputs) == FileResult::Ok ? 0 : 1;
}

int runImportCommand(const CliArgs &args)
{
    return runImportChannels(args.value(QStringLiteral("--in")), args.value(QStringLiteral("--csv")),
                             args.value(QStringLiteral("--out")), args.value(QStringLiteral("--place")));
}
