#pragma once
#include <QDialog>

class QComboBox;
class QLineEdit;

// Picks a CB country channel's frequency for a MEM channel: the user chooses a group and
// a channel, the dialog shows that channel's frequency from the image, OK hands it back.
class Frm_Mem_Freq : public QDialog {
    Q_OBJECT
public:
    // frequency: the text of the channel edit dialog's frequency box.
    explicit Frm_Mem_Freq(const QString &frequency, QWidget *parent = nullptr);

    QString frequencyText() const;     // the text OK hands back
    int groupPosition() const { return group_; }     // 0 "Off", 1..8 CB group + 1
    int channelPosition() const { return channel_; } // 0-based within the group

    // The CB country channel (number <= 360) whose shown frequency is nearest to the
    // value; the first in list order on a tie; 0 when none is nearer than the value itself.
    static int NearestCountryChannel(double mhz);

private:
    void fillChannels(int wanted);
    void showFrequency();
    void onGroupChosen();
    void onChannelChosen();

    QComboBox *groups_ = nullptr;      // Combo1(0)
    QComboBox *channels_ = nullptr;    // Combo1(1)
    QLineEdit *text1_ = nullptr;
    int group_ = 0;
    int channel_ = 0;
    bool loading_ = false;
};
