#include "ChannelImport.h"

#include "ChannelCsvFields.h"
#include "ChannelGroup.h"
#include "ChannelRowApply.h"
#include "ChannelViews.h"
#include "ChirpCsv.h"
#include "CsvTable.h"
#include "LangText.h"
#include "Prompts.h"
#include "RadioImage.h"
#include "RunSettings.h"

#include <QFile>
#include <QHash>

namespace {
struct TableRow {
    int line = 0;
    QHash<QString, QString> cells;   // by the table's field names
    QStringList reasons;             // found while the row was read (CHIRP values without an equivalent)
};

struct LineError {
    int line;                        // 0: the text as a whole
    QString reason;
};

struct Table {
    QList<TableRow> rows;
    QList<LineError> errors;
};

QStringList formatErrors(QList<LineError> errors)
{
    std::stable_sort(errors.begin(), errors.end(), [](const LineError &a, const LineError &b) { return a.line < b.line; });
    QStringList out;
    for (const LineError &e : errors)
        out << (e.line > 0 ? LangText(30208).arg(e.line).arg(e.reason) : e.reason);
    return out;
}

QString parseError(const CsvParse &csv)
{
    switch (csv.error) {
    case CsvParse::Error::NotUtf8: return LangText(30241);
    case CsvParse::Error::UnterminatedQuote: return LangText(30240);
    case CsvParse::Error::TooLarge: return LangText(30700).arg(kCsvMaxBytes / (1024 * 1024));
    case CsvParse::Error::TooManyRecords: return LangText(30701).arg(kCsvMaxRecords);
    case CsvParse::Error::TooManyFields: return LangText(30702).arg(kCsvMaxFields);
    case CsvParse::Error::None: break;
    }
    return QString();
}

// The records of a CSV text as rows of table cells. Without a header the columns are
// the table's own order (only allowed for a paste).
Table readTable(const CsvParse &csv, bool headerOptional)
{
    Table table;
    if (csv.error != CsvParse::Error::None) {
        table.errors << LineError{csv.errorLine, parseError(csv)};
        return table;
    }
    if (csv.records.isEmpty())
        return table;
    QStringList header = csv.records.first().fields;
    int first = 1;
    QStringList chirpOnly, tarvenOnly;
    const HeaderFormat format = TableHeaderFormat(header, &chirpOnly, &tarvenOnly);
    if (format == HeaderFormat::Mixed) {
        table.errors << LineError{csv.records.first().line,
                                  LangText(30703).arg(CellInMessage(chirpOnly.join(QStringLiteral(", "))),
                                                      CellInMessage(tarvenOnly.join(QStringLiteral(", "))))};
        return table;
    }
    if (format == HeaderFormat::None) {
        if (!headerOptional) {
            table.errors << LineError{csv.records.first().line, LangText(30220)};
            return table;
        }
        header = ChannelTableHeader();
        first = 0;
    }
    const bool chirp = format == HeaderFormat::Chirp;
    const int band = Run().BandMode;
    for (int r = first; r < csv.records.size(); ++r) {
        const CsvRecord &rec = csv.records.at(r);
        QHash<QString, QString> byHeader;
        for (int i = 0; i < header.size(); ++i) {
            // A short row leaves its last columns empty.
            const QString cell = i < rec.fields.size() ? UnguardedCell(rec.fields.at(i)) : QString();
            if (chirp)
                byHeader.insert(header.at(i).trimmed().toLower(), cell);
            else if (const int f = FieldIndexByName(header.at(i)); f >= 0)
                byHeader.insert(FieldName(ChannelField(f)), cell);   // unknown columns drop out
        }
        TableRow row{rec.line, {}, {}};
        if (chirp)
            ChirpToTableCells(byHeader, &row.cells, &row.reasons, band);
        else
            row.cells = byHeader;
        table.rows << row;
    }
    return table;
}

// The channel a file row names, or the reason it names none.
int addressOf(const TableRow &row, int band, QString *reason)
{
    const QString location = row.cells.value(FieldName(ChannelField::Location)).trimmed();
    const QString label = row.cells.value(FieldName(ChannelField::Group)).trimmed();
    int number = -1;
    if (!location.isEmpty()) {
        bool ok = false;
        number = location.toInt(&ok);
        if (!ok || number < 1 || number > kChannelSlots) {
            *reason = LangText(30221).arg(CellInMessage(location));
            return -1;
        }
    }
    if (!label.isEmpty()) {
        const int byLabel = ChannelOfLabel(label, band);
        if (byLabel < 0) {
            *reason = LangText(30222).arg(CellInMessage(label));
            return -1;
        }
        if (number > 0 && byLabel != number) {
            *reason = LangText(30223).arg(CellInMessage(location), ChannelLabel(number, band), CellInMessage(label));
            return -1;
        }
        number = byLabel;
    }
    if (number < 0)
        *reason = LangText(30224);
    return number;
}

// Messages the core would show while rows are stored become row errors instead.
class CollectingPrompts : public Prompts {
public:
    void message(const QString &text, MsgIcon) override { messages << text; }
    Answer ask(const QString &, AskButtons, MsgIcon) override { return Answer::Cancel; }
    void endProgram() override {}
    QStringList messages;
};

// Stores rows into the given channels (-1: the row has no channel; its reasons are
// already among the table's errors); restores the image when any row fails.
ImportOutcome storeRows(Table table, const QList<int> &numbers, RowApplyMode mode)
{
    ImportOutcome out;
    out.rows = int(table.rows.size());
    if (numbers.size() != table.rows.size()) {   // the table itself could not be read
        out.errors = formatErrors(table.errors);
        return out;
    }

    const RadioImage before = Image();
    // The windows are refreshed once at the end rather than once for every cell.
    const ChannelViewHooks views = ChannelViews();
    ChannelViews() = ChannelViewHooks{};
    Prompts *shown = &prompts();
    CollectingPrompts collector;
    setPrompts(&collector);

    QList<LineError> errors = table.errors;
    for (int i = 0; i < table.rows.size(); ++i) {
        const TableRow &row = table.rows.at(i);
        QStringList reasons = row.reasons;
        if (numbers.at(i) < 1) {
            // No channel to check against: what the cells say wrong by themselves.
            if (const QString words = RowValueProblems(row.cells); !words.isEmpty())
                reasons << words;
        } else {
            const QString applied = ApplyChannelRow(row.cells, numbers.at(i), mode);
            if (!applied.isEmpty())
                reasons << applied;
            else if (!collector.messages.isEmpty())
                reasons << collector.messages.join(QLatin1Char(' '));
        }
        collector.messages.clear();
        reasons.removeDuplicates();
        if (!reasons.isEmpty())
            errors << LineError{row.line, reasons.join(QStringLiteral("; "))};
    }
    // A row refused for its address and for its values is one line.
    std::stable_sort(errors.begin(), errors.end(), [](const LineError &a, const LineError &b) { return a.line < b.line; });
    QList<LineError> merged;
    for (const LineError &e : std::as_const(errors)) {
        if (!merged.isEmpty() && e.line > 0 && merged.last().line == e.line)
            merged.last().reason += QStringLiteral("; ") + e.reason;
        else
            merged << e;
    }
    out.errors = formatErrors(merged);

    setPrompts(shown);
    ChannelViews() = views;
    if (!out.errors.isEmpty())
        Image() = before;
    if (views.showGridRow) {
        for (int n = 1; n <= kChannelSlots; ++n)
            views.showGridRow(n);
    }
    if (views.reshowGroupSettings)
        views.reshowGroupSettings();
    if (views.refreshEditDialog)
        views.refreshEditDialog();
    out.ok = out.errors.isEmpty();
    return out;
}

// The channels of a placing: the group's free positions in order; rows beyond them are
// refused with the group named.
QList<int> placedNumbers(Table *table, int group, int band)
{
    const QList<int> free = FreePositions(group, band);
    QList<int> numbers;
    for (int i = 0; i < table->rows.size(); ++i) {
        TableRow &row = table->rows[i];
        row.cells.remove(FieldName(ChannelField::Location));
        row.cells.remove(FieldName(ChannelField::Group));
        if (i < free.size()) {
            numbers << GroupStart(group, band) + free.at(i);
        } else {
            table->errors << LineError{row.line, LangText(30708).arg(GroupName(group, band)).arg(free.size())};
            numbers << -1;
        }
    }
    return numbers;
}
}

QString ImportOutcome::errorReport() const
{
    QStringList lines = errors.mid(0, kListedErrors);
    if (errors.size() > kListedErrors)
        lines << LangText(30209).arg(errors.size() - kListedErrors);
    return lines.join(QLatin1Char('\n'));
}

QList<int> FreePositions(int group, int band)
{
    QList<int> free;
    if (group < 0 || group >= GroupCount(band) || IsVfoGroup(group, band) || (band == 0 && group != kCbMemGroup))
        return free;
    for (int p = 1; p <= GroupSize(group, band); ++p) {
        if (!Image().channel(GroupStart(group, band) + p))
            free << p;
    }
    return free;
}

bool ReadTableFile(const QString &path, QByteArray *bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *bytes = file.read(kCsvMaxBytes + 1);
    return file.error() == QFileDevice::NoError;
}

ImportOutcome ImportChannelTable(const QByteArray &csv, RowPlacement placement)
{
    Table table = readTable(ReadCsv(csv), false);
    if (table.errors.isEmpty() && table.rows.isEmpty())
        table.errors << LineError{1, LangText(30220)};
    const int band = Run().BandMode;
    if (!table.errors.isEmpty() && table.rows.isEmpty())
        return storeRows(table, {-1}, {});
    if (placement.placing())
        return storeRows(table, placedNumbers(&table, placement.group, band), {});

    QList<int> numbers;
    QHash<int, int> lineOf;
    for (const TableRow &row : std::as_const(table.rows)) {
        QString reason;
        const int number = addressOf(row, band, &reason);
        if (number > 0 && lineOf.contains(number))
            reason = LangText(30239).arg(ChannelLabel(number, band)).arg(lineOf.value(number));
        if (!reason.isEmpty())
            table.errors << LineError{row.line, reason};
        else
            lineOf.insert(number, row.line);
        numbers << (reason.isEmpty() ? number : -1);
    }
    return storeRows(table, numbers, {});
}

ImportOutcome PasteChannelRows(const QString &text, int group, const QList<int> &positions)
{
    Table table = readTable(ReadCsvText(text), true);
    const int band = Run().BandMode;
    QList<int> numbers;
    if (table.errors.isEmpty() && !positions.isEmpty()) {
        const bool oneToOne = positions.size() == table.rows.size();
        for (int i = 0; i < table.rows.size(); ++i) {
            const int position = oneToOne ? positions.at(i) : positions.first() + i;
            const bool inGroup = position <= GroupSize(group, band);
            if (!inGroup)
                table.errors << LineError{table.rows.at(i).line, LangText(30242)};
            numbers << (inGroup ? GroupStart(group, band) + position : -1);
        }
    }
    if (table.rows.isEmpty() && table.errors.isEmpty())
        table.errors << LineError{0, LangText(30212)};
    return storeRows(table, numbers, {band == 0});
}

ImportOutcome PasteChannelRowsIntoFreePositions(const QString &text, int group)
{
    Table table = readTable(ReadCsvText(text), true);
    if (table.rows.isEmpty() && table.errors.isEmpty())
        table.errors << LineError{0, LangText(30212)};
    if (!table.errors.isEmpty() && table.rows.isEmpty())
        return storeRows(table, {-1}, {});
    return storeRows(table, placedNumbers(&table, group, Run().BandMode), {});
}
