#pragma once
#include <QDialog>

// The about window: title, version, description and disclaimer from the language file.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);
};
