#include "ChannelTableFilter.h"

#include "ChannelTableModel.h"
#include "RadioImage.h"
#include "RunSettings.h"

ChannelTableFilter::ChannelTableFilter(ChannelTableModel *source, QObject *parent)
    : QSortFilterProxyModel(parent), source_(source)
{
    setSourceModel(source);
    setSortRole(ChannelTableModel::SortRole);
    setDynamicSortFilter(false);   // an edited row stays where it is until the next sort
}

void ChannelTableFilter::setFilter(const ChannelFilter &filter)
{
    filter_ = filter;
    invalidateFilter();
}

void ChannelTableFilter::showPositionOrder()
{
    sort(-1);
    invalidate();
}

bool ChannelTableFilter::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    if (filter_.isEmpty())
        return true;
    const int number = source_->numberAt(sourceRow);
    QStringList shown;
    for (int c = 0; c < source_->columnCount(); ++c)
        shown << source_->index(sourceRow, c).data(Qt::DisplayRole).toString();
    return filter_.matches(number, Image().channel(number), Run().BandMode, shown);
}

bool ChannelTableFilter::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const double a = left.data(ChannelTableModel::SortRole).toDouble();
    const double b = right.data(ChannelTableModel::SortRole).toDouble();
    if (a != b)
        return a < b;
    return left.row() < right.row();   // equal values keep their position order
}
