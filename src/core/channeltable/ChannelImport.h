#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Channel tables into the working image: a CSV file (the "tarven" table or CHIRP's
// columns, told apart by the header) or rows pasted into the channel grid. Every row
// is stored with ApplyChannelRow; when any row cannot be stored the image is restored
// as it was, so an import changes all of its rows or nothing.

struct ImportOutcome {
    bool ok = false;
    int rows = 0;              // rows read (stored when ok)
    QStringList errors;        // "line N: reason", in line order

    static constexpr int kListedErrors = 20;
    // The errors for a message: the first 20, then how many more there are.
    QString errorReport() const;
};

// Rows addressed by their Location (channel number) or Group label ("A-5"); columns in
// any order, unknown ones ignored, missing ones keep the channel's values.
ImportOutcome ImportChannelTable(const QByteArray &csv);

// Rows pasted into positions of a group: with or without a header (without one the
// columns are the table's own order); tab-, comma- or semicolon-separated. When as many
// positions as rows are given the rows go there in order, otherwise to consecutive
// positions from the first one. Location and Group cells are not used. In the CB band
// the country channels take the settings only (their frequencies come from the plans).
ImportOutcome PasteChannelRows(const QString &text, int group, const QList<int> &positions);
