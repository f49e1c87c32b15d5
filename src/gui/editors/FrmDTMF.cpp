#include "FrmDTMF.h"

#include "ChangeDescriptions.h"
#include "DocumentHistory.h"
#include "DtmfSettingsTable.h"
#include "FreqCodec.h"
#include "LangText.h"
#include "ModFun.h"
#include "RadioImage.h"
#include "UiCaptions.h"
#include "UiComboRules.h"
#include "UiEditorForm.h"
#include "UiKeyRules.h"
#include "UiReferenceRefresh.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>

FrmDTMF::FrmDTMF(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FrmDTMF"));
    buildControls();
    // The code memories are edited in the radio: their tab is shown but cannot be opened.
    sstab1_->setTabEnabled(kCodeMemoryTab, false);
    Loading = true;
    FillLists();
    ShowCaptions();
    ShowDTMF(Image().header.dtmf);
    Loading = false;
}

void FrmDTMF::buildControls()
{
    sstab1_ = new QTabWidget(this);
    sstab1_->setObjectName(QStringLiteral("SSTab1"));
    KeyRules::install(sstab1_->tabBar(), KeyRules::EnterOnly);

    auto *general = new QWidget(sstab1_);
    QList<CaptionRow> rows;
    for (int i = 0; i < 5; ++i) {
        combo1_[i] = MakeSelector(general, QStringLiteral("Combo1(%1)").arg(i));
        label1_[i] = MakeLabel(general, QStringLiteral("Label1(%1)").arg(i));
        connect(combo1_[i], &QComboBox::activated, this, [this, i] {
            RecordDocumentChange(DtmfSettingChangeText(i));
            Combo1_Click(i);
        });
        rows << CaptionRow(label1_[i], combo1_[i]);
    }
    check1_ = new QCheckBox(general);
    check1_->setObjectName(QStringLiteral("Check1"));
    KeyRules::install(check1_, KeyRules::EnterOnly);
    connect(check1_, &QCheckBox::clicked, this, [this] {
        RecordDocumentChange(DtmfSettingChangeText(kDtmfDisplayIndex));
        Check1_Click();
    });
    rows << CaptionRow(nullptr, check1_);
    auto *generalLayout = new QVBoxLayout(general);
    generalLayout->addLayout(MakeRowsGrid(rows, 1));
    generalLayout->addStretch();

    auto *codes = new QWidget(sstab1_);
    QList<CaptionRow> codeRows;
    for (int i = 0; i < kDtmfCodes; ++i) {
        text2_[i] = new QLineEdit(codes);
        text2_[i]->setObjectName(QStringLiteral("Text2(%1)").arg(i));
        text2_[i]->setMaxLength(kDtmfDigits);
        KeyRules::install(text2_[i], KeyRules::Dtmf);
        // The memory stores on every typed digit: all typing in the box is one undo step.
        OnFocusIn(text2_[i], [i] { RecordDocumentChange(DtmfCodeChangeText(i + 1)); });
        connect(text2_[i], &QLineEdit::textChanged, this, [this, i] { Text2_Change(i); });
        label4_[i] = MakeLabel(codes, QStringLiteral("Label4(%1)").arg(i));
        codeRows << CaptionRow(label4_[i], text2_[i]);
    }
    auto *codeLayout = new QVBoxLayout(codes);
    QGridLayout *codeGrid = MakeRowsGrid(codeRows, 2);
    codeGrid->setHorizontalSpacing(2);   // a number sits close to its memory
    codeLayout->addLayout(codeGrid);
    codeLayout->addStretch();

    sstab1_->addTab(general, QString());
    sstab1_->addTab(codes, QString());
    sstab1_->addTab(new QWidget(sstab1_), QString());
    // The third tab holds no settings of its own; it stays closed like the code memories.
    sstab1_->setTabEnabled(kMoreTab, false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(sstab1_);
    layout->addLayout(MakeCloseHelpRow(this));
}

void FrmDTMF::FillLists()
{
    for (int i = 0; i < 5; ++i)
        FillCombo(combo1_[i], DtmfSelectorEntries(i));
}

void FrmDTMF::ShowCaptions()
{
    setWindowTitle(LangText(18000));
    for (int t = 0; t < 3; ++t)
        sstab1_->setTabText(t, LangText(18002 + t));
    for (int i = 0; i < 5; ++i)
        label1_[i]->setText(LangText(DtmfSelectorCaptionId(i)));
    check1_->setText(LangText(18030));
    for (int i = 0; i < kDtmfCodes; ++i)
        label4_[i]->setText(QString::number(i + 1));
    ShowCloseHelpCaptions(this);
}

void FrmDTMF::ShowDTMF(const DtmfBlock &settings)
{
    DtmfBlock shown = settings;
    for (int i = 0; i < kDtmfTimingSelectors; ++i)
        SelectComboText(combo1_[i], QString::number(*shown.setting(i) * DtmfSelectorUnitMs(i)));
    SelectComboIndex(combo1_[kDtmfDKeySelector], shown.DKey);
    SetCheckValue(check1_, shown.DtmfDisplay);
    // The selections just made are stored, as a change of each control would.
    for (int i = 0; i < 5; ++i)
        Combo1_Click(i);
    Check1_Click();

    for (int i = 0; i < kDtmfCodes; ++i) {
        const DtmfCode &code = shown.codes[i];
        const int length = code.length > kDtmfDigits ? 0 : std::max<int>(0, code.length);
        text2_[i]->setText(code.digitsText().left(length));
    }
}

void FrmDTMF::Combo1_Click(int index)
{
    QComboBox *list = combo1_[index];
    if (list->currentIndex() < 0)
        return;
    int16_t &field = *Image().header.dtmf.setting(index);
    if (index == kDtmfDKeySelector) {
        field = int16_t(list->currentIndex());
        return;
    }
    const double ms = NumericValue(list->currentText());
    field = int16_t(std::lround(ms / DtmfSelectorUnitMs(index)));
}

void FrmDTMF::Check1_Click()
{
    Image().header.dtmf.DtmfDisplay = check1_->isChecked() ? 1 : 0;
}

void FrmDTMF::Text2_Change(int index)
{
    if (index < 0 || index >= kDtmfCodes)
        return;
    const QString text = TrimAtNul(text2_[index]->text()).left(kDtmfDigits);
    DtmfCode &code = Image().header.dtmf.codes[index];
    code.length = int16_t(text.size());
    code.setDigits(text);
    if (text.isEmpty())
        ClearDtmfReferences(Image(), index + 1);
    RefreshDtmfCodeSelectors();
}

void FrmDTMF::ShowImageAgain()
{
    Loading = true;
    ShowDTMF(Image().header.dtmf);
    Loading = false;
}
