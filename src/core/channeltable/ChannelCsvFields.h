#pragma once
#include <QString>
#include <QStringList>

struct ChannelRecord;
struct RadioImage;

// The columns of the channel table ("tarven" CSV format and the grid's clipboard), and
// the words of each value. A stored value outside a field's words is written as its
// number, so every stored channel writes out and reads back unchanged.
enum class ChannelField {
    Location, Group, Frequency, Mode, Power, Duplex, Offset, RxTone, TxTone, Public, Scan, Tsq,
    BusyLock, HiCut, Nb, Shift5k, RogerBeep, DtmfBot, DtmfEot, DtmfCall,
};
constexpr int kChannelFieldCount = int(ChannelField::DtmfCall) + 1;

QString FieldName(ChannelField field);                 // the header word: "RxTone"
int FieldIndexByName(const QString &name);             // -1 for an unknown header word
QStringList ChannelTableHeader();                      // all header words in column order (Group first)
QString ChannelPowerWord(int level);                   // "Low", "Medium", "High"
// SetChannelCell's column code of a field; 0 for Location and Group.
int ColumnOfField(ChannelField field);

// The group whose member the channel is (-1 for none: CB channels 361..401).
int ContainingGroup(int number, int band);
// The channel as the grid names it: "EU 5", "A-5", "MEM 2", "VFO"; "" for none.
QString ChannelLabel(int number, int band);
int ChannelOfLabel(const QString &label, int band);    // -1 when the label names none

// The cell text of a field of a stored channel.
QString FieldText(ChannelField field, const ChannelRecord &channel, int band);
// One row of the table for a stored channel.
QStringList ChannelTableRow(const ChannelRecord &channel, int band);

// A number as spreadsheets of comma locales write it ("28,015") in the "." form the
// program reads; other text is returned as it is.
QString DecimalText(const QString &text);

// A cell of a file as an error message quotes it: cut after 40 characters, control
// characters escaped (a NUL or an escape sequence never reaches a terminal or cuts a text).
QString CellInMessage(const QString &cell);

// The stored value a cell's words stand for (options and tones; not Location, Group,
// Frequency and Offset); false when the text is not one of the field's words.
bool ParseFieldWords(ChannelField field, const QString &text, int *value);
