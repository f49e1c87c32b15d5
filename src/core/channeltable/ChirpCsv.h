#pragma once
#include <QHash>
#include <QString>
#include <QStringList>

struct ChannelRecord;

// The 21 columns of the CHIRP CSV format, and the mapping between one of its rows and
// the channel table's fields. Values without a CHIRP column (Public, TSQ, roger beep,
// DTMF references...) travel in Comment as "Name=Value" pairs.

QStringList ChirpHeader();
// True when the header words include the CHIRP tone columns.
bool IsChirpHeader(const QStringList &header);
QStringList ChirpRow(const ChannelRecord &channel, int band);

// Turns one CHIRP row, keyed by header word (as in the file, any case), into channel
// table cells keyed by field name. Returns false with the reason when a value has no
// equivalent in this radio (another mode, inverted DCS, transmit off, a split too wide).
bool ChirpToTableCells(const QHash<QString, QString> &chirp, QHash<QString, QString> *cells, QString *reason);
