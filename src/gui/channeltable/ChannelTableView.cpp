#include "ChannelTableView.h"

#include "ChannelTableColumns.h"
#include "ChannelTableModel.h"
#include "UiKeyRules.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace Col = ChannelTableColumns;

QWidget *ChannelCellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    const int column = index.column();   // the filter keeps the model's columns
    if (Col::IsList(column)) {
        auto *combo = new QComboBox(parent);
        combo->setMaxVisibleItems(20);
        // The choice is stored at once, as in the dialog.
        connect(combo, &QComboBox::activated, this, [this, combo] {
            auto *self = const_cast<ChannelCellDelegate *>(this);
            emit self->commitData(combo);
            emit self->closeEditor(combo, QAbstractItemDelegate::NoHint);
        });
        return combo;
    }
    auto *box = new QLineEdit(parent);
    box->setMaxLength(column == Col::Frequency ? 9 : 4);
    KeyRules::install(box, column == Col::Frequency ? KeyRules::Frequency : KeyRules::Digits);
    return box;
}

void ChannelCellDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        if (combo->count() == 0) {
            combo->addItems(index.data(ChannelTableModel::EntriesRole).toStringList());
            combo->setCurrentIndex(index.data(ChannelTableModel::EntryIndexRole).toInt());
        }
        return;
    }
    if (auto *box = qobject_cast<QLineEdit *>(editor); box && box->text().isEmpty())
        box->setText(index.data(Qt::EditRole).toString());
}

void ChannelCellDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *combo = qobject_cast<QComboBox *>(editor))
        model->setData(index, combo->currentIndex(), ChannelTableModel::EntryIndexRole);
    else if (auto *box = qobject_cast<QLineEdit *>(editor))
        model->setData(index, box->text(), Qt::EditRole);
}

ChannelTableView::ChannelTableView(QWidget *parent) : QTableView(parent)
{
    setItemDelegate(new ChannelCellDelegate(this));
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setTabKeyNavigation(true);
    // Rows start in position order; a header click sorts the view.
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    setSortingEnabled(true);
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setSortIndicatorShown(true);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
}

QModelIndex ChannelTableView::nextEditable(const QModelIndex &from, int step) const
{
    const QAbstractItemModel *m = model();
    const int rows = m ? m->rowCount() : 0;
    const int columns = m ? m->columnCount() : 0;
    if (rows == 0 || columns == 0)
        return {};
    // Round the cells in the order the header shows them.
    const int cells = rows * columns;
    const int startRow = from.isValid() ? from.row() : 0;
    const int startVisual = from.isValid() ? horizontalHeader()->visualIndex(from.column()) : -1;
    int at = startRow * columns + startVisual;
    for (int n = 0; n < cells; ++n) {
        at = (at + step + cells) % cells;
        const int row = at / columns;
        const int column = horizontalHeader()->logicalIndex(at % columns);
        if (isColumnHidden(column))
            continue;
        const QModelIndex candidate = m->index(row, column);
        if (m->flags(candidate) & Qt::ItemIsEditable)
            return candidate;
    }
    return {};
}

QModelIndex ChannelTableView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    if (action == MoveNext || action == MovePrevious) {
        const QModelIndex next = nextEditable(currentIndex(), action == MoveNext ? 1 : -1);
        if (next.isValid())
            return next;
    }
    return QTableView::moveCursor(action, modifiers);
}

void ChannelTableView::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex current = currentIndex();
    if (state() != EditingState && current.isValid()) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            if (model()->flags(current) & Qt::ItemIsEditable) {
                edit(current);
                // A list cell opens its list at once, as in the grid.
                if (auto *combo = qobject_cast<QComboBox *>(indexWidget(current) ? indexWidget(current) : focusWidget()))
                    QTimer::singleShot(0, combo, [combo] { combo->showPopup(); });
            }
            return;
        }
        if (event->key() == Qt::Key_Delete) {
            emit deleteRequested(current);
            return;
        }
    }
    QTableView::keyPressEvent(event);
}
