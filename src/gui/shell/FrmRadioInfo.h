#pragma once
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// The radio's information area as read from the radio: model, band, serial number,
// dates and codes. Shown only; nothing here is written back to the radio.
class FrmRadioInfo : public QWidget {
    Q_OBJECT
public:
    // Text1 indexes: what each text box shows.
    enum Field {
        SalesAreaCode = 0, SerialNumber, FactoryDate, RepairDate, RepairReason, VersionInfo,
        BatchNumber, CustomerCode, DealerCode, StockInDate, SaleDate, Handler, FieldCount
    };

    explicit FrmRadioInfo(QWidget *parent = nullptr);

public slots:
    // Every field of the current radio information into its control.
    void ShowByData();
    // Nothing typed here is ever stored; present so the main window can ask every window.
    void ValidateControls() {}

private:
    QComboBox *model_ = nullptr;       // Combo1(0)
    QComboBox *band_ = nullptr;        // Combo3
    QComboBox *bandText_ = nullptr;    // Combo1(1)
    QLineEdit *texts_[FieldCount] = {};
    QPlainTextEdit *reason_ = nullptr; // Text1(4), several lines
};
