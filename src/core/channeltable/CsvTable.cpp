#include "CsvTable.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace {
constexpr QChar kQuote = QLatin1Char('"');
const QString kFormulaStarts = QStringLiteral("=+-@\t\r");

// Where the first line that is no comment starts.
int firstDataLine(const QString &text)
{
    int i = 0;
    const int n = int(text.size());
    while (i < n && text.at(i) == QLatin1Char('#')) {
        while (i < n && text.at(i) != QLatin1Char('\n') && text.at(i) != QLatin1Char('\r'))
            ++i;
        while (i < n && (text.at(i) == QLatin1Char('\n') || text.at(i) == QLatin1Char('\r')))
            ++i;
    }
    return i;
}

QChar guessDelimiter(const QString &text)
{
    int comma = 0, semicolon = 0, tab = 0;
    bool quoted = false;
    for (int i = firstDataLine(text); i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == kQuote)
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char('\n') || c == QLatin1Char('\r')))
            break;
        else if (!quoted && c == QLatin1Char(','))
            ++comma;
        else if (!quoted && c == QLatin1Char(';'))
            ++semicolon;
        else if (!quoted && c == QLatin1Char('\t'))
            ++tab;
    }
    if (tab > comma && tab > semicolon)
        return QLatin1Char('\t');
    if (semicolon > comma)
        return QLatin1Char(';');
    return QLatin1Char(',');
}

// A record without a single non-blank field: an empty line, or a row of delimiters as
// spreadsheets write below a table.
bool isBlank(const QStringList &fields)
{
    for (const QString &f : fields) {
        if (!f.trimmed().isEmpty())
            return false;
    }
    return true;
}
}

CsvParse ReadCsvText(const QString &input, QChar delimiter)
{
    CsvParse out;
    if (input.size() > kCsvMaxBytes) {
        out.error = CsvParse::Error::TooLarge;
        return out;
    }
    QStringView text(input);
    if (text.startsWith(QChar(0xFEFF)))
        text = text.mid(1);
    out.delimiter = delimiter.isNull() ? guessDelimiter(text.toString()) : delimiter;

    CsvRecord record;
    QString field;
    int line = 1;
    record.line = 1;
    bool quoted = false;        // inside a quoted field
    bool wasQuoted = false;     // the field began with a quote
    int quoteLine = 0;
    auto fail = [&](CsvParse::Error error, int where) {
        out.records.clear();
        out.error = error;
        out.errorLine = where;
    };
    auto endField = [&] {
        if (record.fields.size() >= kCsvMaxFields) {
            fail(CsvParse::Error::TooManyFields, record.line);
            return false;
        }
        record.fields << field;
        field.clear();
        wasQuoted = false;
        return true;
    };
    auto endRecord = [&] {
        if (!endField())
            return false;
        if (!isBlank(record.fields)) {
            if (out.records.size() >= kCsvMaxRecords) {
                fail(CsvParse::Error::TooManyRecords, record.line);
                return false;
            }
            out.records << record;
        }
        record = CsvRecord{};
        record.line = line;
        return true;
    };

    const int n = int(text.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == kQuote) {
                if (i + 1 < n && text.at(i + 1) == kQuote) {
                    field += kQuote;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                // A CRLF inside a quoted field is one line break.
                if (!(c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n')))
                    field += c;
            }
            continue;
        }
        if (c == QLatin1Char('#') && field.isEmpty() && !wasQuoted && record.fields.isEmpty()) {
            // A comment line: skipped up to its line end, which then ends nothing.
            while (i + 1 < n && text.at(i + 1) != QLatin1Char('\n') && text.at(i + 1) != QLatin1Char('\r'))
                ++i;
            if (i + 1 < n) {
                ++i;
                if (text.at(i) == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                    ++i;
            }
            ++line;
            record.line = line;
            continue;
        }
        if (c == kQuote && field.isEmpty() && !wasQuoted) {
            quoted = true;
            wasQuoted = true;
            quoteLine = line;
        } else if (c == out.delimiter) {
            if (!endField())
                return out;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            ++line;
            if (!endRecord())
                return out;
        } else {
            // Text after a closing quote is kept as it stands, as spreadsheets do.
            field += c;
        }
    }
    if (quoted) {
        fail(CsvParse::Error::UnterminatedQuote, quoteLine);
        return out;
    }
    if (!field.isEmpty() || wasQuoted || !record.fields.isEmpty())
        endRecord();
    return out;
}

CsvParse ReadCsv(const QByteArray &bytes, QChar delimiter)
{
    if (bytes.size() > kCsvMaxBytes) {
        CsvParse out;
        out.error = CsvParse::Error::TooLarge;
        return out;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    if (!decoder.hasError())
        return ReadCsvText(text, delimiter);
    // Name the first line that does not decode.
    CsvParse out;
    out.error = CsvParse::Error::NotUtf8;
    const QList<QByteArray> lines = bytes.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        QStringDecoder lineDecoder(QStringDecoder::Utf8);
        const QString decoded = lineDecoder.decode(lines.at(i));
        if (lineDecoder.hasError()) {
            out.errorLine = i + 1;
            break;
        }
    }
    return out;
}

QString CsvLine(const QStringList &fields, QChar delimiter)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &f : fields) {
        const bool mustQuote = f.contains(delimiter) || f.contains(kQuote) || f.contains(QLatin1Char('\n'))
                               || f.contains(QLatin1Char('\r'));
        if (mustQuote) {
            QString q = f;
            q.replace(kQuote, QStringLiteral("\"\""));
            quoted << kQuote + q + kQuote;
        } else {
            quoted << f;
        }
    }
    return quoted.join(delimiter);
}

QByteArray WriteCsv(const QList<QStringList> &records, QChar delimiter)
{
    QString text;
    for (const QStringList &r : records)
        text += CsvLine(r, delimiter) + QStringLiteral("\r\n");
    return text.toUtf8();
}

QString FormulaSafeCell(const QString &cell)
{
    if (cell.isEmpty() || !kFormulaStarts.contains(cell.at(0)))
        return cell;
    static const QRegularExpression plainNumber(QStringLiteral("^[+-]?[0-9]+(\\.[0-9]+)?$"));
    if (cell == QLatin1String("+") || cell == QLatin1String("-") || plainNumber.match(cell).hasMatch())
        return cell;
    return QLatin1Char('\'') + cell;
}

QString UnguardedCell(const QString &cell)
{
    if (cell.size() >= 2 && cell.at(0) == QLatin1Char('\'') && kFormulaStarts.contains(cell.at(1)))
        return cell.mid(1);
    return cell;
}
