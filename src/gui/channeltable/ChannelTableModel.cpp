#include "ChannelTableModel.h"

#include "ChannelCsvFields.h"
#include "ChannelGroup.h"
#include "ChannelTableColumns.h"
#include "EnteredValueNotes.h"
#include "FreqCodec.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "UiChannelEdits.h"

namespace Col = ChannelTableColumns;

ChannelTableModel::ChannelTableModel(QObject *parent) : QAbstractTableModel(parent)
{
    buildRows();
}

void ChannelTableModel::buildRows()
{
    rows_.clear();
    const int band = Run().BandMode;
    for (int g = 0; g < GroupCount(band); ++g) {
        if (group_ != kAllGroups && g != group_)
            continue;
        for (int p = 1; p <= GroupSize(g, band); ++p)
            rows_ << GroupStart(g, band) + p;
    }
}

void ChannelTableModel::setGroup(int group)
{
    beginResetModel();
    group_ = group;
    buildRows();
    endResetModel();
}

int ChannelTableModel::rowOf(int number) const
{
    return int(rows_.indexOf(number));
}

void ChannelTableModel::reload()
{
    // The rows are the group's positions: unless the band changed they stay, and only
    // their contents are shown again (selection and current cell are kept).
    const QList<int> before = rows_;
    buildRows();
    if (rows_ == before) {
        if (!rows_.isEmpty())
            emit dataChanged(index(0, 0), index(int(rows_.size()) - 1, Col::Count - 1));
        return;
    }
    const QList<int> after = rows_;
    rows_ = before;
    beginResetModel();
    rows_ = after;
    endResetModel();
}

void ChannelTableModel::channelChanged(int number)
{
    const int row = rowOf(number);
    if (row >= 0)
        emit dataChanged(index(row, 0), index(row, Col::Count - 1));
}

int ChannelTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int ChannelTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Col::Count;
}

QVariant ChannelTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows_.size())
        return {};
    const int band = Run().BandMode;
    const int number = rows_.at(index.row());
    const int group = ContainingGroup(number, band);
    const ChannelRecord *c = Image().channel(number);
    const int column = index.column();
    switch (role) {
    case NumberRole: return number;
    case Qt::ToolTipRole:
        if (column == Col::Frequency)
            return FrequencyRangeTip(group, band);
        return column == Col::Offset ? QVariant(OffsetRangeTip()) : QVariant();
    default: break;
    }
    if (!c)
        return role == SortRole ? QVariant(1e12) : QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return Col::Text(column, *c, group, band);
    case SortRole: return Col::SortKey(column, *c);
    case EntriesRole: return Col::Entries(column, *c);
    case EntryIndexRole: return Col::EntryIndex(column, *c);
    default: return {};
    }
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Horizontal)
        return Col::Caption(section);
    return ChannelLabel(rows_.value(section), Run().BandMode);
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const int band = Run().BandMode;
    const int number = rows_.at(index.row());
    const int group = ContainingGroup(number, band);
    const int position = number - GroupStart(group, band);
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (Col::Editable(index.column(), Image().channel(number), group, position, band))
        f |= Qt::ItemIsEditable;
    return f;
}

bool ChannelTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const int band = Run().BandMode;
    const int number = rows_.at(index.row());
    const int group = ContainingGroup(number, band);
    const int position = number - GroupStart(group, band);
    const int column = index.column();
    const int cell = Col::CellColumn(column);
    if (Col::IsList(column)) {
        if (role != EntryIndexRole)
            return false;
        const ChannelRecord *c = Image().channel(number);
        const int entry = value.toInt();
        if (!c || entry == Col::EntryIndex(column, *c))
            return false;   // the dialog stores only a different choice
        UserSetChannelCell(group, position, cell, Col::ValueOfEntry(column, Col::Entries(column, *c), entry));
    } else {
        const QString text = value.toString();
        if (text == data(index, Qt::EditRole).toString())
            return false;
        if (column == Col::Frequency) {
            const QString stored = IsNumericText(text) ? FormatFreq(NumericValue(text)) : text.trimmed();
            UserSetChannelCell(group, position, cell, stored, text);
        } else if (IsNumericText(text)) {
            UserSetChannelCell(group, position, cell, text);
        } else {
            return false;   // the dialog stores no offset that is not a number
        }
    }
    channelChanged(number);
    return true;
}
