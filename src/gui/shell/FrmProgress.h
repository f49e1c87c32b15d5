#pragma once
#include <QDialog>

class QLabel;
class QProgressBar;

// The modal window of a read or a write: caption by operation, the bar and the
// percentage. The link engine removes it when the operation ends; the user cannot
// close it.
class FrmProgress : public QDialog {
    Q_OBJECT
public:
    explicit FrmProgress(int operation, QWidget *parent = nullptr);

    // Closes the window for good (the operation has ended).
    void finish();

public slots:
    void SetProgressValue(int value);   // bar and "<value>%"

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    QProgressBar *bar_ = nullptr;
    QLabel *label1_ = nullptr;
    QLabel *label2_ = nullptr;
    bool finished_ = false;
};
