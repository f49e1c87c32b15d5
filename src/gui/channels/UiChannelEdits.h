#pragma once
#include "ChannelCell.h"

#include <QString>

// A channel value changed by the user in the grid or the channel edit dialog: an undo
// step, the change through SetChannelCell, and a status-bar note when something other
// than the typed text was stored or a delete was refused. typed is the text as the user
// typed it (value may be its formatted form); empty means the value itself.
CellChange UserSetChannelCell(int group, int position, int column, const QString &value,
                              const QString &typed = QString());
