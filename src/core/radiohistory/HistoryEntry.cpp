#include "HistoryEntry.h"

#include <QFileInfo>
#include <QJsonArray>

namespace {
struct ResultName {
    WriteResult result;
    const char *word;
};
const ResultName kResults[] = {
    {WriteResult::None, "none"},           {WriteResult::Pending, "pending"},
    {WriteResult::NothingSent, "nothing-sent"}, {WriteResult::Partial, "partial"},
    {WriteResult::Unchecked, "unchecked"}, {WriteResult::Verified, "verified"},
    {WriteResult::Differences, "differences"},
};

QJsonObject differenceJson(const Difference &d)
{
    QJsonObject o;
    o[QStringLiteral("key")] = d.key;
    o[QStringLiteral("place")] = d.place;
    o[QStringLiteral("setting")] = d.setting;
    o[QStringLiteral("before")] = d.before;
    o[QStringLiteral("after")] = d.after;
    return o;
}

Difference differenceFromJson(const QJsonObject &o)
{
    Difference d;
    d.key = o.value(QStringLiteral("key")).toString();
    d.place = o.value(QStringLiteral("place")).toString();
    d.setting = o.value(QStringLiteral("setting")).toString();
    d.before = o.value(QStringLiteral("before")).toString();
    d.after = o.value(QStringLiteral("after")).toString();
    return d;
}
} // namespace

QString HistoryEntry::fileName() const
{
    return QFileInfo(path).fileName();
}

bool HistoryEntry::knowsRadioContents() const
{
    return kind == HistoryKind::Read || result == WriteResult::Verified;
}

QString KindWord(HistoryKind kind)
{
    switch (kind) {
    case HistoryKind::Read: return QStringLiteral("read");
    case HistoryKind::Write: return QStringLiteral("write");
    case HistoryKind::VerifiedWrite: return QStringLiteral("verified-write");
    case HistoryKind::Restore: return QStringLiteral("restore");
    }
    return QStringLiteral("read");
}

QString ResultWord(WriteResult result)
{
    for (const ResultName &r : kResults) {
        if (r.result == result)
            return QString::fromLatin1(r.word);
    }
    return QStringLiteral("none");
}

WriteResult ResultFromWord(const QString &word)
{
    for (const ResultName &r : kResults) {
        if (word == QLatin1String(r.word))
            return r.result;
    }
    return WriteResult::Pending;   // a word this release does not know: nothing is assumed
}

QJsonObject EntryJson(const HistoryEntry &e)
{
    QJsonObject o;
    o[QStringLiteral("file")] = e.fileName();
    o[QStringLiteral("sequence")] = double(e.sequence);
    o[QStringLiteral("kind")] = KindWord(e.kind);
    o[QStringLiteral("time")] = e.when.toString(Qt::ISODate);
    o[QStringLiteral("serial")] = e.serial;
    o[QStringLiteral("firmware")] = e.firmware;
    o[QStringLiteral("band")] = e.band;
    o[QStringLiteral("result")] = ResultWord(e.result);
    if (e.kind != HistoryKind::Read) {
        o[QStringLiteral("restore")] = e.restore;
        o[QStringLiteral("cancelled")] = e.cancelled;
        o[QStringLiteral("writtenBytes")] = e.writtenBytes;
        o[QStringLiteral("previous")] = e.previous;
        o[QStringLiteral("changesKnown")] = e.changesKnown;
        QJsonArray changes;
        for (const Difference &d : e.changes)
            changes.append(differenceJson(d));
        o[QStringLiteral("changes")] = changes;
        o[QStringLiteral("verifyDifferences")] = QJsonArray::fromStringList(e.verifyDifferences);
    }
    return o;
}

HistoryEntry EntryFromJson(const QJsonObject &o, const HistoryEntry &base)
{
    HistoryEntry e = base;
    auto text = [&o](const char *key, const QString &fallback) {
        const QJsonValue v = o.value(QLatin1String(key));
        return v.isString() ? v.toString() : fallback;
    };
    const QDateTime when = QDateTime::fromString(text("time", QString()), Qt::ISODate);
    if (when.isValid())
        e.when = when;
    e.serial = text("serial", e.serial);
    e.firmware = text("firmware", e.firmware);
    e.result = o.contains(QStringLiteral("result")) ? ResultFromWord(text("result", QString())) : e.result;
    e.restore = o.value(QStringLiteral("restore")).toBool(e.restore);
    e.cancelled = o.value(QStringLiteral("cancelled")).toBool(e.cancelled);
    e.writtenBytes = o.value(QStringLiteral("writtenBytes")).toInt(e.writtenBytes);
    // The entry it restores to is a file of the same folder: a receipt cannot point
    // elsewhere with a path.
    e.previous = QFileInfo(text("previous", e.previous)).fileName();
    e.changesKnown = o.value(QStringLiteral("changesKnown")).toBool(e.changesKnown);
    e.changes.clear();
    for (const QJsonValue &v : o.value(QStringLiteral("changes")).toArray())
        e.changes.append(differenceFromJson(v.toObject()));
    e.verifyDifferences.clear();
    for (const QJsonValue &v : o.value(QStringLiteral("verifyDifferences")).toArray())
        e.verifyDifferences << v.toString();
    // The kind as the file name says it, refined by the result: a write whose read back
    // matched is a verified write.
    if (e.kind == HistoryKind::Write || e.kind == HistoryKind::VerifiedWrite)
        e.kind = e.result == WriteResult::Verified ? HistoryKind::VerifiedWrite : HistoryKind::Write;
    e.hasReceipt = true;
    return e;
}
