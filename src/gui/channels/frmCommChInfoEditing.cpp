// In-cell editing of the channel grid: entering a cell, committing the editor and
// leaving the cell.
#include "frmCommChInfo.h"

#include "ChannelCell.h"
#include "ChannelGroup.h"
#include "EditState.h"
#include "EnteredValueNotes.h"
#include "FreqCodec.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "UiChannelEdits.h"
#include "UiChannelViews.h"
#include "UiChildWindows.h"
#include "UiComboRules.h"
#include "UiKeyRules.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>

namespace {
// The in-cell list editors by grid column: Combo1 Public, Combo2 DUP, Combo3 TSQ, Combo4 Scan.
int cellComboIndex(int column)
{
    switch (column) {
    case frmCommChInfo::GridPublic: return 0;
    case frmCommChInfo::GridDup: return 1;
    case frmCommChInfo::GridTsq: return 2;
    case frmCommChInfo::GridScan: return 3;
    default: return -1;
    }
}

QString formattedFrequency(const QString &text)
{
    return IsNumericText(text) ? FormatFreq(NumericValue(text)) : text.trimmed();
}
}

void frmCommChInfo::buildCellEditors()
{
    QWidget *vp = grid_->viewport();
    text1_ = new QLineEdit(vp);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setMaxLength(9);
    text2_ = new QLineEdit(vp);
    text2_->setObjectName(QStringLiteral("Text2"));
    text2_->setMaxLength(4);
    KeyRules::install(text1_, KeyRules::Frequency, [this] { commitAndReturnToGrid(); });
    KeyRules::install(text2_, KeyRules::Digits, [this] { commitAndReturnToGrid(); });
    text1_->installEventFilter(this);
    text2_->installEventFilter(this);
    text2_->setToolTip(OffsetRangeTip());

    const QStringList lists[4] = {
        {QStringLiteral("Off"), QStringLiteral("On")},
        {QStringLiteral("Off"), QStringLiteral("+"), QStringLiteral("-")},
        {QStringLiteral("Off"), QStringLiteral("On")},
        {QStringLiteral("Del"), QStringLiteral("Add")},
    };
    for (int i = 0; i < 4; ++i) {
        cellCombo_[i] = new QComboBox(vp);
        cellCombo_[i]->setObjectName(QStringLiteral("Combo%1").arg(i + 1));
        FillCombo(cellCombo_[i], lists[i]);
        KeyRules::install(cellCombo_[i], KeyRules::EnterOnly, [this] { commitAndReturnToGrid(); });
        cellCombo_[i]->installEventFilter(this);
        cellCombo_[i]->view()->installEventFilter(this);   // Escape in the open list
        // A choice by the user stores at once; selections made by program do not.
        connect(cellCombo_[i], &QComboBox::activated, this, [this] { commitAndReturnToGrid(); });
    }
}

QWidget *frmCommChInfo::editorOf(int column) const
{
    if (column == GridFreq)
        return text1_;
    if (column == GridOffset)
        return text2_;
    const int i = cellComboIndex(column);
    return i >= 0 ? cellCombo_[i] : nullptr;
}

void frmCommChInfo::SetEditDisable()
{
    // Hiding a focused editor would pass the focus along the chain; give it to the grid.
    if (isEditorPart(QApplication::focusWidget()))
        grid_->setFocus();
    for (QWidget *w : {static_cast<QWidget *>(text1_), static_cast<QWidget *>(text2_)})
        w->hide();
    for (QComboBox *c : cellCombo_)
        c->hide();
}

void frmCommChInfo::EnterGridEdit()
{
    const int row = grid_->currentRow() + 1;
    const int column = grid_->currentColumn();
    if (!cellEditable(row, column) && !(column == GridEdit && row >= 1 && row < rowCount()))
        return;

    commitEditor();
    editColumn_ = column;
    Edit().CurrentChannel = row;
    Edit().lastEnteredRow = row;
    writeCaption();

    if (column == GridEdit) {
        openEditDialog();
        return;
    }
    EditDialogFollowSelection();
    text1_->setToolTip(FrequencyRangeTip(Edit().CurrentGroup, Run().BandMode));
    QWidget *editor = editorOf(column);
    if (column == GridFreq || column == GridOffset) {
        auto *box = static_cast<QLineEdit *>(editor);
        box->setText(cellText(row, column));
        box->selectAll();
        placedValue_ = box->text();
    } else {
        auto *combo = static_cast<QComboBox *>(editor);
        const bool old = loading_;
        loading_ = true;
        SelectComboText(combo, cellText(row, column));
        loading_ = old;
        placedValue_ = QString::number(combo->currentIndex());
    }
    placeEditor(editor, row, column);
}

bool frmCommChInfo::cellEditable(int row, int column) const
{
    if (row < 1 || column < 1 || column >= GridEdit || row >= rowCount() || grid_->isColumnHidden(column))
        return false;
    const bool cb = Run().BandMode == 0;
    const bool noChannel = cellText(row, GridFreq).isEmpty();
    if (cb && column == GridFreq)
        return false;   // CB frequencies come from the country plans
    if (cb && noChannel)
        return false;
    if ((column == GridDup || column == GridOffset) && cellText(row, GridPublic) == QLatin1String("On"))
        return false;   // governed by the common channel settings
    if (column == GridScan && IsVfoGroup(Edit().CurrentGroup, Run().BandMode))
        return false;
    // Options of a missing channel cannot be set; only a frequency creates one.
    return !noChannel || column == GridFreq;
}

void frmCommChInfo::placeEditor(QWidget *editor, int row, int column)
{
    const QRect cell = grid_->visualRect(grid_->model()->index(row - 1, column));
    editor->setGeometry(cell);
    editor->show();
    editor->raise();
    editor->setFocus();
}

bool frmCommChInfo::isEditorPart(const QWidget *w) const
{
    if (!w)
        return false;
    if (w == text1_ || w == text2_)
        return true;
    for (QComboBox *c : cellCombo_) {
        if (w == c || c->isAncestorOf(w) || (c->view() && w->window() == c->view()->window()))
            return true;
    }
    return false;
}

void frmCommChInfo::commitEditor()
{
    if (committing_)
        return;
    QWidget *editor = editorOf(editColumn_);
    if (!editor || !editor->isVisible()) {
        SetEditDisable();
        return;
    }
    QString value;
    if (editColumn_ == GridFreq)
        value = text1_->text();
    else if (editColumn_ == GridOffset)
        value = text2_->text();
    else
        value = QString::number(static_cast<QComboBox *>(editor)->currentIndex());
    const bool changed = value != placedValue_;

    // Hide first: the frequency check may show a message, which takes the focus.
    committing_ = true;
    SetEditDisable();
    if (changed) {
        if (editColumn_ == GridFreq) {
            UserSetChannelCell(Edit().CurrentGroup, Edit().CurrentChannel, ColFreq, formattedFrequency(value), value);
        } else if (editColumn_ == GridOffset) {
            // An empty or non-numeric offset is not stored; the cell shows the stored one.
            if (IsNumericText(value))
                UserSetChannelCell(Edit().CurrentGroup, Edit().CurrentChannel, ColOffset, value);
        } else {
            UserSetChannelCell(Edit().CurrentGroup, Edit().CurrentChannel, editColumn_, value);
        }
    }
    committing_ = false;
}

void frmCommChInfo::commitAndReturnToGrid()
{
    commitEditor();
    grid_->setFocus();
}

void frmCommChInfo::onFocusChanged(QWidget *, QWidget *now)
{
    if (committing_ || isEditorPart(now))
        return;
    if (editorOf(editColumn_) && editorOf(editColumn_)->isVisible())
        commitEditor();
}

void frmCommChInfo::onCurrentCellChanged(int row, int)
{
    if (loading_ || row < 0)
        return;
    commitEditor();
    // The edit dialog follows the row the user moves to.
    if (Edit().CurrentChannel != row + 1) {
        Edit().CurrentChannel = row + 1;
        EditDialogFollowSelection();
    }
}

void frmCommChInfo::openEditDialog()
{
    commitEditor();
    if (QWidget *dialog = LoadedWindow(QStringLiteral("FrmCHInfoEdit"))) {
        EditDialogFollowSelection();
        ShowChild(QStringLiteral("FrmCHInfoEdit"));
        dialog->raise();
        return;
    }
    ShowChild(QStringLiteral("FrmCHInfoEdit"));
}

bool frmCommChInfo::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == grid_)
            return gridKeyPressed(key) || QWidget::eventFilter(watched, event);
        if (editorKeyPressed(key))
            return true;
    }
    if (watched == grid_->viewport() && event->type() == QEvent::MouseButtonPress)
        commitEditor();   // a click on the grid leaves the cell being edited
    return QWidget::eventFilter(watched, event);
}
