#include "HistoryWords.h"

#include "CompareWords.h"
#include "LinkState.h"

using CompareWords::Text;

namespace HistoryWords {

namespace {
QString hexAddress(int address)
{
    return QStringLiteral("%1").arg(address, 4, 16, QLatin1Char('0')).toUpper();
}
} // namespace

QString Kind(HistoryKind kind)
{
    switch (kind) {
    case HistoryKind::Read: return Text(30803, "read");
    case HistoryKind::Write: return Text(30804, "write");
    case HistoryKind::VerifiedWrite: return Text(30805, "verified write");
    case HistoryKind::Restore: return Text(30806, "restore");
    }
    return QString();
}

QString Result(const HistoryEntry &e)
{
    QString text;
    switch (e.result) {
    case WriteResult::None: return QString();
    case WriteResult::Pending: text = Text(30807, "not finished (no receipt)"); break;
    case WriteResult::NothingSent: text = Text(30808, "nothing sent"); break;
    case WriteResult::Partial:
        text = Text(30809, "partial: new data up to address %1").arg(hexAddress(std::max(e.writtenBytes - 1, 0)));
        break;
    case WriteResult::Unchecked: text = Text(30810, "complete, not checked"); break;
    case WriteResult::Verified: text = Text(30811, "verified"); break;
    case WriteResult::Differences:
        text = e.verifyDifferences.size() == 1
            ? Text(30863, "checked: the radio holds another value in 1 place")
            : Text(30812, "checked: the radio holds other values in %1 places").arg(e.verifyDifferences.size());
        break;
    }
    if (e.cancelled)
        text += QStringLiteral(" (") + Text(30813, "cancelled") + QLatin1Char(')');
    return text;
}

QString RadioTitle(const QString &serial)
{
    return serial.trimmed().isEmpty() ? Text(30814, "Radio without a known serial number")
                                      : Text(30815, "Radio %1").arg(serial.trimmed());
}

QString ChangeCount(int n)
{
    return n == 1 ? Text(30864, "1 change") : Text(30816, "%1 changes").arg(n);
}

QString EntryTitle(const HistoryEntry &e)
{
    QString title = e.when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QLatin1Char(' ') + Kind(e.kind);
    if (!e.serial.isEmpty())
        title += QStringLiteral(" (") + e.serial + QLatin1Char(')');
    return title;
}

} // namespace HistoryWords
