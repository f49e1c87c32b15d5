#include "CliTransferSafety.h"

#include "BackupStore.h"
#include "CliSignals.h"
#include "CliUsage.h"
#include "LinkEngine.h"
#include "HistoryEntry.h"
#include "LinkState.h"
#include "RadioImage.h"
#include "StoredDiff.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>

QString ShellQuoted(const QString &text)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./:=+-]+$"));
    if (plain.match(text).hasMatch())
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

bool parseSafetyOptions(const CliArgs &args, bool write, CliSafetyOptions *out, QString *error)
{
    const bool noBackup = args.contains(QStringLiteral("--no-backup"));
    const bool hasDir = args.contains(QStringLiteral("--backup-dir"));
    if (noBackup && hasDir) {
        *error = QStringLiteral("--backup-dir and --no-backup exclude each other");
        return false;
    }
    if (args.contains(QStringLiteral("--verify")) && !write) {
        *error = QStringLiteral("--verify belongs to write");
        return false;
    }
    CliSafetyOptions o;
    o.verify = args.contains(QStringLiteral("--verify"));
    if (hasDir) {
        o.backupDir = optionValue(args, QStringLiteral("--backup-dir"));
        if (o.backupDir.isEmpty() || o.backupDir.startsWith(QLatin1String("--"))) {
            *error = QStringLiteral("--backup-dir needs a folder");
            return false;
        }
    } else if (!noBackup) {
        o.backupDir = BackupStore::DefaultFolder();
    }
    *out = o;
    return true;
}

bool parseFlipStored(const QString &text, int *address, int *mask)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() > 2)
        return false;
    bool ok = false;
    const int a = parts.at(0).toInt(&ok, 16);
    if (!ok || a < 0 || a >= kTransferBytes)
        return false;
    int m = 1;
    if (parts.size() == 2) {
        m = parts.at(1).toInt(&ok, 16);
        if (!ok || m < 1 || m > 0xFF)
            return false;
    }
    *address = a;
    *mask = m;
    return true;
}

CliTransferSafety::CliTransferSafety(LinkEngine &engine, const CliSafetyOptions &options, const QString &portName)
    : engine_(engine), backups_(engine), portName_(portName)
{
    backups_.setFolder(options.backupDir);
    engine.setVerifyAfterWrite(options.verify);
    OnTerminationSignals([&engine] { engine.Cancel(); });
}

int CliTransferSafety::cancelledExit() const
{
    const LinkOutcome &o = engine_.lastOutcome();
    if (!o.cancelled)
        return -1;
    if (o.operation != LinkWrite) {
        std::fprintf(stderr, o.operation == LinkRead ? "tarven-cli: read cancelled; no file was written\n"
                                                     : "tarven-cli: cancelled\n");
        return kCancelledExit;
    }
    if (o.writtenBytes <= 0) {
        std::fprintf(stderr, "tarven-cli: write cancelled before any data was sent; the radio is unchanged\n");
    } else if (o.writtenBytes >= kTransferBytes) {
        std::fprintf(stderr, "tarven-cli: write cancelled after all data was sent; it was not checked\n");
    } else {
        const int last = o.writtenBytes - 1;
        std::fprintf(stderr,
                     "tarven-cli: write cancelled; the radio may hold a partial write: addresses 0000 to %04X "
                     "(up to %s) hold the new data\n",
                     last, qPrintable(StoredDiff::BlockPlace(last & ~0xF, Image().header.model.bandMode)));
    }
    if (o.writtenBytes > 0)
        printRestoreHint(portName_);
    return kCancelledExit;
}

void CliTransferSafety::printRestoreHint(const QString &port) const
{
    const QString previous = backups_.previousOfLastWrite();
    if (previous.isEmpty() || !QFileInfo::exists(previous))
        return;
    std::fprintf(stderr,
                 "tarven-cli: what the radio held before is in the radio history; to restore it:\n"
                 "  tarven-cli write --port %s --in %s\n",
                 qPrintable(ShellQuoted(port)), qPrintable(ShellQuoted(previous)));
}

void CliTransferSafety::reportWrite(bool success) const
{
    const LinkOutcome &o = engine_.lastOutcome();
    if (o.cancelled)
        return;
    if (!success) {
        if (o.writtenBytes <= 0)
            return;   // the engine's message said why; the radio is unchanged
        std::fprintf(stderr, "tarven-cli: %s\n",
                     qPrintable(RadioHoldsText(o, Image().header.model.bandMode)));
        printRestoreHint(portName_);
        return;
    }
    if (const auto entry = backups_.lastEntry(); entry && entry->kind != HistoryKind::Read)
        std::fprintf(stderr, "tarven-cli: receipt kept in the radio history: %s\n", qPrintable(entry->path));
}
