#pragma once
#include <QDialog>

class QComboBox;

// Chooses the language of the user interface. The choice is stored at once; the main
// window shows it when it is next activated.
class FrmSetLanguage : public QDialog {
    Q_OBJECT
public:
    explicit FrmSetLanguage(QWidget *parent = nullptr);

public slots:
    void CommandOK_Click();

private:
    QComboBox *combo1_ = nullptr;
};
