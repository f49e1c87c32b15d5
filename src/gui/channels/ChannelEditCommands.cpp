#include "ChannelEditCommands.h"

#include "ChannelExport.h"
#include "ChannelGroup.h"
#include "ChannelImport.h"
#include "ChannelMoves.h"
#include "ControlChars.h"
#include "CsvTable.h"
#include "DocumentChange.h"
#include "EditState.h"
#include "EnteredValueNotes.h"
#include "GroupSettingsNote.h"
#include "LangText.h"
#include "Prompts.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "UiChildWindows.h"
#include "UiStatusNote.h"
#include "frmCommChInfo.h"
#include "frmMain.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTableWidget>

namespace {
struct CommandRow {
    const char *entry;        // MnuCHEdit entry
    const char *button;       // tbToolBar key
    int captionId;
    void (ChannelEditCommands::*slot)();
    bool moves;               // changes channel positions or deletes: not in the CB band
};

const CommandRow kCommands[] = {
    {"MnuCHCut", "BtnCHCut", 10801, &ChannelEditCommands::Cut, true},
    {"MnuCHCopy", "BtnCHCopy", 10802, &ChannelEditCommands::Copy, false},
    {"MnuCHPaste", "BtnCHPaste", 10803, &ChannelEditCommands::Paste, false},
    {"MnuCHPasteFree", "", 30730, &ChannelEditCommands::PasteIntoFreePositions, false},
    {"MnuCHInsert", "BtnCHInsert", 10804, &ChannelEditCommands::Insert, true},
    {"MnuCHDelete", "BtnCHDelete", 10805, &ChannelEditCommands::Delete, true},
    {"MnuCHMoveUp", "BtnCHMoveUp", 10806, &ChannelEditCommands::MoveUp, true},
    {"MnuCHMoveDown", "BtnCHMoveDown", 10807, &ChannelEditCommands::MoveDown, true},
};

const QString kGridName = QStringLiteral("frmCommChInfo");
constexpr int kShownClipboardChars = 60;

void warn(int textId, const QString &details = QString())
{
    prompts().message(details.isEmpty() ? LangText(textId) : LangText(textId) + QStringLiteral("\n\n") + details,
                      MsgIcon::Warning);
}
}

ChannelEditCommands::ChannelEditCommands(frmMain *main) : QObject(main), main_(main)
{
    for (const CommandRow &row : kCommands) {
        const auto slot = row.slot;
        for (QAction *a : {main->menuEntry(QString::fromLatin1(row.entry)), main->toolButton(QString::fromLatin1(row.button))}) {
            if (a)
                connect(a, &QAction::triggered, this, [this, slot] { (this->*slot)(); });
        }
        // The keys act on grid rows only while the grid itself has the focus: the in-cell
        // editors and the other controls keep Ctrl+C, Ctrl+V, Del... for themselves.
        main->menuEntry(QString::fromLatin1(row.entry))->setShortcutContext(Qt::WidgetShortcut);
    }
}

bool ChannelEditCommands::IsChannelGrid(const QMdiSubWindow *sub)
{
    return sub && sub->widget() && sub->widget()->objectName() == kGridName;
}

void ChannelEditCommands::followActiveWindow(QMdiSubWindow *sub)
{
    const bool moves = ChannelsMayMove(Run().BandMode);
    for (const CommandRow &row : kCommands) {
        for (QAction *a : {main_->menuEntry(QString::fromLatin1(row.entry)), main_->toolButton(QString::fromLatin1(row.button))}) {
            if (a)
                a->setEnabled(moves || !row.moves);
        }
    }
    if (!IsChannelGrid(sub))
        return;
    // Rows are chosen with click, Shift+click and Ctrl+click; the right button offers the commands.
    auto *grid = qobject_cast<frmCommChInfo *>(sub->widget());
    if (!grid)
        return;
    QTableWidget *table = grid->grid();
    if (table->contextMenuPolicy() == Qt::ActionsContextMenu)
        return;
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setContextMenuPolicy(Qt::ActionsContextMenu);
    table->addActions(main_->menu(QStringLiteral("MnuCHEdit"))->actions());
}

frmCommChInfo *ChannelEditCommands::grid() const
{
    return qobject_cast<frmCommChInfo *>(LoadedWindow(kGridName));
}

QList<int> ChannelEditCommands::selectedPositions() const
{
    QList<int> positions;
    frmCommChInfo *g = grid();
    if (!g)
        return positions;
    for (const QModelIndex &index : g->grid()->selectionModel()->selectedIndexes()) {
        if (!positions.contains(index.row() + 1))
            positions << index.row() + 1;
    }
    if (positions.isEmpty() && g->grid()->currentRow() >= 0)
        positions << g->grid()->currentRow() + 1;
    std::sort(positions.begin(), positions.end());
    return positions;
}

void ChannelEditCommands::selectPosition(int position)
{
    if (frmCommChInfo *g = grid()) {
        g->grid()->clearSelection();
        g->grid()->setCurrentCell(position - 1, qMax(1, g->grid()->currentColumn()));
    }
}

void ChannelEditCommands::begin(int captionId)
{
    BeginDocumentChange(LangText(captionId).remove(QLatin1Char('&')));
}

void ChannelEditCommands::Copy()
{
    main_->SetSaveEditData();
    const int group = Edit().CurrentGroup;
    const int band = Run().BandMode;
    QList<int> numbers;
    for (int p : selectedPositions()) {
        if (Image().channel(GroupStart(group, band) + p))
            numbers << GroupStart(group, band) + p;
    }
    if (numbers.isEmpty())
        return;
    const QByteArray text = WriteCsv(ChannelTable(Image(), band, ChannelCsvFormat::Tarven, numbers), QLatin1Char('\t'));
    QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
}

void ChannelEditCommands::Cut()
{
    if (!ChannelsMayMove(Run().BandMode))
        return;
    Copy();
    Delete();
}

void ChannelEditCommands::Paste()
{
    main_->SetSaveEditData();
    const QString text = QGuiApplication::clipboard()->text();
    const QList<int> positions = selectedPositions();
    if (text.trimmed().isEmpty()) {
        warn(30212);
        return;
    }
    if (positions.isEmpty())
        return;
    begin(10803);
    const GroupSettingsWatch watch(Edit().CurrentGroup, Run().BandMode);
    const RadioImage before = Image();
    const ImportOutcome outcome = PasteChannelRows(text, Edit().CurrentGroup, positions);
    if (!outcome.ok) {
        warn(30210, outcome.errorReport());
    } else if (Image() == before) {
        // Text that names no channel value (a sentence, a path) changes nothing: say so,
        // with the start of what the clipboard holds.
        QString start = DropControls(text.trimmed().section(QLatin1Char('\n'), 0, 0));
        if (start.size() > kShownClipboardChars)
            start = start.left(kShownClipboardChars) + QStringLiteral("…");
        warn(30604, LangText(30605).arg(start));
    } else {
        QString note = LangText(30606).arg(outcome.rows);
        if (const QString changed = watch.changes(); !changed.isEmpty())
            note += QStringLiteral("; ") + changed;
        ShowStatusNote(note);
    }
}

void ChannelEditCommands::PasteIntoFreePositions()
{
    main_->SetSaveEditData();
    const QString text = QGuiApplication::clipboard()->text();
    if (text.trimmed().isEmpty()) {
        warn(30212);
        return;
    }
    begin(10803);
    const ImportOutcome outcome = PasteChannelRowsIntoFreePositions(text, Edit().CurrentGroup);
    if (!outcome.ok)
        warn(30210, outcome.errorReport());
}

void ChannelEditCommands::Delete()
{
    main_->SetSaveEditData();
    const int group = Edit().CurrentGroup;
    QList<int> positions;
    for (int p : selectedPositions()) {
        if (Image().channel(GroupStart(group, Run().BandMode) + p))
            positions << p;
    }
    if (positions.isEmpty() || !ChannelsMayMove(Run().BandMode))
        return;
    begin(10805);
    const GroupSettingsWatch watch(group, Run().BandMode);
    QList<int> kept;
    if (DeleteChannels(group, positions, &kept) > 0) {
        // The status bar names the first channel kept and the rule that kept it.
        QString note = DeleteRefusalNote(group, GroupStart(group, Run().BandMode) + kept.first());
        if (const QString changed = watch.changes(); !changed.isEmpty())
            note += QStringLiteral("; ") + changed;
        ShowStatusNote(note);
        warn(30213);
    } else {
        ShowStatusNote(watch.changes());
    }
}

int ChannelEditCommands::movingPosition()
{
    main_->SetSaveEditData();
    const QList<int> positions = selectedPositions();
    return positions.isEmpty() || !ChannelsMayMove(Run().BandMode) ? 0 : positions.first();
}

void ChannelEditCommands::Insert()
{
    const int position = movingPosition();
    const int group = Edit().CurrentGroup;
    const int band = Run().BandMode;
    if (position == 0)
        return;
    if (Image().channel(GroupStart(group, band) + GroupSize(group, band))) {
        warn(30211);
        return;
    }
    begin(10804);
    const GroupSettingsWatch watch(group, band);
    InsertChannelGap(group, position);
    selectPosition(position);
    ShowStatusNote(watch.changes());
}

void ChannelEditCommands::move(int step, int captionId)
{
    const int from = movingPosition();
    const int group = Edit().CurrentGroup;
    const int band = Run().BandMode;
    const int to = from + step;
    if (from == 0 || !Image().channel(GroupStart(group, band) + from) || to < 1 || to > GroupSize(group, band))
        return;
    begin(captionId);
    const GroupSettingsWatch watch(group, band);
    MoveChannel(group, from, step);
    selectPosition(to);
    ShowStatusNote(watch.changes());
}

void ChannelEditCommands::MoveUp()
{
    move(-1, 10806);
}

void ChannelEditCommands::MoveDown()
{
    move(1, 10807);
}
