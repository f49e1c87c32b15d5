#include "CliExportChannels.h"

#include "ChannelExport.h"
#include "DataFile.h"
#include "LangText.h"
#include "RadioImage.h"
#include "RunSettings.h"

#include <QSaveFile>
#include <cstdio>

int runExportChannels(const QString &inDat, const QString &outCsv, const QString &format)
{
    ChannelCsvFormat fmt = ChannelCsvFormat::Tarven;
    if (!format.isEmpty() && !ChannelCsvFormatByName(format, &fmt)) {
        std::fprintf(stderr, "tarven-cli: unknown format \"%s\" (tarven or chirp)\n", qPrintable(format));
        return 2;
    }
    if (OpenDataFile(inDat) != FileResult::Ok)
        return 1;
    QSaveFile file(outCsv);
    if (!file.open(QIODevice::WriteOnly) || file.write(ExportChannelTable(Image(), Run().BandMode, fmt)) < 0
        || !file.commit()) {
        std::fprintf(stderr, "%s %s\n", qPrintable(LangText(30214)), qPrintable(outCsv));
        return 1;
    }
    return 0;
}

int runExportCommand(const CliArgs &args)
{
    return runExportChannels(args.value(QStringLiteral("--in")), args.value(QStringLiteral("--out")),
                             args.value(QStringLiteral("--format")));
}
