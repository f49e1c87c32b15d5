#include "CliExportChannels.h"

#include "ChannelExport.h"
#include "CliOutputPath.h"
#include "ControlChars.h"
#include "DataFile.h"
#include "LangText.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "SaveTarget.h"

#include <cstdio>

int runExportChannels(const QString &inDat, const QString &outCsv, const QString &format)
{
    ChannelCsvFormat fmt = ChannelCsvFormat::Tarven;
    if (!format.isEmpty() && !ChannelCsvFormatByName(format, &fmt)) {
        std::fprintf(stderr, "tarven-cli: unknown format \"%s\" (tarven or chirp)\n", qPrintable(EscapeControls(format)));
        return 2;
    }
    if (!CheckOutputPath(outCsv, {inDat}) || OpenDataFile(inDat) != FileResult::Ok)
        return 1;
    QString error;
    if (!SaveFileBytes(outCsv, ExportChannelTable(Image(), Run().BandMode, fmt), {inDat}, &error)) {
        ReportUnwritable(outCsv, error);
        return 1;
    }
    return 0;
}

int runExportCommand(const CliArgs &args)
{
    return runExportChannels(args.value(QStringLiteral("--in")), args.value(QStringLiteral("--out")),
                             args.value(QStringLiteral("--format")));
}
