#include "CliReport.h"

#include "CliOutputPath.h"
#include "LangText.h"
#include "SupportReport.h"

#include <cstdio>

int runReportCommand(const CliArgs &args)
{
    const QString out = optionValue(args, QStringLiteral("--out"));
    if (!CheckOutputPath(out))
        return 1;
    std::fprintf(stderr, "%s\n", qPrintable(SupportReportWhatGoesIn()));
    SupportReportOptions options;
    options.includeTrace = args.contains(QStringLiteral("--include-trace"));
    QString error;
    if (!WriteSupportReport(out, options, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(LangText(30963).arg(error)));
        return 1;
    }
    std::printf("%s\n", qPrintable(LangText(30962).arg(out)));
    return 0;
}
