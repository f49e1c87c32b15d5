// The channel grid's keyboard, with a spreadsheet's habits: arrows move between cells,
// F2 or typing starts editing, Enter opens a list cell, Escape restores the old value,
// Tab and Shift+Tab go round the editable cells without leaving the grid, Delete
// removes the channel of the row.
#include "frmCommChInfo.h"

#include "ChannelCell.h"
#include "ComfortTextIds.h"
#include "EditState.h"
#include "LangText.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "UiChannelEdits.h"
#include "UiStatusNote.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>

namespace {
bool isTab(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
}

int tabStep(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier) ? -1 : 1;
}

// A key that types a character into a cell (no Ctrl or Alt chord).
bool typesCharacter(const QKeyEvent *key)
{
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = key->text();
    return text.size() == 1 && text.at(0).isPrint();
}
}

bool frmCommChInfo::gridKeyPressed(QKeyEvent *key)
{
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        EnterGridEdit();
        // A list cell opens its list at once; Enter in it keeps the choice, Escape the old one.
        if (auto *combo = qobject_cast<QComboBox *>(editorOf(editColumn_)); combo && combo->isVisible())
            combo->showPopup();
        return true;
    case Qt::Key_F2:
        EnterGridEdit();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        moveToEditableCell(tabStep(key));
        return true;
    case Qt::Key_Delete:
        deleteCurrentChannel();
        return true;
    default:
        break;
    }
    if (typesCharacter(key)) {
        startTyping(key);
        return true;
    }
    return false;
}

bool frmCommChInfo::editorKeyPressed(QKeyEvent *key)
{
    QWidget *editor = editorOf(editColumn_);
    if (!editor || !editor->isVisible())
        return false;
    if (key->key() == Qt::Key_Escape) {
        cancelEditor();
        return true;
    }
    if (isTab(key)) {
        commitAndReturnToGrid();
        moveToEditableCell(tabStep(key));
        return true;
    }
    return false;
}

// Typing on a cell opens its editor: a text cell starts over with the typed character,
// a list cell jumps to the entry that starts with it.
void frmCommChInfo::startTyping(QKeyEvent *key)
{
    EnterGridEdit();
    QWidget *editor = editorOf(editColumn_);
    if (!editor || !editor->isVisible() || !editor->hasFocus())
        return;
    if (auto *box = qobject_cast<QLineEdit *>(editor))
        box->clear();
    QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
    QApplication::sendEvent(editor, &copy);
}

void frmCommChInfo::moveToEditableCell(int step)
{
    const int rows = rowCount() - 1;
    if (rows < 1)
        return;
    const int columns = GridEdit - 1;   // columns 1..6 hold values
    const int cells = rows * columns;
    int row = qMax(1, grid_->currentRow() + 1);
    int column = qBound(1, grid_->currentColumn(), columns);
    int index = (row - 1) * columns + (column - 1);
    for (int n = 0; n < cells; ++n) {
        index = (index + step + cells) % cells;
        row = index / columns + 1;
        column = index % columns + 1;
        if (cellEditable(row, column)) {
            grid_->setCurrentCell(row - 1, column);
            grid_->scrollToItem(grid_->item(row - 1, column));
            grid_->setFocus();
            return;
        }
    }
}

// The editor closes with the value it had when it opened; nothing is stored.
void frmCommChInfo::cancelEditor()
{
    QWidget *editor = editorOf(editColumn_);
    const bool old = loading_;
    loading_ = true;
    if (auto *box = qobject_cast<QLineEdit *>(editor)) {
        box->setText(placedValue_);
    } else if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        combo->hidePopup();
        combo->setCurrentIndex(placedValue_.toInt());
    }
    loading_ = old;
    SetEditDisable();
    grid_->setFocus();
}

// The channel-edit menu's Delete when the main window offers it; otherwise the row's
// channel is deleted as an emptied frequency cell would, within the delete rules.
void frmCommChInfo::deleteCurrentChannel()
{
    if (QWidget *main = window()) {
        if (auto *del = main->findChild<QAction *>(QStringLiteral("MnuCHDelete")); del && del->isVisible() && del->isEnabled()) {
            del->trigger();
            return;
        }
    }
    const int row = grid_->currentRow() + 1;
    if (row < 1 || row >= rowCount() || cellText(row, GridFreq).isEmpty())
        return;
    if (Run().BandMode == 0) {
        ShowStatusNote(LangText(kTextCbNotDeleted));
        return;
    }
    Edit().CurrentChannel = row;
    UserSetChannelCell(Edit().CurrentGroup, row, ColFreq, QString());
}
