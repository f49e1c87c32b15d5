#include "ChannelArrange.h"

#include "ChannelGroup.h"
#include "ChannelMoves.h"
#include "ChannelViews.h"
#include "GroupSettings.h"
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
    if (settingsChanged)
        out += QLatin1Char(' ') + LangText(31033);
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
    const OptionBlock before = img.header.options;
    UpdateGroupBookkeeping(img, group, band);
    out.settingsChanged = !(before == img.header.options);
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
