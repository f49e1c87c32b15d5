#include "CliEditChannels.h"

#include "ChannelBulkEdit.h"
#include "ChannelSelection.h"
#include "CliOutputPath.h"
#include "DataFile.h"
#include "LangText.h"
#include "RunSettings.h"

#include <cstdio>

namespace {
void fail(const QString &text)
{
    std::fprintf(stderr, "tarven-cli: %s\n", qPrintable(text));
}
}

int runEditChannels(const QString &inDat, const QString &outDat, const QString &selection, const QStringList &sets)
{
    QHash<QString, QString> cells;
    QString error;
    if (!ParseChannelSettings(sets, &cells, &error)) {
        fail(error);
        return 2;
    }
    // The edit is saved as a new file, never over the data file it is made from.
    const QStringList inputs{inDat};
    if (!CheckOutputPath(outDat, inputs))
        return 1;
    if (OpenDataFile(inDat) != FileResult::Ok)
        return 1;
    QList<int> numbers;
    if (!ParseChannelSelection(selection, Run().BandMode, &numbers, &error)) {
        fail(error);
        return 1;
    }
    const BulkEditOutcome outcome = ApplyChannelSettings(cells, numbers, RefusedChannels::CancelAll);
    if (!outcome.refusals.isEmpty()) {
        std::fprintf(stderr, "%s\n%s\n", qPrintable(LangText(31001)), qPrintable(outcome.refusalReport(Run().BandMode)));
        return 1;
    }
    return SaveDataFile(outDat, inputs) == FileResult::Ok ? 0 : 1;
}

int runEditCommand(const CliArgs &args)
{
    return runEditChannels(args.value(QStringLiteral("--in")), args.value(QStringLiteral("--out")),
                           args.value(QStringLiteral("--channels")), args.values(QStringLiteral("--set")));
}
