#include "ChannelChecks.h"

#include "BandPlans.h"
#include "ChannelCsvFields.h"
#include "ChannelGroup.h"
#include "ChannelRowApply.h"
#include "FreqCodec.h"
#include "LangText.h"
#include "NewImage.h"
#include "RadioImage.h"

#include <QHash>
#include <algorithm>

namespace {
constexpr int kUnitsPerKhz = 100;   // stored frequencies are units of 10 Hz

QString labelOf(int number, int band)
{
    const QString label = ChannelLabel(number, band);
    return label.isEmpty() ? QString::number(number) : label;
}

QString frequencyOf(const ChannelRecord &c, int band)
{
    return FieldText(ChannelField::Frequency, c, band);
}

// Stored frequency in units of 10 Hz; -1 when the channel holds none or no number.
qint64 unitsOf(const ChannelRecord &c)
{
    const QString digits = c.freqText();
    if (IsNoFrequency(digits))
        return -1;
    bool ok = false;
    const qint64 v = digits.trimmed().toLongLong(&ok);
    return ok ? v : -1;
}

// Same frequency twice in one group: a duplicate when mode and tones agree, else a
// conflict naming the settings that differ. Groups are compared on their own, because
// the country plans of the CB band share their frequencies on purpose.
void checkGroups(const RadioImage &img, int band, QList<ChannelFinding> *out)
{
    QHash<QString, const ChannelRecord *> first;   // "group:units" -> first channel
    QList<const ChannelRecord *> channels;
    for (int s = 0; s < img.count(); ++s)
        channels << &img.at(s);
    std::sort(channels.begin(), channels.end(), [](auto *a, auto *b) { return a->number < b->number; });
    for (const ChannelRecord *c : channels) {
        const int group = ContainingGroup(c->number, band);
        const qint64 units = unitsOf(*c);
        if (group < 0 || IsVfoGroup(group, band) || units < 0)
            continue;
        const QString key = QStringLiteral("%1:%2").arg(group).arg(units);
        const ChannelRecord *earlier = first.value(key);
        if (!earlier) {
            first.insert(key, c);
            continue;
        }
        QStringList differ;
        if (c->AM_FM != earlier->AM_FM)
            differ << FieldName(ChannelField::Mode);
        if (c->RDCT != earlier->RDCT)
            differ << FieldName(ChannelField::RxTone);
        if (c->TDCT != earlier->TDCT)
            differ << FieldName(ChannelField::TxTone);
        const QString freq = frequencyOf(*c, band);
        const QString other = labelOf(earlier->number, band);
        if (differ.isEmpty())
            *out << ChannelFinding{c->number, FindingKind::Duplicate, LangText(31020).arg(freq, other)};
        else
            *out << ChannelFinding{c->number, FindingKind::Conflict,
                                   LangText(31021).arg(freq, other, differ.join(QStringLiteral(", ")))};
    }
}

bool isPlaceholder(const ChannelRecord &c)
{
    return c.AM_FM == 0 && c.DUP == 0 && c.freqText() == NewImageFrequency(c.number);
}

// Transmit frequency and repeater checks of the 10 m band (HF and HAM band modes).
void checkBandPlan(const ChannelRecord &c, int band, int region, QList<ChannelFinding> *out)
{
    const qint64 units = unitsOf(c);
    if (units < 0)
        return;
    const int rxKhz = int(units / kUnitsPerKhz);
    const int shift = c.DUP == 1 ? c.OffSetFre : c.DUP == 2 ? -c.OffSetFre : 0;
    const int txKhz = rxKhz + shift;
    const QString label = labelOf(c.number, band);
    const BandSegment *rx = SegmentAt(region, rxKhz);
    if (rx && rx->repeaterOutput && !(c.DUP == 2 && c.OffSetFre == kRepeaterOffsetKhz))
        *out << ChannelFinding{c.number, FindingKind::RepeaterOffset,
                               LangText(31024).arg(frequencyOf(c, band), SegmentText(*rx)).arg(kRepeaterOffsetKhz)};
    const BandSegment *tx = SegmentAt(region, txKhz);
    if (isPlaceholder(c))
        return;
    if (!tx) {
        // A channel of the 10 m band whose shift takes the transmitter out of it.
        if (rx)
            *out << ChannelFinding{c.number, FindingKind::BandSegment,
                                   LangText(31027).arg(QString::number(txKhz / 1000.0, 'f', 3))};
        return;
    }
    const bool am = c.AM_FM == 1;
    if (am ? tx->am : tx->fm)
        return;
    const QString mode = am ? QStringLiteral("AM") : QStringLiteral("FM");
    *out << ChannelFinding{c.number, FindingKind::BandSegment,
                           LangText(31022).arg(QString::number(txKhz / 1000.0, 'f', 3), mode, SegmentText(*tx))
                               .arg(region)};
}
}

QString FindingCount(int count)
{
    return count == 1 ? LangText(31087) : LangText(31026).arg(count);
}

QString FindingKindWord(FindingKind kind)
{
    switch (kind) {
    case FindingKind::Duplicate: return QStringLiteral("duplicate");
    case FindingKind::Conflict: return QStringLiteral("conflict");
    case FindingKind::BandSegment: return QStringLiteral("band-plan");
    case FindingKind::RepeaterOffset: return QStringLiteral("repeater-offset");
    case FindingKind::CbMode: return QStringLiteral("cb-mode");
    }
    return QString();
}

QList<ChannelFinding> CheckChannels(const RadioImage &img, int band, int region)
{
    QList<ChannelFinding> out;
    checkGroups(img, band, &out);
    for (int s = 0; s < img.count(); ++s) {
        const ChannelRecord &c = img.at(s);
        const int group = ContainingGroup(c.number, band);
        if (group < 0 || IsVfoGroup(group, band) || c.number == kVfoChannel)
            continue;
        if (band == 0) {
            const int position = c.number - GroupStart(group, band);
            if (c.AM_FM == 1 && IsFixedFm(group, position, band))
                out << ChannelFinding{c.number, FindingKind::CbMode,
                                      LangText(31025).arg(labelOf(c.number, band), GroupName(group, band))};
        } else {
            checkBandPlan(c, band, region, &out);
        }
    }
    std::stable_sort(out.begin(), out.end(), [](const ChannelFinding &a, const ChannelFinding &b) { return a.number < b.number; });
    return out;
}
