#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Channel tables into the working image: a CSV file (the "tarven" table or CHIRP's
// columns, told apart by the whole header) or rows pasted into the channel grid. Lines
// that start with '#' and rows without a single cell are skipped. Every other row is
// stored with ApplyChannelRow; when any row cannot be stored the image is restored as it
// was, so an import changes all of its rows or nothing, and each refused row is reported
// with every reason it was refused.

struct ImportOutcome {
    bool ok = false;
    int rows = 0;              // rows read (stored when ok)
    QStringList errors;        // "line N: reason", in line order

    static constexpr int kListedErrors = 20;
    // The errors for a message: the first 20, then how many more there are.
    QString errorReport() const;
};

// Where the rows of a table go. By default each row goes to the channel its Location
// (channel number) or Group label ("A-5") names. With a group, the file's numbers are
// ignored and the rows go, in file order, into the positions of that group that hold no
// channel; rows beyond the free positions are refused (and so the whole import).
struct RowPlacement {
    int group = -1;            // -1: the channel each row names
    bool placing() const { return group >= 0; }
};

// Columns in any order, unknown ones ignored, missing ones keep the channel's values
// (in a CHIRP file: CHIRP's default for the column).
ImportOutcome ImportChannelTable(const QByteArray &csv, RowPlacement placement = {});

// Reads a table file for ImportChannelTable: at most one byte more than a table may
// hold, so a huge file costs neither time nor memory before it is refused. False when
// the file cannot be read.
bool ReadTableFile(const QString &path, QByteArray *bytes);

// Rows pasted into positions of a group: with or without a header (without one the
// columns are the table's own order); tab-, comma- or semicolon-separated. When as many
// positions as rows are given the rows go there in order, otherwise to consecutive
// positions from the first one. Location and Group cells are not used. In the CB band
// the country channels take the settings only (their frequencies come from the plans).
ImportOutcome PasteChannelRows(const QString &text, int group, const QList<int> &positions);
// Rows pasted in order into the free positions of a group, as an import with placing.
ImportOutcome PasteChannelRowsIntoFreePositions(const QString &text, int group);

// The positions (from 1) of a group that hold no channel and can take one: none in the
// CB band's country groups (their channels come from the plans) and in the VFO group.
QList<int> FreePositions(int group, int band);
