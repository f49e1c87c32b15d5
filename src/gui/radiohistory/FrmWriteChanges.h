#pragma once
#include <QDialog>
#include <QStringList>

class QLabel;
class QPlainTextEdit;

// "What will change": before a write, the settings the write changes on the radio, one
// per line in the compare window's words, against what the radio is known to hold
// (`against` names it). CommandWrite confirms, CommandCancel (and Esc) cancels.
class FrmWriteChanges : public QDialog {
    Q_OBJECT
public:
    FrmWriteChanges(const QStringList &changes, const QString &against, QWidget *parent = nullptr);

    QString text() const;

private:
    QLabel *label1_ = nullptr;
    QPlainTextEdit *text1_ = nullptr;
};
