#include "ChannelMoves.h"

#include "ChannelCell.h"
#include "ChannelGroup.h"
#include "ChannelViews.h"
#include "EditState.h"
#include "GroupSettings.h"
#include "RadioImage.h"
#include "RunSettings.h"

namespace {
void afterMove(int group)
{
    const int band = Run().BandMode;
    if (!IsVfoGroup(group, band))
        UpdateGroupBookkeeping(Image(), group, band);
    const ChannelViewHooks &views = ChannelViews();
    if (Edit().ChGridOpen && views.showGridRow) {
        for (int p = 1; p <= GroupSize(group, band); ++p)
            views.showGridRow(GroupStart(group, band) + p);
    }
    if (Edit().ChGridOpen && views.reshowGroupSettings)
        views.reshowGroupSettings();
    if (Edit().ChEditOpen && views.refreshEditDialog)
        views.refreshEditDialog();
}

// The group's current channel is the channel the radio shows when it switches to the
// group: it follows that channel to its new position. Returns its position now (0 when
// it points at no channel).
int currentChannelPosition(const RadioImage &img, int group, int band)
{
    const int position = StoredCurrentChannel(img, group, band) + 1;
    const bool held = (HasGroupTables(group, band) || IsMemGroup(group, band))
        && img.channel(GroupStart(group, band) + position);
    return held ? position : 0;
}
}

bool ChannelsMayMove(int band)
{
    return band == 1 || band == 2;
}

bool InsertChannelGap(int group, int position)
{
    const int band = Run().BandMode;
    const int start = GroupStart(group, band);
    const int size = GroupSize(group, band);
    RadioImage &img = Image();
    if (!ChannelsMayMove(band) || position < 1 || position > size || img.channel(start + size))
        return false;
    const int current = currentChannelPosition(img, group, band);
    if (current >= position)
        StoreCurrentChannel(img, group, band, current + 1);
    for (int p = size - 1; p >= position; --p) {
        if (ChannelRecord *c = img.channel(start + p))
            c->number = int16_t(start + p + 1);
    }
    afterMove(group);
    return true;
}

bool MoveChannel(int group, int position, int step)
{
    const int band = Run().BandMode;
    const int start = GroupStart(group, band);
    const int target = position + step;
    RadioImage &img = Image();
    ChannelRecord *moving = img.channel(start + position);
    if (!ChannelsMayMove(band) || !moving || target < 1 || target > GroupSize(group, band))
        return false;
    const int current = currentChannelPosition(img, group, band);
    if (current == position)
        StoreCurrentChannel(img, group, band, target);
    else if (current == target)
        StoreCurrentChannel(img, group, band, position);
    if (ChannelRecord *neighbour = img.channel(start + target))
        neighbour->number = int16_t(start + position);
    moving->number = int16_t(start + target);
    afterMove(group);
    return true;
}

int DeleteChannels(int group, const QList<int> &positions, QList<int> *keptPositions)
{
    if (!ChannelsMayMove(Run().BandMode)) {
        if (keptPositions)
            *keptPositions = positions;
        return int(positions.size());
    }
    int kept = 0;
    for (int p : positions) {
        if (SetChannelCell(group, p, ColFreq, QString()) == CellChange::KeptChannel) {
            ++kept;
            if (keptPositions)
                keptPositions->append(p);
        }
    }
    return kept;
}
