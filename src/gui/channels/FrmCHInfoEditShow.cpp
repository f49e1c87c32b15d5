// Showing the stored channel in the channel edit dialog and storing the user's changes.
#include "FrmCHInfoEdit.h"

#include "ChannelCell.h"
#include "ChannelGroup.h"
#include "EditState.h"
#include "EnteredValueNotes.h"
#include "FreqCodec.h"
#include "Frm_Mem_Freq.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "UiChannelEdits.h"
#include "UiChannelViews.h"
#include "UiComboRules.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int kCountrySel = 0, kUSubSel = 1;
constexpr int kCountryU = 2;
constexpr int kText1Width = 1815 / 15;
constexpr int kText1MemWidth = 1560 / 15;

bool alwaysEnabledOption(int index)
{
    return index == FrmCHInfoEdit::OptTsq || index == FrmCHInfoEdit::OptScan
        || index == FrmCHInfoEdit::OptRdct || index == FrmCHInfoEdit::OptTdct;
}
}

int FrmCHInfoEdit::shownGroup() const
{
    return combo4_->currentIndex();
}

int FrmCHInfoEdit::shownPosition() const
{
    return combo1_->currentIndex() + 1;
}

// Normal entry background, or the form's background for a control that is not in use.
void FrmCHInfoEdit::setNormal(QWidget *w, bool normal)
{
    QPalette pal = w->palette();
    const QPalette base = palette();
    const QColor colour = normal ? base.color(QPalette::Base) : base.color(QPalette::Window);
    if (qobject_cast<QLineEdit *>(w)) {
        pal.setColor(QPalette::Base, colour);
    } else {
        pal.setColor(QPalette::Button, normal ? base.color(QPalette::Button) : base.color(QPalette::Window));
    }
    w->setPalette(pal);
}

void FrmCHInfoEdit::showGroupInCountrySelectors(int group)
{
    const QString name = GroupName(group, 0);
    if (group == 2 || group == kCbGroupUk) {
        SelectComboText(combo3_[kUSubSel], name);
        SelectComboIndex(combo3_[kCountrySel], kCountryU);
        combo3_[kUSubSel]->show();
    } else {
        SelectComboText(combo3_[kCountrySel], name);
        combo3_[kUSubSel]->hide();
    }
}

void FrmCHInfoEdit::SetGridEditData(bool fromSelection)
{
    // The grid, told to follow a change made here, asks this dialog to refresh while it
    // is still showing; that nested request has nothing new to show.
    if (inSetData_)
        return;
    inSetData_ = true;
    loading_ = true;
    const int band = Run().BandMode;

    if (fromSelection) {
        const int group = Edit().CurrentGroup;
        if (combo4_->currentIndex() != group) {
            SelectComboIndex(combo4_, group);
            if (band == 0)
                showGroupInCountrySelectors(group);
            ChangShowCHs(group);
            SelectComboIndex(combo1_, Edit().CurrentChannel - 1);
        } else if (combo1_->currentIndex() != Edit().CurrentChannel - 1) {
            // The grid moved to another channel of the same group: follow it.
            SelectComboIndex(combo1_, Edit().CurrentChannel - 1);
        }
    } else {
        bool groupChanged = false;
        if (combo4_->currentIndex() != Edit().CurrentGroup) {
            Edit().CurrentGroup = combo4_->currentIndex();
            ChangShowCHs(Edit().CurrentGroup);
            groupChanged = true;
        }
        if (combo1_->currentIndex() < 0)
            SelectComboIndex(combo1_, 0);
        const bool channelChanged = Edit().CurrentChannel != shownPosition();
        Edit().CurrentChannel = shownPosition();
        if (groupChanged || channelChanged)
            GridFollowSelection();
    }

    const int group = shownGroup();
    const bool vfo = IsVfoGroup(group, band);
    label3_[OptScan]->setVisible(!vfo);
    combo2_[OptScan]->setVisible(!vfo);
    text1_->setFixedWidth(IsMemGroup(group, band) ? kText1MemWidth : kText1Width);
    text1_->setToolTip(FrequencyRangeTip(group, band));
    text2_->setToolTip(OffsetRangeTip());

    if (Image().channel(GroupStart(group, band) + shownPosition()))
        showChannel();
    else
        showEmptyChannel();

    shownText1_ = text1_->text();
    shownText2_ = text2_->text();
    loading_ = false;
    inSetData_ = false;
}

void FrmCHInfoEdit::showChannel()
{
    const int band = Run().BandMode;
    const int group = shownGroup();
    const int position = shownPosition();
    ChannelRecord &ch = *Image().channel(GroupStart(group, band) + position);

    command1_->hide();
    text1_->setText(FreqDisplayText(ch.freqText(), group, band));
    text1_->setEnabled(band != 0);
    setNormal(text1_, band != 0);
    if (band == 0 && IsMemGroup(group, band))
        command1_->show();
    text2_->setText(QString::number(ch.OffSetFre));
    text2_->setEnabled(true);
    setNormal(text2_, true);

    combo2_[OptPublic]->setEnabled(true);
    setNormal(combo2_[OptPublic], true);
    SelectComboIndex(combo2_[OptPublic], ch.Public);
    EnablePub(combo2_[OptPublic]->currentIndex() < 1);

    SelectComboIndex(combo2_[OptScan], ch.Scan);
    SelectComboIndex(combo2_[OptDup], ch.DUP);
    SelectComboIndex(combo2_[OptTsq], ch.TSQ);
    SelectComboIndex(combo2_[OptHiCut], ch.HI_CUT);
    SelectComboIndex(combo2_[OptBusy], ch.BUSY);
    SelectComboIndex(combo2_[OptNb], ch.NB);
    SelectComboIndex(combo2_[OptAddSub5K], ch.Add_Sub_5K);

    // Some country plans allow FM only: a stored AM is corrected as soon as it is shown.
    if (IsFixFM(position, group, band)) {
        ch.AM_FM = 0;
        combo2_[OptAmFm]->setEnabled(false);
        setNormal(combo2_[OptAmFm], false);
    }
    SelectComboIndex(combo2_[OptAmFm], ch.AM_FM);

    int power = ch.Tx_Power;
    FillPowerList(combo2_[OptTxPower], ch.AM_FM, power);
    SelectComboIndex(combo2_[OptTxPower], power);

    ShowRB();
    fillDtmfLists();
    SelectComboText(combo2_[OptDtmfBot], QString::number(ch.DTMF_BOT));
    SelectComboText(combo2_[OptDtmfEot], QString::number(ch.DTMF_EOT));
    SelectComboText(combo2_[OptDtmfCall], QString::number(ch.DTMF_Call));
    SelectComboIndex(combo2_[OptRdct], ch.RDCT);
    SelectComboIndex(combo2_[OptTdct], ch.TDCT);
}

// An empty position: only a frequency can be entered, every option is out of use and
// shows nothing (not the values of the channel shown before).
void FrmCHInfoEdit::showEmptyChannel()
{
    const int band = Run().BandMode;
    command1_->hide();
    text1_->setText(QString());
    text1_->setEnabled(band != 0);
    setNormal(text1_, true);
    if (band == 0 && IsMemGroup(shownGroup(), band))
        command1_->show();
    text2_->setText(QString());
    text2_->setEnabled(false);
    setNormal(text2_, false);
    for (QComboBox *c : combo2_) {
        setNormal(c, false);
        c->setEnabled(false);
        c->setCurrentIndex(-1);
    }
}

void FrmCHInfoEdit::EnablePub(bool enabled)
{
    for (int i = 1; i < OptionCount; ++i) {
        const bool on = alwaysEnabledOption(i) || enabled;
        combo2_[i]->setEnabled(on);
        setNormal(combo2_[i], on);
    }
    text2_->setEnabled(enabled);
    setNormal(text2_, enabled);
}

void FrmCHInfoEdit::ShowRB()
{
    const int band = Run().BandMode;
    const ChannelRecord *ch = Image().channel(GroupStart(shownGroup(), band) + shownPosition());
    // Refilled also while the selector is disabled, so it never shows another channel's tip.
    if (!ch)
        return;
    const bool old = loading_;
    loading_ = true;
    SelectComboIndex(combo5_, ch->RBTone);
    FillCombo(combo2_[OptRogerBeep], UsableTipEntries(Image()));
    SelectComboText(combo2_[OptRogerBeep], combo5_->currentText());
    loading_ = old;
}

// ---- changes by the user ----------------------------------------------------------

void FrmCHInfoEdit::onOptionChosen(int index)
{
    if (loading_)
        return;
    QComboBox *c = combo2_[index];
    const bool byText = index >= OptRogerBeep && index <= OptDtmfCall;
    const QString value = byText ? c->currentText() : QString::number(c->currentIndex());
    UserSetChannelCell(shownGroup(), shownPosition(), ColumnOfOption(index), value);
}

void FrmCHInfoEdit::onChannelChosen()
{
    if (loading_)
        return;
    SetGridEditData(false);
}

void FrmCHInfoEdit::onGroupChosen()
{
    if (combo4_->currentIndex() != Edit().CurrentGroup)
        SetGridEditData(false);
}

void FrmCHInfoEdit::onCountryChosen(int which)
{
    if (which == kCountrySel) {
        if (combo3_[kCountrySel]->currentIndex() == kCountryU) {
            combo3_[kUSubSel]->show();
            if (combo3_[kUSubSel]->currentIndex() < 0) {
                SelectComboIndex(combo3_[kUSubSel], 0);
                onCountryChosen(kUSubSel);
                return;
            }
        } else {
            combo3_[kUSubSel]->hide();
        }
    }
    if (loading_)
        return;
    const QComboBox *source = combo3_[kUSubSel]->isVisibleTo(this) ? combo3_[kUSubSel] : combo3_[kCountrySel];
    SelectComboText(combo4_, source->currentText());
    onGroupChosen();
}

void FrmCHInfoEdit::commitText1()
{
    if (loading_ || committing_ || text1_->text() == shownText1_)
        return;
    const QString text = text1_->text();
    const QString value = IsNumericText(text) ? FormatFreq(NumericValue(text)) : text.trimmed();
    committing_ = true;
    UserSetChannelCell(shownGroup(), shownPosition(), ColFreq, value, text);
    committing_ = false;
}

void FrmCHInfoEdit::commitText2()
{
    if (loading_ || committing_ || text2_->text() == shownText2_)
        return;
    committing_ = true;
    if (IsNumericText(text2_->text()))
        UserSetChannelCell(shownGroup(), shownPosition(), ColOffset, text2_->text());
    else
        SetGridEditData(false);   // nothing stored: show the stored offset again
    committing_ = false;
}

void FrmCHInfoEdit::openMemFrequencyPicker()
{
    if (Run().BandMode != 0 || !IsMemGroup(shownGroup(), 0))
        return;
    Frm_Mem_Freq picker(text1_->text(), this);
    if (picker.exec() == QDialog::Accepted)
        text1_->setText(picker.frequencyText());
    commitText1();
}

bool FrmCHInfoEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        if (watched == text1_)
            commitText1();
        else if (watched == text2_)
            commitText2();
    } else if (event->type() == QEvent::FocusIn) {
        if (watched == text1_ && !text1_->text().isEmpty())
            text1_->selectAll();
        else if (watched == text2_)
            text2_->selectAll();
    } else if (watched == frame1_ && event->type() == QEvent::MouseButtonPress) {
        if (focusWidget() == text1_)
            commitText1();   // a click on the form acts as Enter in the frequency box
    }
    return QWidget::eventFilter(watched, event);
}

void FrmCHInfoEdit::mousePressEvent(QMouseEvent *event)
{
    if (focusWidget() == text1_)
        commitText1();
    QWidget::mousePressEvent(event);
}
