#include "CliHistory.h"

#include "BackupStore.h"
#include "ControlChars.h"
#include "CliUsage.h"
#include "HistoryWords.h"
#include "Models.h"
#include "RadioHistory.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

// The radios in the order of their newest entry, newest last; the unknown radio (no
// serial number) under "".
QStringList radiosInOrder(const QList<HistoryEntry> &entries)
{
    QStringList order;
    for (const HistoryEntry &e : entries) {
        order.removeAll(e.serial);
        order << e.serial;
    }
    return order;
}

void printText(const QString &folder, const QList<HistoryEntry> &entries)
{
    std::printf("Radio history in %s: %lld entries\n", qPrintable(EscapeControls(folder)),
                static_cast<long long>(entries.size()));
    for (const QString &serial : radiosInOrder(entries)) {
        std::printf("\n%s\n", qPrintable(EscapeControls(HistoryWords::RadioTitle(serial))));
        for (const HistoryEntry &e : entries) {
            if (e.serial != serial)
                continue;
            QString line = QStringLiteral("  %1  %2  %3  %4  %5")
                               .arg(e.when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))
                               .arg(HistoryWords::Kind(e.kind), -14)
                               .arg(BandName(e.band), -3)
                               .arg(e.firmware.isEmpty() ? QStringLiteral("-") : e.firmware, -4)
                               .arg(e.fileName());
            const QString result = HistoryWords::Result(e);
            if (!result.isEmpty())
                line += QStringLiteral("  ") + result;
            if (e.changesKnown)
                line += QStringLiteral("  ") + HistoryWords::ChangeCount(int(e.changes.size()));
            std::printf("%s\n", qPrintable(EscapeControls(line)));
        }
    }
}

void printJson(const QString &folder, const QList<HistoryEntry> &entries)
{
    QJsonArray list;
    for (const HistoryEntry &e : entries) {
        QJsonObject o = EntryJson(e);
        o[QStringLiteral("path")] = e.path;
        o[QStringLiteral("bandName")] = BandName(e.band).toLower();
        o[QStringLiteral("hasReceipt")] = e.hasReceipt;
        list.append(o);
    }
    QJsonObject root;
    root[QStringLiteral("folder")] = folder;
    root[QStringLiteral("radios")] = QJsonArray::fromStringList(radiosInOrder(entries));
    root[QStringLiteral("entries")] = list;
    std::printf("%s", QJsonDocument(root).toJson(QJsonDocument::Indented).constData());
}
} // namespace

int runHistoryCommand(const CliArgs &args)
{
    QString folder = BackupStore::DefaultFolder();
    if (args.contains(QStringLiteral("--dir"))) {
        folder = optionValue(args, QStringLiteral("--dir"));
        if (folder.isEmpty())
            return usageError(QStringLiteral("--dir needs a folder"));
    }
    const QFileInfo fi(folder);
    if (fi.exists() && !fi.isDir()) {
        std::fprintf(stderr, "tarven-cli: %s: not a folder\n", qPrintable(EscapeControls(folder)));
        return 1;
    }
    if (fi.exists() && !fi.isReadable()) {
        std::fprintf(stderr, "tarven-cli: %s: the folder cannot be read\n", qPrintable(EscapeControls(folder)));
        return 1;
    }
    // A folder that does not exist yet is an empty history.
    const QList<HistoryEntry> entries = RadioHistory::Entries(folder);
    if (args.contains(QStringLiteral("--json")))
        printJson(QDir(folder).absolutePath(), entries);
    else
        printText(folder, entries);
    return 0;
}
