#pragma once
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// "Check channels": the findings of the channel checks for the document, one line per
// finding with its channel and reason. Opening a finding (double-click, Enter or
// "Open") shows its channel in the channel edit dialog and the grid. The band plan's
// region is chosen here and kept in the settings.
class FrmChannelCheck : public QWidget {
    Q_OBJECT
public:
    explicit FrmChannelCheck(QWidget *parent = nullptr);
    QTreeWidget *list() const { return list_; }
    QSize sizeHint() const override;

public slots:
    void ShowImageAgain();   // checks the document again
    void ShowCaptions();
    void OpenFinding(QTreeWidgetItem *item);

private:
    QLabel *regionLabel_ = nullptr;
    QComboBox *region_ = nullptr;
    QLabel *summary_ = nullptr;
    QTreeWidget *list_ = nullptr;
    QPushButton *open_ = nullptr;
    QPushButton *again_ = nullptr;
    QPushButton *close_ = nullptr;
};
