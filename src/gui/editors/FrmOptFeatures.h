#pragma once
#include <QWidget>
#include <array>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
struct OptionBlock;

// Optional features: the radio-wide options of the option block and the common channel
// settings that channels with "Public" on use. Every change is stored at once.
class FrmOptFeatures : public QWidget {
    Q_OBJECT
public:
    // Control ids of SaveOptFeat: Combo1(0..16) by index, Combo2(i) as 100 + i, Text2 and Check1.
    static constexpr int kCommonIdBase = 100;
    static constexpr int kOffsetId = 200;
    static constexpr int kMaxSwrOnId = 300;

    explicit FrmOptFeatures(QWidget *parent = nullptr);

    // Reads the option block and the common channel, changes the field of the control
    // with that id from what the control shows, and writes both back.
    void SaveOptFeat(int id);

public slots:
    // Refills the common roger-beep list and selects the stored tone tip.
    void ShowRBOpt();
    // Commits a maximum SWR being typed.
    void ValidateControls();
    // Shows the image again after an undo or redo.
    void ShowImageAgain();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void FillLists();
    void ShowCaptions();
    void ShowOptFeat(const OptionBlock &block);
    void FillPowerList(QComboBox *selector, int16_t amFm, int16_t &power);
    void Combo1_Click(int index);
    void Combo2_Click(int index);
    void Combo3_Click(int index);
    void Text1_LostFocus();
    void Text2_Change();
    void Text2_LostFocus();
    QComboBox *common(int index) const { return combo2_[size_t(index)]; }

    std::array<QComboBox *, 17> combo1_{};
    std::array<QLabel *, 17> label1_{};
    std::array<bool, 17> storesNumber_{};
    std::array<int16_t, 17> fallback_{};
    std::array<QComboBox *, 14> combo2_{};   // index 0 and 3 unused
    std::array<QLabel *, 14> label3_{};
    std::array<QComboBox *, 2> combo3_{};
    QComboBox *combo5_ = nullptr;
    QLineEdit *text1_ = nullptr;
    QLineEdit *text2_ = nullptr;
    QLabel *label2_1_ = nullptr;
    QLabel *label4_ = nullptr;
    QCheckBox *check1_ = nullptr;
    int band_ = 0;
    bool Loading = false;
};
