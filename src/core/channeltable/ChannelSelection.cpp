#include "ChannelSelection.h"

#include "ChannelCsvFields.h"
#include "ChannelGroup.h"
#include "LangText.h"
#include "RadioImage.h"

#include <QRegularExpression>
#include <QSet>

namespace {
// One item of a list as a channel number: a label ("A-5") or a Location number.
int channelOfItem(const QString &item, int band)
{
    bool isNumber = false;
    const int n = item.toInt(&isNumber);
    if (isNumber)
        return n >= 1 && n <= kChannelSlots ? n : -1;
    const int number = ChannelOfLabel(item, band);
    return number == kVfoChannel ? -1 : number;
}

// The end of a range: a label, or a bare position in the group of the start.
int rangeEnd(const QString &item, int start, int band)
{
    bool isNumber = false;
    const int position = item.toInt(&isNumber);
    const int group = ContainingGroup(start, band);
    if (isNumber && group >= 0) {
        if (position < 1 || position > GroupSize(group, band))
            return -1;
        return GroupStart(group, band) + position;
    }
    return channelOfItem(item, band);
}

bool isStored(int number)
{
    return Image().channel(number) != nullptr;
}

// Stored channels of the groups the grid shows, in group and position order.
QList<int> allChannels(int band)
{
    QList<int> out;
    for (int g = 0; g < GroupCount(band); ++g) {
        if (IsVfoGroup(g, band))
            continue;
        for (int p = 1; p <= GroupSize(g, band); ++p) {
            const int number = GroupStart(g, band) + p;
            if (isStored(number))
                out << number;
        }
    }
    return out;
}
}

bool ParseChannelSelection(const QString &selection, int band, QList<int> *numbers, QString *error)
{
    numbers->clear();
    QSet<int> seen;
    auto add = [&](int n) {
        if (!seen.contains(n)) {
            seen.insert(n);
            *numbers << n;
        }
    };
    const QStringList items = selection.split(QLatin1Char(','));
    for (const QString &raw : items) {
        const QString item = raw.trimmed();
        if (item.isEmpty())
            continue;
        if (item.compare(QLatin1String("all"), Qt::CaseInsensitive) == 0) {
            const QList<int> all = allChannels(band);
            if (all.isEmpty()) {
                *error = LangText(31003).arg(item);
                return false;
            }
            for (int n : all)
                add(n);
            continue;
        }
        const int dots = item.indexOf(QLatin1String(".."));
        if (dots < 0) {
            const int n = channelOfItem(item, band);
            if (n < 1) {
                *error = LangText(31002).arg(item);
                return false;
            }
            add(n);
            continue;
        }
        const QString from = item.left(dots).trimmed();
        const QString to = item.mid(dots + 2).trimmed();
        const int first = channelOfItem(from, band);
        const int last = first < 1 ? -1 : rangeEnd(to, first, band);
        if (first < 1 || last < 1) {
            *error = LangText(31002).arg(first < 1 ? from : to);
            return false;
        }
        if (ContainingGroup(first, band) != ContainingGroup(last, band) || last < first) {
            *error = LangText(31009).arg(item);
            return false;
        }
        bool any = false;
        for (int n = first; n <= last; ++n) {
            if (isStored(n)) {
                add(n);
                any = true;
            }
        }
        if (!any) {
            *error = LangText(31003).arg(item);
            return false;
        }
    }
    if (numbers->isEmpty()) {
        *error = LangText(31004);
        return false;
    }
    return true;
}

bool ParseChannelSettings(const QStringList &assignments, QHash<QString, QString> *cells, QString *error)
{
    cells->clear();
    for (const QString &item : assignments) {
        const int eq = item.indexOf(QLatin1Char('='));
        if (eq <= 0) {
            *error = LangText(31005).arg(item);
            return false;
        }
        const QString name = item.left(eq).trimmed();
        const int f = FieldIndexByName(name);
        if (f < 0) {
            *error = LangText(31006).arg(name, ChannelTableHeader().mid(2).join(QStringLiteral(", ")));
            return false;
        }
        const ChannelField field = ChannelField(f);
        if (field == ChannelField::Location || field == ChannelField::Group) {
            *error = LangText(31007).arg(FieldName(field));
            return false;
        }
        if (cells->contains(FieldName(field))) {
            *error = LangText(31008).arg(FieldName(field));
            return false;
        }
        cells->insert(FieldName(field), item.mid(eq + 1).trimmed());
    }
    if (cells->isEmpty()) {
        *error = LangText(31010);
        return false;
    }
    return true;
}
