#pragma once
#include "ChannelFilter.h"

#include <QSortFilterProxyModel>

class ChannelTableModel;

// What the channel table shows of its model: the rows the filter bar lets through, in
// the order of the column header clicked last (or position order). Only the view
// changes; nothing is stored.
class ChannelTableFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit ChannelTableFilter(ChannelTableModel *source, QObject *parent = nullptr);
    void setFilter(const ChannelFilter &filter);
    // Back to the order of the group positions.
    void showPositionOrder();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    ChannelTableModel *source_;
    ChannelFilter filter_;
};
