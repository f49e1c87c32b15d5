#pragma once
#include <QAbstractTableModel>
#include <QList>

// The channels of one group (or of every group) as table rows, the settings of the
// channel edit dialog as columns. Rows are the group positions, empty ones included,
// so a frequency can be typed into an empty position as in the grid. The model reads
// the working image on every request and stores every change through the dialog's
// storing rules (UserSetChannelCell), so it never holds a copy of a channel.
class ChannelTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kAllGroups = -1;
    enum Role {
        SortRole = Qt::UserRole + 1,      // number or list position to sort by
        EntriesRole,                      // QStringList a list cell offers
        EntryIndexRole,                   // the entry a list cell shows
        NumberRole,                       // channel number of the row
    };

    explicit ChannelTableModel(QObject *parent = nullptr);

    void setGroup(int group);             // a group index or kAllGroups
    int group() const { return group_; }
    int numberAt(int row) const { return rows_.value(row); }
    int rowOf(int number) const;          // -1 when the channel is not a row
    // The image changed as a whole (undo, import, another window): every row again.
    void reload();
    // One channel changed: its row again.
    void channelChanged(int number);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Text for the frequency and the offset; the chosen entry's position (EntryIndexRole)
    // for the list cells.
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

private:
    void buildRows();

    int group_ = kAllGroups;
    QList<int> rows_;                     // channel numbers, in group and position order
};
