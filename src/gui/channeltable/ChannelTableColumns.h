#pragma once
#include <QString>
#include <QStringList>

struct ChannelRecord;

// The columns of the channel table: the settings of the channel edit dialog, with its
// captions, its lists and its rules of what can be changed.
namespace ChannelTableColumns {

enum Column {
    Frequency, Offset, Public, Duplex, Tsq, Scan, HiCut, Busy, Nb, Mode, Power, RogerBeep, DtmfBot, DtmfEot,
    DtmfCall, RxTone, TxTone, Count,
};

QString Caption(int column);                 // the dialog's label for the setting
QString Key(int column);                     // a fixed name to keep the layout by
int CellColumn(int column);                  // SetChannelCell's column code
bool IsList(int column);                     // chosen from a list (all but frequency and offset)
// The column does not exist in this band (the CB band has no duplex, power or offset).
bool HiddenInBand(int column, int band);

// The list a cell offers, as the dialog fills it (the power list depends on the mode).
QStringList Entries(int column, const ChannelRecord &c);
// The entry the cell shows; -1 when it shows none.
int EntryIndex(int column, const ChannelRecord &c);
// The text of a cell of a stored channel.
QString Text(int column, const ChannelRecord &c, int group, int band);
// A value to sort by: numbers for frequency and offset, the list position otherwise.
double SortKey(int column, const ChannelRecord &c);
// Whether the dialog lets the user change the setting of this channel (an empty
// position takes only a frequency, outside the CB band).
bool Editable(int column, const ChannelRecord *c, int group, int position, int band);
// The value the dialog passes to SetChannelCell for the chosen list entry.
QString ValueOfEntry(int column, const QStringList &entries, int entry);

} // namespace ChannelTableColumns
