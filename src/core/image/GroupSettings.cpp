#include "GroupSettings.h"

#include "ChannelGroup.h"
#include "RadioImage.h"

bool HasGroupTables(int group, int band)
{
    return group >= 0 && group < EnableFlagsInUse(band) && !IsMemGroup(group, band);
}

int StoredCurrentChannel(const RadioImage &img, int group, int band)
{
    const OptionBlock &o = img.header.options;
    if (IsMemGroup(group, band))
        return o.currentMemSlot;
    return HasGroupTables(group, band) ? o.groupCurrent[group] : 0;
}

void StoreCurrentChannel(RadioImage &img, int group, int band, int position)
{
    OptionBlock &o = img.header.options;
    if (IsMemGroup(group, band))
        o.currentMemSlot = int16_t(position - 1);
    else if (HasGroupTables(group, band))
        o.groupCurrent[group] = int16_t(position - 1);
}

int RevalidateStored(const RadioImage &img, int group, int band, int stored)
{
    if (ChannelsInGroup(img, group, band) == 0)
        return 0;
    return PositionInGroup(img, group, band, stored + 1) - 1;
}

int ShownCurrentPosition(const RadioImage &img, int group, int band)
{
    if (ChannelsInGroup(img, group, band) == 0)
        return 0;
    return RevalidateStored(img, group, band, StoredCurrentChannel(img, group, band)) + 1;
}

void UpdateGroupBookkeeping(RadioImage &img, int group, int band)
{
    OptionBlock &o = img.header.options;
    if (IsMemGroup(group, band)) {
        o.currentMemSlot = int16_t(RevalidateStored(img, group, band, o.currentMemSlot));
        return;
    }
    if (!HasGroupTables(group, band))
        return;   // VFO and unknown groups keep no settings
    if (ChannelsInGroup(img, group, band) > 0) {
        // Settings A and B are numbered settings ("1" to "8", each with its modulation),
        // not channel positions: channels coming and going leave them as they are.
        o.groupCurrent[group] = int16_t(RevalidateStored(img, group, band, o.groupCurrent[group]));
    } else {
        o.groupEnabled[group] = 0;
        o.groupCurrent[group] = 0;
        o.groupValueA[group] = 0;
        o.groupValueB[group] = 0;
    }
    EnsureValidGroup(img, band);
}

int SetGroupValid(RadioImage &img, int group, int band, bool enable)
{
    if (!HasGroupTables(group, band))
        return 0;
    OptionBlock &o = img.header.options;
    if (enable && ChannelsInGroup(img, group, band) == 0) {
        o.groupEnabled[group] = 0;
        EnsureValidGroup(img, band);
        return o.groupEnabled[group];
    }
    if (!enable) {
        bool otherValid = false;
        for (int g = 0; g < EnableFlagsInUse(band); ++g)
            otherValid = otherValid || (g != group && o.groupEnabled[g] > 0);
        if (!otherValid) {
            o.groupEnabled[group] = 1;
            return 1;
        }
    }
    o.groupEnabled[group] = enable ? 1 : 0;
    return o.groupEnabled[group];
}
