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
