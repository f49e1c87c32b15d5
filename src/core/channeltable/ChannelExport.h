#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct RadioImage;

// The channels of an image as a table: a header row, then one row per channel in
// channel-number order. Cells that a spreadsheet would run as a formula are written
// as text (FormulaSafeCell).
enum class ChannelCsvFormat { Tarven, Chirp };

// "tarven" or "chirp" (any case); false for another name.
bool ChannelCsvFormatByName(const QString &name, ChannelCsvFormat *format);
QList<QStringList> ChannelTable(const RadioImage &img, int band, ChannelCsvFormat format,
                                const QList<int> &numbers = {});   // empty: every channel
// The table as a CSV file (comma-separated, CRLF, UTF-8).
QByteArray ExportChannelTable(const RadioImage &img, int band, ChannelCsvFormat format);
