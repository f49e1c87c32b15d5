#pragma once
#include "PortList.h"

#include <QDialog>
#include <QVector>
#include <functional>

class QButtonGroup;
class QLabel;
class QRadioButton;
class QTimer;

// The port dialog: sixteen options COM1..COM16, each naming the device behind it, enabled
// when that device is present. The list is read again every second, so adapters plugged
// in or out while the dialog is open appear or vanish, and the pending choice is kept.
class FrmSetComm : public QDialog {
    Q_OBJECT
public:
    using PortLister = std::function<QVector<PortSlot>()>;
    // Where the dialog takes the port list from (the system's by default; tests script it).
    static void SetPortLister(PortLister lister);

    explicit FrmSetComm(QWidget *parent = nullptr);

    QRadioButton *option(int index) const { return options_.value(index); }
    int selectedIndex() const;          // -1 when no option is selected

public slots:
    // Reads the port list and enables the options of present ports (ReCommTimer's tick).
    void EnablePortOptions();
    void ReCommTimer_Timer();

private:
    void savePortChoice();

    QVector<QRadioButton *> options_;
    QButtonGroup *group_ = nullptr;
    QTimer *reComm_ = nullptr;
    QLabel *pinned_ = nullptr;
};
