#include "LinkOutcome.h"

#include "CompareWords.h"
#include "LinkState.h"
#include "StoredDiff.h"

using CompareWords::Text;

namespace {
QString hexAddress(int address)
{
    return QStringLiteral("%1").arg(address, 4, 16, QLatin1Char('0')).toUpper();
}
} // namespace

QString RadioHoldsText(const LinkOutcome &o, int band)
{
    if (o.writtenBytes <= 0)
        return Text(30817, "No data reached the radio: it is unchanged.");
    if (o.writtenBytes < kTransferBytes) {
        const int last = o.writtenBytes - 1;
        return Text(30818,
                    "The radio now holds a partial write: its memory up to address %1 (%2) holds the new data, the "
                    "rest what it held before.")
            .arg(hexAddress(last), StoredDiff::BlockPlace(last & ~0xF, band));
    }
    if (o.verified)
        return QString();
    if (o.differences.size() == 1)
        return Text(30865, "The radio holds the whole new image, but the check found 1 place where it stored "
                           "another value.");
    if (!o.differences.isEmpty())
        return Text(30819, "The radio holds the whole new image, but the check found %1 places where it stored "
                           "other values.")
            .arg(o.differences.size());
    return Text(30820, "The radio holds the whole new image; it was not checked.");
}

