#pragma once
#include <QHash>
#include <QString>
#include <QStringList>

struct ChannelRecord;

// CHIRP's CSV format as CHIRP writes it: 21 columns (older files have fewer: no Power
// before 2023, no RxDtcsCode and CrossMode before that), Frequency and Offset in MHz,
// Power in watts, tone modes and cross modes by CHIRP's words. A column a file lacks
// means CHIRP's default for it. Values without a CHIRP column (Public, TSQ, roger beep,
// DTMF references...) travel in Comment behind the marker kChirpCommentMark; any other
// comment text is the user's and is never read as settings.

QStringList ChirpHeader();

// Which format a header row is, decided by the whole row: the columns only one of the
// two formats has. A header with columns of both is Mixed (read either way, a column
// the file has would be dropped); one with only the columns both share is the
// program's own table.
enum class HeaderFormat { None, Tarven, Chirp, Mixed };
HeaderFormat TableHeaderFormat(const QStringList &header, QStringList *chirpOnly = nullptr,
                               QStringList *tarvenOnly = nullptr);
bool IsChirpHeader(const QStringList &header);   // TableHeaderFormat() is Chirp

// The marker that starts the program's settings in a CHIRP Comment cell.
extern const QString kChirpCommentMark;

// The nominal wattage written for each power level (Low, Medium, High), and the level
// nearest to a wattage (by ratio) among the levels the modulation allows: AM has no
// third level.
double NominalWatts(int level);
int PowerLevelOfWatts(double watts, bool am);
// A CHIRP power cell: all digits, or a number with an optional "W"; false for others.
bool ParseWatts(const QString &text, double *watts);

QStringList ChirpRow(const ChannelRecord &channel, int band);

// Turns one CHIRP row, keyed by header word in lower case (only the columns the file
// has), into channel table cells keyed by field name. Adds every value this radio has
// no equivalent for (another mode, inverted DCS, transmit off...) to `reasons` and
// converts what it can, so the row can be checked further. In the CB band the power of
// a channel is not programmable and the Power column is not read.
void ChirpToTableCells(const QHash<QString, QString> &chirp, QHash<QString, QString> *cells, QStringList *reasons,
                       int band);
