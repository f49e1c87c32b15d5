#pragma once
#include "BackupStore.h"
#include "HistoryEntry.h"
#include "LinkOutcome.h"
#include "RadioImage.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

// The history of every radio this program has read or written, kept in the backup
// folder: each entry is a data file (BackupStore names it) and a receipt file beside
// it. An index, "history-index.json", lists every entry so that the history opens
// without reading each receipt; it is only a copy: whenever it is missing, damaged or
// out of step with the files, it is rebuilt from them, so losing it loses nothing.
//
// Entries are kept in the order they were made. After each entry that counts, the
// history keeps its newest kBackupsKept entries, and also, whatever their age, the entry
// just made and every radio's latest read.
//
// The functions take the folder each time and hold nothing between calls, so the
// desktop program, `tarven-cli` and a fleet session can share one folder; a lock file
// keeps two writers from taking the same entry number.
namespace RadioHistory {

constexpr int kEntriesKept = BackupStore::kBackupsKept;

QString IndexPath(const QString &folder);

// Every entry, oldest first (the order they were made).
QList<HistoryEntry> Entries(const QString &folder);
// The entry of one data file in `folder` (a path or a bare file name).
std::optional<HistoryEntry> Find(const QString &folder, const QString &fileOrPath);
// The newest entry that says what the radio with this serial number holds: its latest
// read, or a later write that was read back and matched. None for an empty serial.
std::optional<HistoryEntry> LatestContents(const QString &folder, const QString &serial);

// Writes the index anew from the files; false when it cannot be written.
bool RebuildIndex(const QString &folder);

struct Recorded {
    bool ok = false;
    HistoryEntry entry;   // as recorded (entry.path is the data file)
    QString error;        // why nothing was recorded
    int removed = 0;      // old entries removed to keep the limit
};

// A read: the image the radio held.
Recorded RecordRead(const QString &folder, const RadioImage &img, const QString &serial, const QString &firmware,
                    const QDateTime &when = QDateTime::currentDateTime(), int keep = kEntriesKept);

// What is known of one write to a radio; the one thing every writer (the desktop
// program, `tarven-cli write`, a fleet session) hands to the history afterwards.
struct WriteReceipt {
    RadioImage written;                 // the image sent
    QString serial;                     // the radio's serial number, when known
    QString firmware;                   // its firmware version, when known
    bool restore = false;               // the image put back an earlier entry
    QString previousEntry;              // the history entry with what the radio held before
    std::optional<RadioImage> previous; // or that image itself, when it is in no entry
    LinkOutcome outcome;                // how far the write got, and what the read back found
};

// How a write ended for the radio's memory, from the engine's outcome.
WriteResult ResultOf(const LinkOutcome &outcome);

// Records a finished write at once: the image written and its receipt (what it
// changed against the radio's previous contents, when those are known, and the result
// of the read back). A write that sent no data frame leaves nothing (ok, empty path).
Recorded RecordWrite(const QString &folder, const WriteReceipt &receipt,
                     const QDateTime &when = QDateTime::currentDateTime(), int keep = kEntriesKept);

// The same in two steps, for a writer that wants the image kept before anything is sent
// (a program that ends mid-write leaves the entry, marked pending): BeginWrite stores
// the image without counting it towards the limit; FinishWrite adds the outcome, or
// removes the entry when no data frame was sent.
Recorded BeginWrite(const QString &folder, const WriteReceipt &receipt,
                    const QDateTime &when = QDateTime::currentDateTime());
Recorded FinishWrite(const QString &folder, const HistoryEntry &begun, const WriteReceipt &receipt,
                     int keep = kEntriesKept);

// Keeps the newest `keep` entries, the entry `justMade` and every radio's latest read;
// returns how many entries went.
int Prune(const QString &folder, int keep = kEntriesKept, const QString &justMade = QString());

// What a write changed against the radio's previous contents, in the compare window's
// words ("Channel 12 (EU 12): TX power Low → High").
QList<Difference> WriteChanges(const RadioImage &previous, const RadioImage &written);

} // namespace RadioHistory
