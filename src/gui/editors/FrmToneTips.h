#pragma once
#include <QWidget>
#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QTabBar;
class TipPicture;

// Tone tips: the eight short melodies of the radio, edited step by step, shown as a bar
// graph and played on the sound device. Showing a tone tip stores what is shown, so a
// value without a list entry becomes the value of the entry shown.
class FrmToneTips : public QWidget {
    Q_OBJECT
public:
    explicit FrmToneTips(QWidget *parent = nullptr);

    // Play (starts once the click has been handled) and stop buttons.
    void Command1_Click();
    void StopPlay();

public slots:
    void ValidateControls() {}   // every choice is stored as it is made
    // Shows the image again after an undo or redo.
    void ShowImageAgain();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void ShowCaptions();
    void FillLists();
    void ShowTip();
    void TabStrip1_Click(int tabIndex);
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click(int index);
    void Combo4_Click(int index);
    void storeStep(int index);

    QTabBar *tabStrip1_ = nullptr;
    QComboBox *combo1_ = nullptr;
    QComboBox *combo2_ = nullptr;
    QLabel *label1_ = nullptr;
    QLabel *label2_ = nullptr;
    std::array<QLabel *, 2> label3_{};
    std::array<QLabel *, 2> label4_{};
    std::array<QComboBox *, 14> combo3_{};
    std::array<QComboBox *, 14> combo4_{};
    std::array<QLabel *, 14> label5_{};
    QComboBox *combo5_ = nullptr;
    TipPicture *picture1_ = nullptr;
    QPushButton *command1_ = nullptr;
    QPushButton *command2_ = nullptr;
};
