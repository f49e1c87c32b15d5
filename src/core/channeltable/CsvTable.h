#pragma once
#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

// Comma-separated text as spreadsheets write it: fields quoted with '"' when they hold
// the delimiter, a quote or a line break (a quote inside doubled), lines ended by CRLF
// or LF, UTF-8 with or without a byte-order mark. The delimiter is a comma, a semicolon
// (spreadsheets of many locales) or a tab (the clipboard). A line that starts with '#'
// is a comment and no record (CHIRP keeps such lines when it saves).
//
// A table far larger than any real one is refused as it is read, so memory stays
// bounded by the limits below whatever the input: a radio holds 409 channels and other
// programs' lists a few thousand rows.
constexpr qsizetype kCsvMaxBytes = 2 * 1024 * 1024;   // text of a file or a paste
constexpr int kCsvMaxRecords = 5000;
constexpr int kCsvMaxFields = 256;                    // fields of one record

struct CsvRecord {
    int line = 0;              // line of the text where the record starts, from 1
    QStringList fields;
};

struct CsvParse {
    QList<CsvRecord> records;  // blank and comment lines are left out
    QChar delimiter;
    enum class Error { None, UnterminatedQuote, NotUtf8, TooLarge, TooManyRecords, TooManyFields };
    Error error = Error::None;
    int errorLine = 0;         // line of the fault
};

// Reads the text; with a null delimiter the first line that is no comment decides: tab, semicolon or comma,
// whichever occurs most often outside quotes (comma on a tie or when none occurs).
CsvParse ReadCsv(const QByteArray &text, QChar delimiter = QChar());
CsvParse ReadCsvText(const QString &text, QChar delimiter = QChar());

// One record as a line without its line end; fields are quoted only when they must be.
QString CsvLine(const QStringList &fields, QChar delimiter);
// Records joined with CRLF, a CRLF after the last one too, as UTF-8 without a mark.
QByteArray WriteCsv(const QList<QStringList> &records, QChar delimiter = QLatin1Char(','));

// A cell a spreadsheet would run as a formula (it starts with '=', '+', '-', '@', a tab
// or a CR) gets a leading "'", which spreadsheets show as text; plain numbers ("-5") and
// the lone words "+" and "-" (a duplex direction) are left as they are. A reader takes
// the "'" off again (UnguardedCell).
QString FormulaSafeCell(const QString &cell);
QString UnguardedCell(const QString &cell);
