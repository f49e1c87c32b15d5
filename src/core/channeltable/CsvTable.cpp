#include "CsvTable.h"

#include <QStringDecoder>

namespace {
constexpr QChar kQuote = QLatin1Char('"');

QChar guessDelimiter(const QString &text)
{
    int comma = 0, semicolon = 0, tab = 0;
    bool quoted = false;
    for (QChar c : text) {
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

bool isBlank(const QStringList &fields)
{
    return fields.size() == 1 && fields.first().trimmed().isEmpty();
}
}

CsvParse ReadCsvText(const QString &input, QChar delimiter)
{
    CsvParse out;
    QString text = input;
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    out.delimiter = delimiter.isNull() ? guessDelimiter(text) : delimiter;

    CsvRecord record;
    QString field;
    int line = 1;
    record.line = 1;
    bool quoted = false;        // inside a quoted field
    bool wasQuoted = false;     // the field began with a quote
    int quoteLine = 0;
    auto endField = [&] {
        record.fields << field;
        field.clear();
        wasQuoted = false;
    };
    auto endRecord = [&] {
        endField();
        if (!isBlank(record.fields))
            out.records << record;
        record = CsvRecord{};
        record.line = line;
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
        if (c == kQuote && field.isEmpty() && !wasQuoted) {
            quoted = true;
            wasQuoted = true;
            quoteLine = line;
        } else if (c == out.delimiter) {
            endField();
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            ++line;
            endRecord();
        } else {
            // Text after a closing quote is kept as it stands, as spreadsheets do.
            field += c;
        }
    }
    if (quoted) {
        out.error = CsvParse::Error::UnterminatedQuote;
        out.errorLine = quoteLine;
        return out;
    }
    if (!field.isEmpty() || wasQuoted || !record.fields.isEmpty())
        endRecord();
    return out;
}

CsvParse ReadCsv(const QByteArray &bytes, QChar delimiter)
{
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
