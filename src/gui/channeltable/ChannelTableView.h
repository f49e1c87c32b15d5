#pragma once
#include <QStyledItemDelegate>
#include <QTableView>

// Cell editors of the channel table: a list cell opens the dialog's list and stores the
// entry as soon as it is chosen; the frequency and offset cells are text boxes with the
// dialog's key filters.
class ChannelCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
};

// The table with the channel grid's keyboard: arrows move, F2 or typing starts editing,
// Enter opens the cell (a list cell its list), Escape keeps the old value, Tab and
// Shift+Tab go round the editable cells, Delete deletes the row's channel (outside the
// CB band, within the delete rules).
class ChannelTableView : public QTableView {
    Q_OBJECT
public:
    explicit ChannelTableView(QWidget *parent = nullptr);

signals:
    void deleteRequested(const QModelIndex &index);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    QModelIndex nextEditable(const QModelIndex &from, int step) const;
};
