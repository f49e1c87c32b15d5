#include "CliWritePlan.h"

#include "CliLinkRun.h"
#include "CliTransferSafety.h"
#include "ControlChars.h"
#include "HistoryWords.h"
#include "ImageDiff.h"
#include "RadioHistory.h"
#include "RadioImage.h"
#include "ReadImage.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {
constexpr int kNoChanges = 0;
constexpr int kChanges = 1;

QJsonObject differenceJson(const Difference &d)
{
    QJsonObject o;
    o[QStringLiteral("key")] = d.key;
    o[QStringLiteral("place")] = d.place;
    o[QStringLiteral("setting")] = d.setting;
    o[QStringLiteral("before")] = d.before;
    o[QStringLiteral("after")] = d.after;
    o[QStringLiteral("text")] = d.text();
    return o;
}
} // namespace

int runWritePlan(LinkRun &link, CliTransferSafety &safety, const QString &documentPath, bool json)
{
    // The read compares with the document's model; the document itself stays as opened.
    const RadioImage document = Image();
    const bool read = link.run([](LinkEngine &e) { return e.StartRead(LinkEngine::Confirm::Given); });
    if (safety.cancelledExit() >= 0)
        return CliTransferSafety::kCancelledExit;
    RadioImage radio;
    if (!read || !ImageFromRead(radio))
        return kPlanTrouble;
    if (radio.header.model.bandMode != document.header.model.bandMode) {
        std::fprintf(stderr, "tarven-cli: the radio is set to another band than %s; a write would be refused\n",
                     qPrintable(EscapeControls(QFileInfo(documentPath).fileName())));
        return kPlanTrouble;
    }
    const QList<Difference> changes = RadioHistory::WriteChanges(radio, document);
    const QString serial = safety.history().serial();
    const auto entry = safety.history().lastRead();
    if (json) {
        QJsonArray list;
        for (const Difference &d : changes)
            list.append(differenceJson(d));
        QJsonObject root;
        root[QStringLiteral("serialNumber")] = serial;
        root[QStringLiteral("firmware")] = Link().RadioIdent.version;
        root[QStringLiteral("document")] = documentPath;
        root[QStringLiteral("radioEntry")] = entry ? entry->path : QString();
        root[QStringLiteral("changes")] = list;
        std::printf("%s", QJsonDocument(root).toJson(QJsonDocument::Indented).constData());
    } else {
        for (const Difference &d : changes)
            std::printf("%s\n", d.text().toUtf8().constData());
        std::fprintf(stderr, "tarven-cli: %s: %lld change(s); nothing was written\n",
                     qPrintable(EscapeControls(HistoryWords::RadioTitle(serial))),
                     static_cast<long long>(changes.size()));
    }
    return changes.isEmpty() ? kNoChanges : kChanges;
}
