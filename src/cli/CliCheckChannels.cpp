#include "CliCheckChannels.h"

#include "BandPlans.h"
#include "ChannelChecks.h"
#include "ChannelCsvFields.h"
#include "DataFile.h"
#include "LangText.h"
#include "RadioImage.h"
#include "RunSettings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace {
constexpr int kFindings = 1;
constexpr int kTrouble = 2;

QString labelOf(int number, int band)
{
    const QString label = ChannelLabel(number, band);
    return label.isEmpty() ? QString::number(number) : label;
}
}

int runCheckChannels(const QString &path, bool json, const QString &regionText)
{
    int region = BandPlanRegion();
    if (!regionText.isEmpty()) {
        bool ok = false;
        region = regionText.toInt(&ok);
        if (!ok || region < kFirstBandPlanRegion || region > kLastBandPlanRegion) {
            std::fprintf(stderr, "tarven-cli: --region takes 1, 2 or 3, not \"%s\"\n", qPrintable(regionText));
            return kTrouble;
        }
    }
    if (OpenDataFile(path) != FileResult::Ok)
        return kTrouble;
    const int band = Run().BandMode;
    const QList<ChannelFinding> findings = CheckChannels(Image(), band, region);
    if (json) {
        QJsonArray list;
        for (const ChannelFinding &f : findings) {
            QJsonObject o;
            o[QStringLiteral("channel")] = labelOf(f.number, band);
            o[QStringLiteral("location")] = f.number;
            o[QStringLiteral("kind")] = FindingKindWord(f.kind);
            o[QStringLiteral("reason")] = f.reason;
            list.append(o);
        }
        QJsonObject root;
        root[QStringLiteral("region")] = region;
        root[QStringLiteral("findings")] = list;
        std::fputs(QJsonDocument(root).toJson().constData(), stdout);
    } else if (findings.isEmpty()) {
        std::printf("%s\n", qPrintable(LangText(31023)));
    } else {
        for (const ChannelFinding &f : findings)
            std::printf("%s\t%s\n", qPrintable(labelOf(f.number, band)), qPrintable(f.reason));
        std::printf("%s\n", qPrintable(FindingCount(int(findings.size()))));
    }
    return findings.isEmpty() ? 0 : kFindings;
}

int runCheckCommand(const CliArgs &args)
{
    return runCheckChannels(args.positional().value(0), args.contains(QStringLiteral("--json")),
                            args.value(QStringLiteral("--region")));
}
