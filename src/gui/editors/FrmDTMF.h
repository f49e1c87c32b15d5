#pragma once
#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;
struct DtmfBlock;

// DTMF settings: signalling times, D key, display switch and the sixteen code memories.
// Every change is stored at once; showing the settings stores what is shown, so a stored
// time without a matching entry becomes the time of the entry shown.
class FrmDTMF : public QWidget {
    Q_OBJECT
public:
    static constexpr int kGeneralTab = 0;
    static constexpr int kCodeMemoryTab = 1;
    static constexpr int kMoreTab = 2;

    explicit FrmDTMF(QWidget *parent = nullptr);

    // Stores code memory index + 1 from its box; an emptied memory loses every reference.
    void Text2_Change(int index);

public slots:
    void ValidateControls() {}   // every change is stored as it is made
    // Shows the image again after an undo or redo.
    void ShowImageAgain();

private:
    void buildControls();
    void FillLists();
    void ShowCaptions();
    void ShowDTMF(const DtmfBlock &settings);
    void Combo1_Click(int index);
    void Check1_Click();

    QTabWidget *sstab1_ = nullptr;
    std::array<QComboBox *, 5> combo1_{};
    std::array<QLabel *, 5> label1_{};
    QCheckBox *check1_ = nullptr;
    std::array<QLineEdit *, 16> text2_{};
    std::array<QLabel *, 16> label4_{};
    bool Loading = false;
};
