#pragma once
#include <QHash>
#include <QString>

// Stores one row of the channel table into a channel of the working image, through
// SetChannelCell and by the rules of typing into the grid and the channel edit dialog:
// a frequency inside the band and on the 5 kHz raster (in the CB band only the plan's
// own frequency, and for MEM channels a frequency of the plans), values from the
// field's choices, references to defined DTMF codes and usable tone tips, fields the
// windows do not offer left as they are, deletions within the delete rules.
// A cell equal to what the channel holds changes nothing; an empty cell keeps the
// value, except an empty Frequency, which deletes the channel as typing does.
// Cells are keyed by the table's header words (FieldName). Returns an empty text when
// the row was stored, else every reason it was not ("; " between them); a refused row
// may have been partly stored, so the caller restores the image (the import is
// all-or-nothing).
struct RowApplyMode {
    bool cbSettingsOnly = false;   // a paste: CB country channels take the settings, not the frequency
};
QString ApplyChannelRow(const QHash<QString, QString> &cells, int number, RowApplyMode mode = {});

// The cells that are no value of their field at all (checked without a channel, for a
// row that names none); empty when every cell reads.
QString RowValueProblems(const QHash<QString, QString> &cells);

// True for the CB channels that may only be FM (groups CE and UK, DE above position 40).
bool IsFixedFm(int group, int position, int band);
