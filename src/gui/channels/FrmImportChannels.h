#pragma once
#include "ChannelImport.h"
#include "StockLists.h"

#include <QDialog>
#include <QList>

class QComboBox;
class QLabel;
class QListWidget;
class QRadioButton;

// The import dialog: what is imported (a chosen file, or one of the stock lists) and
// where its rows go: to the channel numbers the file gives, or in file order into the
// free positions of a group (tables numbered for other radios, lists without numbers).
class FrmImportChannels : public QDialog {
    Q_OBJECT
public:
    // A file chosen before; `stock` empty.
    FrmImportChannels(const QString &path, QWidget *parent = nullptr);
    // A choice among the stock lists.
    FrmImportChannels(const QList<StockList> &stock, QWidget *parent = nullptr);

    QString chosenPath() const;
    RowPlacement placement() const;
    // Selects the placing into a group (-1: the file's own numbers).
    void choosePlacement(int group);
    void chooseStockList(int index);

private:
    void build(QWidget *source);
    void stockListChosen();
    void groupChosen();

    QString path_;
    QList<StockList> stock_;
    QListWidget *list_ = nullptr;
    QLabel *source_ = nullptr;
    QRadioButton *byNumbers_ = nullptr;
    QRadioButton *placing_ = nullptr;
    QComboBox *group_ = nullptr;
    QLabel *free_ = nullptr;
};
