#pragma once
#include <QList>

// Channel-edit commands of the grid that move whole channels within their group (HF and
// HAM bands: a channel keeps every setting and only its position changes) or delete a
// selection of them. The group's current channel (the channel the radio shows on
// entering the group) follows its channel to the new position; the numbered settings A
// and B are not channel positions and stay. The bookkeeping of an addition or deletion
// runs afterwards.

// Moves the channels from the position on one place down; false (nothing moved) when
// the group's last position holds a channel.
bool InsertChannelGap(int group, int position);
// Swaps the channel at the position with its neighbour (step -1 up, +1 down); an empty
// neighbour position simply takes the channel. False at the group's edge or without a
// channel at the position.
bool MoveChannel(int group, int position, int step);
// Deletes the channels at the positions through SetChannelCell; returns how many the
// delete rules kept.
int DeleteChannels(int group, const QList<int> &positions, QList<int> *keptPositions = nullptr);
// True when the band lets channels be cut, inserted, deleted or moved (not the CB band,
// whose frequencies come from the channel plans).
bool ChannelsMayMove(int band);
