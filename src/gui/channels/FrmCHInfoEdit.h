#pragma once
#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The channel edit dialog: every setting of one channel of the current group. It keeps
// no copy of the channel: each change goes through SetChannelCell at once, which calls
// back SetGridEditData(true) so the dialog always shows the stored channel. Group and
// channel are shared with the grid through Edit().CurrentGroup / CurrentChannel.
class FrmCHInfoEdit : public QWidget {
    Q_OBJECT
public:
    // Indexes of the option selectors Combo2(0..15).
    enum Option {
        OptPublic = 0, OptDup, OptTsq, OptScan, OptHiCut, OptBusy, OptNb, OptAddSub5K, OptAmFm,
        OptTxPower, OptRogerBeep, OptDtmfBot, OptDtmfEot, OptDtmfCall, OptRdct, OptTdct, OptionCount,
    };
    static int ColumnOfOption(int index);       // column code of SetChannelCell
    // True when the channel may only be FM: CB groups "CE", "UK", and "DE" above channel 40.
    static bool IsFixFM(int channel, int group, int band);
    // Power entries for the modulation; for AM a power above the second entry is shown as
    // the second (the stored value is not changed).
    static void FillPowerList(QComboBox *selector, int amFm, int &power);

    explicit FrmCHInfoEdit(QWidget *parent = nullptr);
    ~FrmCHInfoEdit() override;

    void EnablePub(bool enabled);
    void ChangShowCHs(int group);
    QComboBox *option(int index) const { return combo2_[index]; }
    QSize sizeHint() const override;

public slots:
    void SetGridEditData(bool fromSelection);
    void ShowRB();
    void ValidateControls();
    // Shows the image again after an undo or redo, DTMF code lists included.
    void ShowImageAgain();

protected:
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void FillLists();
    void ShowCaptions();
    void applyBandLayout();
    void showGroupInCountrySelectors(int group);
    void showChannel();
    void showEmptyChannel();
    void fillDtmfLists();
    void setNormal(QWidget *w, bool normal);
    int shownGroup() const;
    int shownPosition() const;
    void onOptionChosen(int index);
    void onChannelChosen();
    void onGroupChosen();
    void onCountryChosen(int which);
    void commitText1();
    void commitText2();
    void openMemFrequencyPicker();
    void unload();

    QGroupBox *frame1_ = nullptr;
    QComboBox *combo1_ = nullptr;          // channel position
    QComboBox *combo2_[OptionCount] = {};
    QLabel *label3_[OptionCount] = {};
    QComboBox *combo3_[2] = {};            // CB country mode and "U"/"UK"
    QComboBox *combo4_ = nullptr;          // group list, index = group
    QComboBox *combo5_ = nullptr;          // invisible: roger-beep number to text
    QLabel *label1_ = nullptr;
    QLabel *label2_[2] = {};
    QLabel *label4_ = nullptr;
    QLineEdit *text1_ = nullptr;           // receive frequency
    QLineEdit *text2_ = nullptr;           // offset
    QPushButton *command1_ = nullptr;      // ">" memory frequency picker
    QPushButton *commandClose_ = nullptr;
    QPushButton *commandHelp_ = nullptr;

    QString shownText1_, shownText2_;      // texts as last shown from the image
    bool loading_ = false;
    bool inSetData_ = false;
    bool committing_ = false;
    bool unloaded_ = false;
};
