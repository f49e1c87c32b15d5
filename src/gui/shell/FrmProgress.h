#pragma once
#include "LinkUi.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// The modal window of a read or a write: caption by operation, the phase running, the
// bar and the percentage. The link engine removes it when the operation ends. The
// Cancel button (CommandCancel), Esc and closing the window ask for the operation to be
// cancelled (cancelRequested, once); the engine then ends it after the exchange in
// flight.
class FrmProgress : public QDialog {
    Q_OBJECT
public:
    explicit FrmProgress(int operation, QWidget *parent = nullptr);

    // Closes the window for good (the operation has ended).
    void finish();

    // LabelPhase: what is running; Cancelling also disables the Cancel button.
    void setPhase(LinkPhase phase);
    static QString PhaseText(LinkPhase phase);

public slots:
    void SetProgressValue(int value);   // bar and "<value>%"

signals:
    void cancelRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    QProgressBar *bar_ = nullptr;
    QLabel *label1_ = nullptr;
    QLabel *label2_ = nullptr;
    QLabel *phase_ = nullptr;
    QPushButton *cancel_ = nullptr;
    bool finished_ = false;
    bool cancelAsked_ = false;
    void askCancel();
};
