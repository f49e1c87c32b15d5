#include "FrmOptFeatures.h"

#include "ChangeDescriptions.h"
#include "DocumentHistory.h"
#include "EnteredValueNotes.h"
#include "FreqCodec.h"
#include "LangText.h"
#include "ModFun.h"
#include "OptFeatureTable.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "UiCaptions.h"
#include "UiComboRules.h"
#include "UiEditorForm.h"
#include "UiKeyRules.h"
#include "UiStatusNote.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {
// Common channel selectors: control index, field column and whether the number shown
// (0 when none) or the list position is stored.
struct CommonSelector {
    int index;
    int column;
    bool storesNumber;
};
constexpr CommonSelector kCommonSelectors[] = {
    {1, ColDup, false},      {2, ColRdct, false},     {4, ColHiCut, false},     {5, ColBusy, false},
    {6, ColNb, false},       {7, ColAddSub5K, false}, {8, ColAmFm, false},      {9, ColTxPower, false},
    {10, ColRbTone, true},   {11, ColDtmfBot, true},  {12, ColDtmfEot, true},   {13, ColDtmfCall, true},
};
constexpr int kDupIndex = 1, kAddSub5KIndex = 7, kAmFmIndex = 8, kPowerIndex = 9, kRogerBeepIndex = 10;

const CommonSelector *commonSelector(int index)
{
    for (const CommonSelector &s : kCommonSelectors) {
        if (s.index == index)
            return &s;
    }
    return nullptr;
}

constexpr double kMinSwr = 7.0, kMaxSwr = 20.0;
}

FrmOptFeatures::FrmOptFeatures(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FrmOptFeatures"));
    band_ = Run().BandMode;
    buildControls();
    Loading = true;
    FillLists();
    ShowCaptions();
    ShowOptFeat(Image().header.options);
    Loading = false;
}

void FrmOptFeatures::buildControls()
{
    const bool cb = band_ == 0;

    auto *frame1 = new QGroupBox(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    QList<CaptionRow> options;
    for (int i = 0; i < kOptionSelectors; ++i) {
        combo1_[i] = MakeSelector(frame1, QStringLiteral("Combo1(%1)").arg(i));
        label1_[i] = MakeLabel(frame1, QStringLiteral("Label1(%1)").arg(i));
        connect(combo1_[i], &QComboBox::activated, this, [this, i] {
            RecordDocumentChange(OptionChangeText(i));
            Combo1_Click(i);
        });
        QWidget *control = combo1_[i];
        if (i == kRadioGroupSelector) {
            // The group: a plain list in the banks, two choosers for the CB country groups.
            auto *box = new QWidget(frame1);
            auto *row = new QHBoxLayout(box);
            row->setContentsMargins(0, 0, 0, 0);
            row->addWidget(combo1_[i], 1);
            for (int k = 0; k < 2; ++k) {
                combo3_[k] = MakeSelector(box, QStringLiteral("Combo3(%1)").arg(k));
                connect(combo3_[k], &QComboBox::activated, this, [this, k] {
                    RecordDocumentChange(OptionChangeText(kRadioGroupSelector));
                    Combo3_Click(k);
                });
                row->addWidget(combo3_[k], 1);
            }
            combo1_[i]->setVisible(!cb);
            combo3_[0]->setVisible(cb);
            combo3_[1]->setVisible(false);
            control = box;
        }
        options << CaptionRow(label1_[i], control);
    }
    check1_ = new QCheckBox(frame1);
    check1_->setObjectName(QStringLiteral("Check1"));
    connect(check1_, &QCheckBox::clicked, this, [this] {
        RecordDocumentChange(LangText(15600));
        SaveOptFeat(kMaxSwrOnId);
    });
    KeyRules::install(check1_, KeyRules::EnterOnly);
    label4_ = MakeLabel(frame1, QStringLiteral("Label4"));
    text1_ = new QLineEdit(frame1);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setMaximumWidth(70);
    KeyRules::install(text1_, KeyRules::Frequency, [this] { Text1_LostFocus(); });
    OnFocusOut(text1_, [this] { Text1_LostFocus(); });
    SelectAllOnFocus(text1_);
    text1_->setToolTip(MaxSwrRangeTip());
    auto *swr = new QWidget(frame1);
    auto *swrRow = new QHBoxLayout(swr);
    swrRow->setContentsMargins(0, 0, 0, 0);
    swrRow->addWidget(label4_);
    swrRow->addWidget(text1_);
    swrRow->addStretch();
    options << CaptionRow(check1_, swr);
    frame1->setLayout(MakeRowsGrid(options, 2));

    auto *frame3 = new QGroupBox(this);
    frame3->setObjectName(QStringLiteral("Frame3"));
    label2_1_ = MakeLabel(frame3, QStringLiteral("Label2(1)"));
    text2_ = new QLineEdit(frame3);
    text2_->setObjectName(QStringLiteral("Text2"));
    text2_->setMaxLength(4);
    text2_->setMaximumWidth(90);
    KeyRules::install(text2_, KeyRules::Digits);
    connect(text2_, &QLineEdit::textChanged, this, [this] { Text2_Change(); });
    OnFocusOut(text2_, [this] { Text2_LostFocus(); });
    SelectAllOnFocus(text2_);
    // The offset stores on every typed digit: all typing in the box is one undo step.
    OnFocusIn(text2_, [] { RecordDocumentChange(CommonChannelChangeText(ColOffset)); });
    text2_->setToolTip(OffsetRangeTip());
    QList<CaptionRow> commonRows;
    for (const CommonSelector &s : kCommonSelectors) {
        const int i = s.index;
        combo2_[i] = MakeSelector(frame3, QStringLiteral("Combo2(%1)").arg(i));
        label3_[i] = MakeLabel(frame3, QStringLiteral("Label3(%1)").arg(i));
        connect(combo2_[i], &QComboBox::activated, this, [this, i] {
            RecordDocumentChange(CommonChannelChangeText(commonSelector(i)->column));
            Combo2_Click(i);
        });
        // The 5 kHz shift is never offered; duplex, offset and power not in the CB band.
        const bool hidden = i == kAddSub5KIndex || (cb && (i == kDupIndex || i == kPowerIndex));
        combo2_[i]->setVisible(!hidden);
        label3_[i]->setVisible(!hidden);
        if (!hidden)
            commonRows << CaptionRow(label3_[i], combo2_[i]);
        if (i == kDupIndex && !cb)
            commonRows << CaptionRow(label2_1_, text2_);
    }
    label2_1_->setVisible(!cb);
    text2_->setVisible(!cb);
    frame3->setLayout(MakeRowsGrid(commonRows, 2));

    combo5_ = new QComboBox(this);
    combo5_->setObjectName(QStringLiteral("Combo5"));
    combo5_->setVisible(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame1);
    layout->addWidget(frame3);
    layout->addStretch();
    layout->addLayout(MakeCloseHelpRow(this));
}

void FrmOptFeatures::FillLists()
{
    for (int i = 0; i < kOptionSelectors; ++i) {
        const OptionSelector sel = OptionSelectorAt(i, band_);
        FillCombo(combo1_[i], sel.entries);
        storesNumber_[i] = sel.storesNumber;
        fallback_[i] = sel.fallback;
    }
    FillCombo(combo3_[0], CbGroupTopEntries());
    FillCombo(combo3_[1], CbGroupSubEntries());
    FillCombo(common(kDupIndex), DupEntries());
    FillCombo(common(2), ToneList());
    for (int i : {4, 5, 6, 7})
        FillCombo(common(i), OffOnEntries());
    FillCombo(common(kAmFmIndex), AmFmEntries());
    for (int i : {11, 12, 13})
        FillCombo(common(i), DtmfCodeListEntries(Image()));
    QStringList tips{LangText(15030)};
    for (int n = 1; n <= kToneTips; ++n)
        tips << QString::number(n);
    FillCombo(combo5_, tips);
}

void FrmOptFeatures::ShowCaptions()
{
    setWindowTitle(LangText(16000));
    findChild<QGroupBox *>(QStringLiteral("Frame1"))->setTitle(LangText(16100));
    findChild<QGroupBox *>(QStringLiteral("Frame3"))->setTitle(LangText(16101));
    for (int i = 0; i < kOptionSelectors; ++i)
        label1_[i]->setText(LangText(OptionCaptionId(i)));
    for (const CommonSelector &s : kCommonSelectors)
        label3_[s.index]->setText(LangText(15005 + s.index));
    label2_1_->setText(LangText(15100));
    check1_->setText(LangText(15600));
    label4_->setText(QStringLiteral("Max"));
    ShowCloseHelpCaptions(this);
}

void FrmOptFeatures::ShowOptFeat(const OptionBlock &block)
{
    OptionBlock shown = block;
    for (int i = 0; i < kOptionSelectors; ++i) {
        const int16_t value = OptionField(shown, i);
        if (storesNumber_[i])
            SelectComboText(combo1_[i], QString::number(value));
        else
            SelectComboIndex(combo1_[i], value);
    }
    if (band_ == 0) {
        QComboBox *group = combo1_[kRadioGroupSelector];
        if (group->currentIndex() == 2 || group->currentIndex() == 3) {
            SelectComboText(combo3_[1], group->currentText());
            SelectComboIndex(combo3_[0], kCbGroupTopSubPosition);
        } else {
            SelectComboText(combo3_[0], group->currentText());
        }
        Combo3_Click(0);   // shows or hides the sub-list
    }

    ChannelRecord cc = Image().header.common;
    for (const CommonSelector &s : kCommonSelectors) {
        if (s.index <= kAmFmIndex)
            SelectComboIndex(common(s.index), *cc.fieldByColumn(s.column));
    }
    text2_->setText(QString::number(cc.OffSetFre));
    FillPowerList(common(kPowerIndex), cc.AM_FM, cc.Tx_Power);
    SelectComboIndex(common(kPowerIndex), cc.Tx_Power);
    ShowRBOpt();
    SelectComboText(common(11), QString::number(cc.DTMF_BOT));
    SelectComboText(common(12), QString::number(cc.DTMF_EOT));
    SelectComboText(common(13), QString::number(cc.DTMF_Call));
    // An AM common channel has only two powers: a higher stored power is lowered now.
    Image().header.common.Tx_Power = cc.Tx_Power;

    SetCheckValue(check1_, shown.MaxSWROn);
    SaveOptFeat(kMaxSwrOnId);   // the check box stores what it shows
    text1_->setText(QString::number(shown.MaxSWR / 10.0, 'f', 1));
}

void FrmOptFeatures::FillPowerList(QComboBox *selector, int16_t amFm, int16_t &power)
{
    FillCombo(selector, PowerEntries(amFm));
    if (amFm > 0 && power > 1)
        power = 1;
}

void FrmOptFeatures::ShowRBOpt()
{
    // Display only: a refresh is not a choice of the user.
    const bool wasLoading = Loading;
    Loading = true;
    SelectComboIndex(combo5_, Image().header.common.RBTone);
    FillCombo(common(kRogerBeepIndex), UsableTipEntries(Image()));
    SelectComboText(common(kRogerBeepIndex), combo5_->currentText());
    Loading = wasLoading;
}

void FrmOptFeatures::SaveOptFeat(int id)
{
    OptionBlock ob = Image().header.options;
    ChannelRecord cc = Image().header.common;
    if (id >= 0 && id < kOptionSelectors) {
        int16_t &field = OptionField(ob, id);
        if (storesNumber_[id])
            field = ComboNumberOr(combo1_[id], fallback_[id]);
        else
            ComboIndexIfAny(combo1_[id], field);
    } else if (const CommonSelector *s = commonSelector(id - kCommonIdBase)) {
        int16_t &field = *cc.fieldByColumn(s->column);
        if (s->storesNumber)
            field = ComboNumberOr(common(s->index), 0);
        else
            ComboIndexIfAny(common(s->index), field);
    } else if (id == kOffsetId) {
        cc.OffSetFre = ClampToStep(text2_->text(), 5, 1000, 5, 5);
    } else if (id == kMaxSwrOnId) {
        ob.MaxSWROn = check1_->isChecked() ? 1 : 0;
    }
    Image().header.options = ob;
    Image().header.common = cc;

    if (id == kCommonIdBase + kAmFmIndex) {
        // AM offers two powers: the list is refilled and the power stored again.
        int16_t power = cc.Tx_Power;
        FillPowerList(common(kPowerIndex), cc.AM_FM, power);
        SelectComboIndex(common(kPowerIndex), power);
        Combo2_Click(kPowerIndex);
    }
}

void FrmOptFeatures::Combo1_Click(int index)
{
    if (!Loading)
        SaveOptFeat(index);
}

void FrmOptFeatures::Combo2_Click(int index)
{
    if (!Loading)
        SaveOptFeat(kCommonIdBase + index);
}

void FrmOptFeatures::Combo3_Click(int index)
{
    if (index == 0) {
        if (combo3_[0]->currentIndex() == kCbGroupTopSubPosition) {
            combo3_[1]->setVisible(true);
            if (combo3_[1]->currentIndex() < 0) {
                combo3_[1]->setCurrentIndex(0);
                Combo3_Click(1);
                return;
            }
        } else {
            combo3_[1]->setVisible(false);
        }
    }
    if (Loading)
        return;
    QComboBox *chosen = combo3_[1]->isHidden() ? combo3_[0] : combo3_[1];
    SelectComboText(combo1_[kRadioGroupSelector], chosen->currentText());
    Combo1_Click(kRadioGroupSelector);
}

void FrmOptFeatures::Text1_LostFocus()
{
    const QString typed = text1_->text();
    const double value = IsNumericText(typed) ? std::clamp(NumericValue(typed), kMinSwr, kMaxSwr) : kMaxSwr;
    const int tenths = int(std::lround(value * 10.0));
    text1_->setText(QString::number(tenths / 10.0, 'f', 1));
    RecordDocumentChange(MaxSwrChangeText());
    Image().header.options.MaxSWR = int16_t(tenths);
    ShowStatusNote(MaxSwrNote(typed, tenths));
}

void FrmOptFeatures::Text2_Change()
{
    if (!Loading)
        SaveOptFeat(kOffsetId);
}

void FrmOptFeatures::Text2_LostFocus()
{
    ShowStatusNote(OffsetNote(text2_->text(), Image().header.common.OffSetFre));
    text2_->setText(QString::number(Image().header.common.OffSetFre));
}

void FrmOptFeatures::ValidateControls()
{
    // Only typed text is committed: a value merely shown is kept as stored.
    if (text1_->isModified())
        Text1_LostFocus();
    if (text2_->isModified())
        Text2_LostFocus();
}

void FrmOptFeatures::closeEvent(QCloseEvent *event)
{
    ValidateControls();
    QWidget::closeEvent(event);
}

void FrmOptFeatures::ShowImageAgain()
{
    Loading = true;
    FillLists();   // the DTMF code lists follow the restored codes
    ShowOptFeat(Image().header.options);
    Loading = false;
}
