#pragma once
#include <QDialog>

class QComboBox;

// Model and band of the document. Choosing another band starts a new document for it,
// after the unsaved-changes question and a warning.
class FrmModelInfo : public QDialog {
    Q_OBJECT
public:
    explicit FrmModelInfo(QWidget *parent = nullptr);

public slots:
    void CommandOK_Click();

private:
    QComboBox *combo1_ = nullptr;   // model
    QComboBox *combo2_ = nullptr;   // band texts
    QComboBox *combo3_ = nullptr;   // band names
    bool Loading = true;
};
