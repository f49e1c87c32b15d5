#pragma once
#include "ImageDiff.h"

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// One entry of a radio's history: a data file in the backup folder holding an image
// that was read from a radio or written to one, and what is known about it (kept in a
// small receipt file beside it, "<name>.json").
enum class HistoryKind { Read, Write, VerifiedWrite, Restore };

// How a write ended, as far as the radio's memory is concerned.
enum class WriteResult {
    None,          // not a write (a read)
    Pending,       // under way, or the program ended before it was told
    NothingSent,   // no data frame reached the radio: it is unchanged
    Partial,       // the radio acknowledged the new data up to an address, then stopped
    Unchecked,     // all data was sent; what the radio stored was not read back
    Verified,      // read back: the radio holds exactly what was sent
    Differences,   // read back: the radio holds other values in places
};

struct HistoryEntry {
    QString path;                 // the data file
    qint64 sequence = 0;          // the order in which entries were made (0: an earlier release's)
    HistoryKind kind = HistoryKind::Read;
    QDateTime when;               // local time of the entry
    QString serial;               // the radio's serial number, when known
    QString firmware;             // the radio's firmware version, when known ("V100")
    int band = 0;
    WriteResult result = WriteResult::None;
    bool restore = false;         // a write that put back an earlier entry
    bool cancelled = false;       // the user cancelled the write
    int writtenBytes = -1;        // a write: bytes from 0000 the radio acknowledged
    QString previous;             // file name of the entry with what the radio held before
    QList<Difference> changes;    // a write: what it changed against `previous`
    bool changesKnown = false;    // false when the radio's previous contents were unknown
    QStringList verifyDifferences;   // where the radio did not store what was sent
    bool hasReceipt = false;      // the receipt file was found

    QString fileName() const;
    // True when the entry says what the radio held afterwards: a read, or a write
    // whose read back matched.
    bool knowsRadioContents() const;
};

// Stable words for files and --json: "read", "write", "verified-write", "restore";
// "pending", "nothing-sent", "partial", "unchecked", "verified", "differences".
QString KindWord(HistoryKind kind);
QString ResultWord(WriteResult result);
WriteResult ResultFromWord(const QString &word);

// The receipt file's contents and back. `EntryFromJson` fills only what the object holds
// over what `base` (taken from the file name) says.
QJsonObject EntryJson(const HistoryEntry &e);
HistoryEntry EntryFromJson(const QJsonObject &o, const HistoryEntry &base);
