#include "ChannelArrange.h"

#include "ChannelGroup.h"
#include "ChannelMoves.h"
#include "ChannelViews.h"
#include "GroupSettings.h"
#include "GroupSettingsNote.h"
#include "LangText.h"
#include "RadioImage.h"
#include "RunSettings.h"

#include <algorithm>

namespace {
qint64 frequencyKey(const ChannelRecord &c)
{
    bool ok = false;
    const qint64 v = c.freqText().trimmed().toLongLong(&ok);
    return ok ? v : std::numeric_limits<qint64>::max();   // no frequency: last
}
}

QString ArrangeOutcome::text(int group, int band) const
{
    if (!allowed)
        return LangText(31030);
    QString out = moved == 0 ? LangText(31031).arg(GroupName(group, band))
                             : LangText(31032).arg(moved).arg(channels).arg(GroupName(group, band));
    if (!settingsNote.isEmpty())
        out += QLatin1Char(' ') + settingsNote;
    return out;
}

ArrangeOutcome ArrangeByFrequency(int group)
{
    ArrangeOutcome out;
    const int band = Run().BandMode;
    if (!ChannelsMayMove(band) || IsVfoGroup(group, band) || GroupSize(group, band) <= 0)
        return out;
    out.allowed = true;
    RadioImage &img = Image();
    const int start = GroupStart(group, band);
    QList<ChannelRecord *> channels;
    QList<int> positions;
    for (int p = 1; p <= GroupSize(group, band); ++p) {
        if (ChannelRecord *c = img.channel(start + p)) {
            channels << c;
            positions << p;
        }
    }
    out.channels = int(channels.size());
    // As with Move, the group's current channel follows its channel to its new position.
    const int currentPosition = StoredCurrentChannel(img, group, band) + 1;
    const bool holdsCurrent = (HasGroupTables(group, band) || IsMemGroup(group, band)) && img.channel(start + currentPosition);
    const ChannelRecord *current = holdsCurrent ? img.channel(start + currentPosition) : nullptr;
    const GroupSettingsWatch watch(group, band);
    std::stable_sort(channels.begin(), channels.end(),
                     [](const ChannelRecord *a, const ChannelRecord *b) { return frequencyKey(*a) < frequencyKey(*b); });
    for (int i = 0; i < channels.size(); ++i) {
        const int number = start + positions.at(i);
        if (channels.at(i)->number != number) {
            channels.at(i)->number = int16_t(number);
            ++out.moved;
        }
    }
    if (out.moved == 0)
        return out;
    if (current)
        StoreCurrentChannel(img, group, band, current->number - start);
    UpdateGroupBookkeeping(img, group, band);
    out.settingsNote = watch.changes();
    const ChannelViewHooks &views = ChannelViews();
    if (views.showGridRow) {
        for (int p : positions)
            views.showGridRow(start + p);
    }
    if (views.reshowGroupSettings)
        views.reshowGroupSettings();
    if (views.refreshEditDialog)
        views.refreshEditDialog();
    return out;
}
