#include "CliEditChannels.h"

#include "ChannelBulkEdit.h"
#include "ChannelSpec.h"
#include "DataFile.h"
#include "LangText.h"
#include "RunSettings.h"

#include <QFileInfo>
#include <cstdio>

namespace {
void fail(const QString &text)
{
    std::fprintf(stderr, "tarven-cli: %s\n", qPrintable(text));
}

// The edit is saved as a new file: writing over the input would leave no copy of it
// should the result turn out wrong.
bool sameFile(const QString &a, const QString &b)
{
    const QFileInfo fa(a), fb(b);
    if (fa.exists() && fb.exists())
        return fa.canonicalFilePath() == fb.canonicalFilePath();
    return fa.absoluteFilePath() == fb.absoluteFilePath();
}
}

int runEditChannels(const QString &inDat, const QString &outDat, const QString &spec, const QStringList &sets)
{
    QHash<QString, QString> cells;
    QString error;
    if (!ParseChannelSettings(sets, &cells, &error)) {
        fail(error);
        return 2;
    }
    if (sameFile(inDat, outDat)) {
        fail(LangText(31011).arg(outDat));
        return 2;
    }
    if (OpenDataFile(inDat) != FileResult::Ok)
        return 1;
    QList<int> numbers;
    if (!ParseChannelSpec(spec, Run().BandMode, &numbers, &error)) {
        fail(error);
        return 1;
    }
    const BulkEditOutcome outcome = ApplyChannelSettings(cells, numbers, RefusedChannels::CancelAll);
    if (!outcome.refusals.isEmpty()) {
        std::fprintf(stderr, "%s\n%s\n", qPrintable(LangText(31001)), qPrintable(outcome.refusalReport(Run().BandMode)));
        return 1;
    }
    return SaveDataFile(outDat) == FileResult::Ok ? 0 : 1;
}

int runEditCommand(const CliArgs &args)
{
    return runEditChannels(args.value(QStringLiteral("--in")), args.value(QStringLiteral("--out")),
                           args.value(QStringLiteral("--channels")), args.values(QStringLiteral("--set")));
}
