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

#include <QHash>

namespace {
struct TableRow {
    int line = 0;
    QHash<QString, QString> cells;   // by the table's header words
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

bool isKnownHeader(const QStringList &fields)
{
    if (IsChirpHeader(fields))
        return true;
    for (const QString &f : fields) {
        if (FieldIndexByName(f) >= 0)
            return true;
    }
    return false;
}

// The records of a CSV text as rows of table cells. Without a header the columns are
// the table's own order (only allowed for a paste).
Table readTable(const CsvParse &csv, bool headerOptional)
{
    Table table;
    if (csv.error != CsvParse::Error::None) {
        table.errors << LineError{csv.errorLine, LangText(csv.error == CsvParse::Error::NotUtf8 ? 30241 : 30240)};
        return table;
    }
    if (csv.records.isEmpty())
        return table;
    QStringList header = csv.records.first().fields;
    int first = 1;
    if (!isKnownHeader(header)) {
        if (!headerOptional) {
            table.errors << LineError{csv.records.first().line, LangText(30220)};
            return table;
        }
        header = ChannelTableHeader();
        first = 0;
    }
    const bool chirp = IsChirpHeader(header);
    for (int r = first; r < csv.records.size(); ++r) {
        const CsvRecord &rec = csv.records.at(r);
        QHash<QString, QString> byHeader;
        for (int i = 0; i < header.size() && i < rec.fields.size(); ++i)
            byHeader.insert(chirp ? header.at(i).trimmed().toLower() : header.at(i).trimmed(), rec.fields.at(i));
        TableRow row{rec.line, {}};
        if (chirp) {
            QString reason;
            if (!ChirpToTableCells(byHeader, &row.cells, &reason)) {
                table.errors << LineError{rec.line, reason};
                continue;
            }
        } else {
            // Header words are matched without regard to case; unknown columns drop out.
            for (auto it = byHeader.cbegin(); it != byHeader.cend(); ++it) {
                const int f = FieldIndexByName(it.key());
                if (f >= 0)
                    row.cells.insert(FieldName(ChannelField(f)), it.value());
            }
        }
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
            *reason = LangText(30221).arg(location);
            return -1;
        }
    }
    if (!label.isEmpty()) {
        const int byLabel = ChannelOfLabel(label, band);
        if (byLabel < 0) {
            *reason = LangText(30222).arg(label);
            return -1;
        }
        if (number > 0 && byLabel != number) {
            *reason = LangText(30223).arg(location, ChannelLabel(number, band), label);
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

// Stores rows into the given channels; restores the image when any row fails.
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
        if (numbers.at(i) < 1)
            continue;   // its address was refused already
        QString reason = ApplyChannelRow(row.cells, numbers.at(i), mode);
        if (reason.isEmpty() && !collector.messages.isEmpty())
            reason = collector.messages.join(QLatin1Char(' '));
        collector.messages.clear();
        if (!reason.isEmpty())
            errors << LineError{row.line, reason};
    }
    out.errors = formatErrors(errors);

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
}

QString ImportOutcome::errorReport() const
{
    QStringList lines = errors.mid(0, kListedErrors);
    if (errors.size() > kListedErrors)
        lines << LangText(30209).arg(errors.size() - kListedErrors);
    return lines.join(QLatin1Char('\n'));
}

ImportOutcome ImportChannelTable(const QByteArray &csv)
{
    Table table = readTable(ReadCsv(csv), false);
    if (table.errors.isEmpty() && table.rows.isEmpty())
        table.errors << LineError{1, LangText(30220)};
    const int band = Run().BandMode;
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
