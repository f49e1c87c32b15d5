#pragma once
#include <QWidget>
#include <array>

class QComboBox;
class QGroupBox;
class QLabel;

// Key assignment: which key modes the radio offers, and the function of each of the six
// programmable keys in the three key modes. Every change is stored at once.
class FrmKey : public QWidget {
    Q_OBJECT
public:
    explicit FrmKey(QWidget *parent = nullptr);

public slots:
    void ValidateControls() {}   // every choice is stored as it is made
    // Shows the image again after an undo or redo.
    void ShowImageAgain();

private:
    void ShowCaptions();
    void showFunctionTips();
    void ShowKeys();
    void Combo1_Click(int index);
    void Combo2_Click();

    QComboBox *combo2_ = nullptr;
    QLabel *label1_ = nullptr;
    std::array<QGroupBox *, 3> frame1_{};
    std::array<QComboBox *, 18> combo1_{};
    std::array<QLabel *, 18> label2_{};
    bool Loading = false;
};
