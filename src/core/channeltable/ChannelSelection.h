#pragma once
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// Lists of channels and settings as the grid and the channel table write them, for
// editing many channels at once.

// A channel list: items separated by commas, each "all", one channel ("A-5", "EU 12",
// "MEM 1", or its Location number) or a range "A-1..A-40" (the end may be a bare
// position of the same group: "A-1..40"). A channel named on its own is taken as it
// is (storing into an empty one fails as a table row would); a range and "all" cover
// the channels the document holds in them, "all" every channel of the groups apart
// from the VFO. Channels come in list order, each once. False with the reason when
// the list names no channel of the band or a range holds none.
bool ParseChannelSelection(const QString &selection, int band, QList<int> *numbers, QString *error);

// NAME=VALUE settings: NAME a column of the channel table (not Location or Group,
// without regard to case), VALUE its words. The result is keyed by the table's header
// words, as ApplyChannelRow takes it. False with the reason for the first bad item.
bool ParseChannelSettings(const QStringList &assignments, QHash<QString, QString> *cells, QString *error);
