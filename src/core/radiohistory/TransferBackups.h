#pragma once
#include "HistoryEntry.h"
#include "RadioImage.h"

#include <QObject>
#include <QSet>
#include <QString>
#include <optional>

class LinkEngine;

// Keeps the radio history of one link engine's transfers: the image a read brought, as
// soon as the read has succeeded (before it replaces the document), and the image about
// to be written, as soon as the user has confirmed the write (before anything is sent).
// When the write has ended, its entry gets its receipt (what it changed against the
// radio's previous contents, how far it got, what the read back found), or goes again
// when no data frame reached the radio. An entry that cannot be written gives a
// warning; the transfer goes on.
//
// Entries carry the radio's serial number once a radio-information read has succeeded
// on this engine, and the firmware version the radio reported in the transfer itself.
class TransferBackups : public QObject {
    Q_OBJECT
public:
    explicit TransferBackups(LinkEngine &engine, QObject *parent = nullptr);

    // Where the history is kept; empty turns it off.
    void setFolder(const QString &folder) { folder_ = folder; }
    QString folder() const { return folder_; }

    // The serial number of the radio on the line ("" when not known).
    QString serial() const { return serial_; }
    void setSerial(const QString &serial);
    // True when this run has read or written the radio with this serial number.
    bool seenInThisRun(const QString &serial) const { return seen_.contains(serial.trimmed()); }

    // The next write: an entry with what the radio holds before it (otherwise the latest
    // entry of the radio's serial number that says so), and whether it restores an
    // earlier entry. Both apply to one write only.
    void setPreviousForNextWrite(const QString &entryPath) { nextPrevious_ = entryPath; }
    void setNextWriteIsRestore(bool restore) { nextRestore_ = restore; }

    QString lastBackup() const { return last_ ? last_->path : QString(); }   // the last entry written
    std::optional<HistoryEntry> lastEntry() const { return last_; }
    std::optional<HistoryEntry> lastRead() const { return lastRead_; }
    // The entry holding what the radio held before the last write, when known.
    QString previousOfLastWrite() const { return previousOfWrite_; }

signals:
    void entryRecorded(const QString &path);

private:
    void onConfirmed(int operation);
    void onFinished(int operation, bool success);
    void warn(const QString &error);

    LinkEngine &engine_;
    QString folder_;
    QString serial_;
    QSet<QString> seen_;
    QString nextPrevious_;
    bool nextRestore_ = false;
    std::optional<HistoryEntry> last_;
    std::optional<HistoryEntry> lastRead_;
    std::optional<HistoryEntry> pendingWrite_;
    std::optional<RadioImage> writing_;   // the image the write sends, kept from its start
    QString previousOfWrite_;
    bool restoring_ = false;
};
