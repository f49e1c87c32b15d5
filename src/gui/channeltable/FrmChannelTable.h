#pragma once
#include <QWidget>

class ChannelTableFilter;
class ChannelTableModel;
class ChannelTableView;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The channel table window: every setting of the channel edit dialog as a column, one
// row per position of the chosen group (or of all groups), with a filter bar, sorting
// by the column headers, bulk edit of the selected rows and "Arrange by frequency".
// Columns can be hidden (header menu) and moved; the layout is kept between runs.
class FrmChannelTable : public QWidget {
    Q_OBJECT
public:
    explicit FrmChannelTable(QWidget *parent = nullptr);
    ~FrmChannelTable() override;

    ChannelTableModel *model() const { return model_; }
    ChannelTableFilter *filter() const { return filter_; }
    ChannelTableView *view() const { return view_; }
    // Channel numbers of the selected rows that hold a channel, in the order shown.
    QList<int> selectedChannels() const;
    QSize sizeHint() const override;

public slots:
    // The image changed as a whole (undo, redo, import, another window).
    void ShowImageAgain();
    // One channel changed elsewhere.
    void ShowChannelAgain(int number);
    void EditSelectedChannels();
    void ArrangeByFrequency();
    void ApplyFilter();
    void ShowCaptions();

private:
    void buildControls();
    void fillGroups();
    void showCount();
    void applyColumnLayout();
    void saveColumnLayout() const;
    void showColumnMenu(const QPoint &at);
    void deleteChannelAt(const QModelIndex &index);

    ChannelTableModel *model_ = nullptr;
    ChannelTableFilter *filter_ = nullptr;
    ChannelTableView *view_ = nullptr;
    QLabel *groupLabel_ = nullptr;
    QComboBox *groupCombo_ = nullptr;
    QLabel *findLabel_ = nullptr;
    QLineEdit *findText_ = nullptr;
    QCheckBox *usedOnly_ = nullptr;
    QLabel *countLabel_ = nullptr;
    QPushButton *editSelected_ = nullptr;
    QPushButton *arrange_ = nullptr;
    QPushButton *check_ = nullptr;
    QPushButton *close_ = nullptr;
    bool restoringLayout_ = false;
};
