#pragma once
#include <QString>

// What SetChannelCell did with the value.
enum class CellChange {
    Ignored,      // bad address, empty value for a missing channel, or an unchanged value
    Set,          // a field of an existing channel changed
    Added,        // a frequency created the channel
    Deleted,      // an empty frequency removed the channel
    KeptChannel,  // an empty frequency was refused by the delete rules
};

// The single operation through which the channel grid and the channel edit dialog change
// one channel field. The channel is addressed by group and 1-based position in the group;
// column is a column code 1..18. For the frequency (column 1) a non-empty value is
// checked against the band and raster first (or matched to a CB channel in the CB MEM
// group); it creates a missing channel, and an empty value deletes the channel unless:
// the VFO channel is never deleted, a memory channel only while another memory channel
// lies outside the group, a MEM channel only while the MEM group keeps another one.
// Afterwards the open channel windows are refreshed through ChannelViews().
CellChange SetChannelCell(int group, int position, int column, const QString &value);

// True when the delete rules allow removing that channel number from the group.
bool MayDeleteChannel(int group, int number);
