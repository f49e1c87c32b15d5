#pragma once
#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

// Comma-separated text as spreadsheets write it: fields quoted with '"' when they hold
// the delimiter, a quote or a line break (a quote inside doubled), lines ended by CRLF
// or LF, UTF-8 with or without a byte-order mark. The delimiter is a comma, a semicolon
// (spreadsheets of many locales) or a tab (the clipboard).

struct CsvRecord {
    int line = 0;              // line of the text where the record starts, from 1
    QStringList fields;
};

struct CsvParse {
    QList<CsvRecord> records;  // blank lines are left out
    QChar delimiter;
    enum class Error { None, UnterminatedQuote, NotUtf8 };
    Error error = Error::None;
    int errorLine = 0;         // line of the fault
};

// Reads the text; with a null delimiter the first line decides: tab, semicolon or comma,
// whichever occurs most often outside quotes (comma on a tie or when none occurs).
CsvParse ReadCsv(const QByteArray &text, QChar delimiter = QChar());
CsvParse ReadCsvText(const QString &text, QChar delimiter = QChar());

// One record as a line without its line end; fields are quoted only when they must be.
QString CsvLine(const QStringList &fields, QChar delimiter);
// Records joined with CRLF, a CRLF after the last one too, as UTF-8 without a mark.
QByteArray WriteCsv(const QList<QStringList> &records, QChar delimiter = QLatin1Char(','));
