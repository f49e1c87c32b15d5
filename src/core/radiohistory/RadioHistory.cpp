#include "RadioHistory.h"

#include "DataFile.h"
#include "LinkState.h"
#include "MemoryMap.h"
#include "ReadImage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLockFile>
#include <QSaveFile>
#include <QSet>

#include <algorithm>

namespace RadioHistory {

namespace {
constexpr int kIndexVersion = 1;
constexpr qint64 kMaxReceiptBytes = 4 * 1024 * 1024;
constexpr int kLockWaitMs = 5000;

const QString &indexName()
{
    static const QString name = QStringLiteral("history-index.json");
    return name;
}

QString receiptPath(const QString &dataPath)
{
    return dataPath.chopped(4) + QStringLiteral(".json");
}

// A file of ours to write: a regular file or nothing yet. A link or anything else under
// the name is left alone and nothing is written through it.
bool mayWrite(const QString &path)
{
    const QFileInfo fi(path);
    return !fi.isSymLink() && (!fi.exists() || fi.isFile());
}

bool writeJson(const QString &path, const QJsonObject &o)
{
    if (!mayWrite(path))
        return false;
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(QJsonDocument(o).toJson(QJsonDocument::Indented));
    return f.commit();
}

std::optional<QJsonObject> readJson(const QString &path)
{
    const QFileInfo fi(path);
    if (fi.isSymLink() || !fi.isFile() || fi.size() > kMaxReceiptBytes)
        return std::nullopt;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    return doc.object();
}

// What the file name alone says of an entry.
HistoryEntry entryFromName(const QString &path)
{
    const BackupStore::NameParts p = BackupStore::ParseName(QFileInfo(path).fileName());
    HistoryEntry e;
    e.path = path;
    e.sequence = p.sequence;
    e.when = p.when;
    e.band = p.band;
    e.serial = p.serial;
    switch (p.kind) {
    case BackupStore::Kind::Read: e.kind = HistoryKind::Read; break;
    case BackupStore::Kind::Write: e.kind = HistoryKind::Write; break;
    case BackupStore::Kind::Restore: e.kind = HistoryKind::Restore; e.restore = true; break;
    }
    // A write without its receipt: how it ended is not known.
    e.result = e.kind == HistoryKind::Read ? WriteResult::None : WriteResult::Pending;
    return e;
}

HistoryEntry entryFromFiles(const QString &path)
{
    const HistoryEntry base = entryFromName(path);
    const std::optional<QJsonObject> receipt = readJson(receiptPath(path));
    return receipt ? EntryFromJson(*receipt, base) : base;
}

QJsonObject indexJson(const QList<HistoryEntry> &entries)
{
    QJsonArray list;
    for (const HistoryEntry &e : entries) {
        QJsonObject o = EntryJson(e);
        o[QStringLiteral("hasReceipt")] = e.hasReceipt;
        list.append(o);
    }
    QJsonObject root;
    root[QStringLiteral("version")] = kIndexVersion;
    root[QStringLiteral("entries")] = list;
    return root;
}

// The entries the index lists, by file name; empty when it is missing or damaged.
QHash<QString, QJsonObject> indexedEntries(const QString &folder)
{
    QHash<QString, QJsonObject> byName;
    const std::optional<QJsonObject> root = readJson(IndexPath(folder));
    if (!root || root->value(QStringLiteral("version")).toInt() != kIndexVersion)
        return byName;
    for (const QJsonValue &v : root->value(QStringLiteral("entries")).toArray()) {
        const QJsonObject o = v.toObject();
        const QString name = o.value(QStringLiteral("file")).toString();
        if (!name.isEmpty())
            byName.insert(name, o);
    }
    return byName;
}

// The entries from the files, taking each from the index where it lists the file, and
// whether the index listed exactly these files.
QList<HistoryEntry> loadEntries(const QString &folder, bool *indexInStep)
{
    const QHash<QString, QJsonObject> indexed = indexedEntries(folder);
    QList<HistoryEntry> entries;
    bool inStep = true;
    for (const QString &path : BackupStore::Backups(folder)) {
        const QString name = QFileInfo(path).fileName();
        const auto it = indexed.constFind(name);
        if (it == indexed.constEnd()) {
            inStep = false;
            entries << entryFromFiles(path);
            continue;
        }
        HistoryEntry e = EntryFromJson(*it, entryFromName(path));
        e.hasReceipt = it->value(QStringLiteral("hasReceipt")).toBool();
        entries << e;
    }
    if (indexed.size() != entries.size())
        inStep = false;
    if (indexInStep)
        *indexInStep = inStep;
    return entries;
}

bool writeIndex(const QString &folder, const QList<HistoryEntry> &entries)
{
    return writeJson(IndexPath(folder), indexJson(entries));
}

// Writes the index with `changed` in place of the entry of the same file.
void indexWithEntry(const QString &folder, const HistoryEntry &changed)
{
    QList<HistoryEntry> entries = loadEntries(folder, nullptr);
    for (HistoryEntry &e : entries) {
        if (e.fileName() == changed.fileName())
            e = changed;
    }
    writeIndex(folder, entries);
}

// Holds the folder's lock file while an entry is made, so two programs never take the
// same number. A lock that cannot be had (a read-only folder) does not stop the entry;
// creating the file itself never overwrites anything.
class FolderLock {
public:
    explicit FolderLock(const QString &folder)
        : lock_(QDir(folder).filePath(QStringLiteral(".history.lock")))
    {
        lock_.setStaleLockTime(30000);
        lock_.tryLock(kLockWaitMs);
    }

private:
    QLockFile lock_;
};

void removeEntryFiles(const QString &path)
{
    QFile::remove(path);
    const QString receipt = receiptPath(path);
    if (QFileInfo(receipt).isFile() && !QFileInfo(receipt).isSymLink())
        QFile::remove(receipt);
}

Recorded store(const QString &folder, const RadioImage &img, BackupStore::Kind kind, HistoryEntry entry,
               const QDateTime &when)
{
    Recorded r;
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        r.error = QStringLiteral("%1: the folder cannot be created").arg(folder);
        return r;
    }
    const int band = img.header.model.bandMode;
    QString name;
    // A name that something else took between the look for a number and the write (a
    // link someone put there, another program) is skipped for the next number.
    for (int attempt = 0; attempt < 20; ++attempt) {
        const qint64 sequence = BackupStore::NextSequence(folder) + attempt;
        name = BackupStore::FileName(sequence, when, kind, band, entry.serial);
        const QString path = QDir(folder).filePath(name);
        QString error;
        if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink()
            && BackupStore::WriteNew(folder, name, img, &error)) {
            entry.sequence = sequence;
            r.error.clear();
            break;
        }
        if (!error.isEmpty())
            r.error = error;
        const QFileInfo taken(path);
        name.clear();
        if (!taken.exists() && !taken.isSymLink())
            return r;   // the folder refuses the file: another number would not help
    }
    if (name.isEmpty()) {
        if (r.error.isEmpty())
            r.error = QStringLiteral("%1: no free name for a backup").arg(folder);
        return r;
    }
    entry.path = QDir(folder).filePath(name);
    entry.when = when;
    entry.band = band;
    entry.hasReceipt = writeJson(receiptPath(entry.path), EntryJson(entry));
    r.ok = true;
    r.entry = entry;
    return r;
}

QString trimmedSerial(const QString &serial)
{
    return serial.trimmed();
}
} // namespace

QString IndexPath(const QString &folder)
{
    return QDir(folder).filePath(indexName());
}

QList<HistoryEntry> Entries(const QString &folder)
{
    bool inStep = true;
    const QList<HistoryEntry> entries = loadEntries(folder, &inStep);
    if (!inStep && QFileInfo(folder).isDir())
        writeIndex(folder, entries);
    return entries;
}

std::optional<HistoryEntry> Find(const QString &folder, const QString &fileOrPath)
{
    const QString name = QFileInfo(fileOrPath).fileName();
    for (const HistoryEntry &e : Entries(folder)) {
        if (e.fileName() == name)
            return e;
    }
    return std::nullopt;
}

std::optional<HistoryEntry> LatestContents(const QString &folder, const QString &serial)
{
    const QString wanted = trimmedSerial(serial);
    if (wanted.isEmpty())
        return std::nullopt;
    const QList<HistoryEntry> entries = Entries(folder);
    for (auto it = entries.crbegin(); it != entries.crend(); ++it) {
        if (trimmedSerial(it->serial) == wanted && it->knowsRadioContents())
            return *it;
    }
    return std::nullopt;
}

bool RebuildIndex(const QString &folder)
{
    QList<HistoryEntry> entries;
    for (const QString &path : BackupStore::Backups(folder))
        entries << entryFromFiles(path);
    return writeIndex(folder, entries);
}

int Prune(const QString &folder, int keep, const QString &justMade)
{
    const QList<HistoryEntry> entries = Entries(folder);
    keep = std::max(keep, 0);
    if (entries.size() <= keep)
        return 0;
    // Kept whatever their age: the entry just made and each radio's latest read (the
    // reads of radios without a known serial number count as one radio).
    QSet<QString> kept;
    if (!justMade.isEmpty())
        kept.insert(QFileInfo(justMade).fileName());
    QSet<QString> radiosSeen;
    for (auto it = entries.crbegin(); it != entries.crend(); ++it) {
        if (it->kind == HistoryKind::Read && !radiosSeen.contains(trimmedSerial(it->serial))) {
            radiosSeen.insert(trimmedSerial(it->serial));
            kept.insert(it->fileName());
        }
    }
    int removed = 0;
    qsizetype left = entries.size();
    for (const HistoryEntry &e : entries) {
        if (left <= keep)
            break;
        if (kept.contains(e.fileName()))
            continue;
        removeEntryFiles(e.path);
        if (!QFileInfo::exists(e.path)) {
            ++removed;
            --left;
        }
    }
    if (removed > 0)
        RebuildIndex(folder);
    return removed;
}

Recorded RecordRead(const QString &folder, const RadioImage &img, const QString &serial, const QString &firmware,
                    const QDateTime &when, int keep)
{
    FolderLock lock(folder);
    HistoryEntry e;
    e.kind = HistoryKind::Read;
    e.serial = trimmedSerial(serial);
    e.firmware = firmware.trimmed();
    Recorded r = store(folder, img, BackupStore::Kind::Read, e, when);
    if (!r.ok)
        return r;
    r.removed = Prune(folder, keep, r.entry.path);
    Entries(folder);   // brings the index in step
    return r;
}

WriteResult ResultOf(const LinkOutcome &o)
{
    if (o.writtenBytes <= 0)
        return WriteResult::NothingSent;
    if (o.writtenBytes < kTransferBytes)
        return WriteResult::Partial;
    if (o.verified)
        return WriteResult::Verified;
    if (!o.differences.isEmpty())
        return WriteResult::Differences;
    return WriteResult::Unchecked;
}

namespace {
// What a radio holds once `img` is written to it, as a read would bring it back: values
// go through the radio's memory layout, channels a read cannot bring back are left out.
RadioImage asTheRadioHoldsIt(const RadioImage &img, int band)
{
    RadioImage packed = img;
    QByteArray memory(kTransferBytes, '\0');
    PackImageInto(packed, memory);
    RadioImage held = img;
    if (!UnpackImageFrom(memory, band, held))
        held = img;
    return ComparableWithRead(held, band);
}
} // namespace

QList<Difference> WriteChanges(const RadioImage &previous, const RadioImage &written)
{
    const int band = written.header.model.bandMode;
    return CompareImages(asTheRadioHoldsIt(previous, band), asTheRadioHoldsIt(written, band),
                         QStringLiteral("before"), QStringLiteral("written"));
}

namespace {
// Fills the receipt part of an entry from a finished write.
void applyOutcome(HistoryEntry &e, const QString &folder, const WriteReceipt &receipt)
{
    e.result = ResultOf(receipt.outcome);
    e.cancelled = receipt.outcome.cancelled;
    e.writtenBytes = receipt.outcome.writtenBytes;
    e.verifyDifferences = receipt.outcome.differences;
    if (e.kind == HistoryKind::Write || e.kind == HistoryKind::VerifiedWrite)
        e.kind = e.result == WriteResult::Verified ? HistoryKind::VerifiedWrite : HistoryKind::Write;
    std::optional<RadioImage> previous = receipt.previous;
    if (!receipt.previousEntry.isEmpty()) {
        e.previous = QFileInfo(receipt.previousEntry).fileName();
        RadioImage img;
        const QString path = QDir(folder).filePath(e.previous);
        if (!previous && ReadFullFile(path, img) && ImageProblem(img).isEmpty())
            previous = img;
    }
    e.changesKnown = previous.has_value();
    e.changes = previous ? WriteChanges(*previous, receipt.written) : QList<Difference>();
}

HistoryEntry writeEntry(const WriteReceipt &receipt)
{
    HistoryEntry e;
    e.kind = receipt.restore ? HistoryKind::Restore : HistoryKind::Write;
    e.restore = receipt.restore;
    e.serial = trimmedSerial(receipt.serial);
    e.firmware = receipt.firmware.trimmed();
    e.result = WriteResult::Pending;
    if (!receipt.previousEntry.isEmpty())
        e.previous = QFileInfo(receipt.previousEntry).fileName();
    return e;
}
} // namespace

Recorded BeginWrite(const QString &folder, const WriteReceipt &receipt, const QDateTime &when)
{
    FolderLock lock(folder);
    Recorded r = store(folder, receipt.written, receipt.restore ? BackupStore::Kind::Restore : BackupStore::Kind::Write,
                       writeEntry(receipt), when);
    if (r.ok)
        Entries(folder);
    return r;
}

Recorded FinishWrite(const QString &folder, const HistoryEntry &begun, const WriteReceipt &receipt, int keep)
{
    FolderLock lock(folder);
    Recorded r;
    r.entry = begun;
    if (ResultOf(receipt.outcome) == WriteResult::NothingSent) {
        // The radio is unchanged: nothing to keep, and nothing to push older entries out.
        removeEntryFiles(begun.path);
        r.entry.path.clear();
        r.ok = true;
        Entries(folder);
        return r;
    }
    if (!receipt.serial.trimmed().isEmpty())
        r.entry.serial = trimmedSerial(receipt.serial);
    if (!receipt.firmware.trimmed().isEmpty())
        r.entry.firmware = receipt.firmware.trimmed();
    applyOutcome(r.entry, folder, receipt);
    r.entry.hasReceipt = writeJson(receiptPath(begun.path), EntryJson(r.entry));
    r.ok = true;
    indexWithEntry(folder, r.entry);
    r.removed = Prune(folder, keep, begun.path);
    return r;
}

Recorded RecordWrite(const QString &folder, const WriteReceipt &receipt, const QDateTime &when, int keep)
{
    if (ResultOf(receipt.outcome) == WriteResult::NothingSent) {
        Recorded r;
        r.ok = true;
        return r;
    }
    const Recorded begun = BeginWrite(folder, receipt, when);
    if (!begun.ok)
        return begun;
    return FinishWrite(folder, begun.entry, receipt, keep);
}

} // namespace RadioHistory
