#pragma once
#include "PortList.h"

#include <QDialog>
#include <QVector>

class QButtonGroup;
class QComboBox;
class QLabel;
class QRadioButton;
class QTimer;

// The port dialog: sixteen options COM1..COM16, each with the device behind it and what
// the system knows about that device (description, maker, serial number, USB ids), or
// marked absent; the option is enabled when the device is present. Below them, "Other
// device" offers every present serial device that no COM number reaches. The lists are
// read again every second, so adapters plugged in or out while the dialog is open
// appear or vanish, and the pending choice is kept.
class FrmSetComm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kOtherOption = kComPorts;   // button id of "Other device"

    explicit FrmSetComm(QWidget *parent = nullptr);

    QRadioButton *option(int index) const { return options_.value(index); }
    QLabel *deviceLabel(int index) const { return labels_.value(index); }
    QRadioButton *otherOption() const { return otherOption_; }
    QComboBox *otherDevices() const { return otherDevices_; }
    int selectedIndex() const;          // -1 when nothing is selected, kOtherOption for the other device

public slots:
    // Reads the port list and enables the options of present ports (ReCommTimer's tick).
    void EnablePortOptions();
    void ReCommTimer_Timer();

private:
    void fillOtherDevices();
    void savePortChoice();

    QVector<QRadioButton *> options_;
    QVector<QLabel *> labels_;
    QRadioButton *otherOption_ = nullptr;
    QComboBox *otherDevices_ = nullptr;
    QButtonGroup *group_ = nullptr;
    QTimer *reComm_ = nullptr;
    QLabel *pinned_ = nullptr;
};
