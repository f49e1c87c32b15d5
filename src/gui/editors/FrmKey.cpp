#include "FrmKey.h"

#include "ChangeDescriptions.h"
#include "ComfortTextIds.h"
#include "DocumentHistory.h"
#include "KeyFunctionList.h"
#include "LangText.h"
#include "RadioImage.h"
#include "UiCaptions.h"
#include "UiComboRules.h"
#include "UiEditorForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

FrmKey::FrmKey(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FrmKey"));
    auto *layout = new QVBoxLayout(this);

    auto *modeRow = new QHBoxLayout;
    label1_ = MakeLabel(this, QStringLiteral("Label1"));
    combo2_ = MakeSelector(this, QStringLiteral("Combo2"));
    connect(combo2_, &QComboBox::activated, this, [this] {
        RecordDocumentChange(KeyModeSetChangeText());
        Combo2_Click();
    });
    modeRow->addWidget(label1_);
    modeRow->addWidget(combo2_);
    modeRow->addStretch();
    layout->addLayout(modeRow);

    auto *frames = new QHBoxLayout;
    for (int m = 0; m < kKeyModes; ++m) {
        frame1_[m] = new QGroupBox(this);
        frame1_[m]->setObjectName(QStringLiteral("Frame1(%1)").arg(m));
        QList<CaptionRow> rows;
        for (int j = 0; j < kKeysPerMode; ++j) {
            const int k = m * kKeysPerMode + j;
            combo1_[k] = MakeSelector(frame1_[m], QStringLiteral("Combo1(%1)").arg(k));
            label2_[k] = MakeLabel(frame1_[m], QStringLiteral("Label2(%1)").arg(k));
            connect(combo1_[k], &QComboBox::activated, this, [this, k] {
                RecordDocumentChange(KeyChangeText(k));
                Combo1_Click(k);
            });
            rows << CaptionRow(label2_[k], combo1_[k]);
        }
        frame1_[m]->setLayout(MakeRowsGrid(rows, 1));
        frames->addWidget(frame1_[m]);
    }
    layout->addLayout(frames);
    layout->addStretch();
    layout->addLayout(MakeCloseHelpRow(this));

    Loading = true;
    ShowCaptions();
    FillCombo(combo2_, KeyModeSetEntries());
    FillCombo(combo1_[0], KeyFunctionEntries());
    for (int k = 1; k < kKeyFuncs; ++k) {   // the other keys copy the first key's list
        QStringList copy;
        for (int j = 0; j < combo1_[0]->count(); ++j)
            copy << combo1_[0]->itemText(j);
        FillCombo(combo1_[k], copy);
    }
    showFunctionTips();
    ShowKeys();
    Loading = false;
}

// Each function says what it does, in the open list and on the key showing it.
void FrmKey::showFunctionTips()
{
    for (QComboBox *key : combo1_) {
        for (int j = 0; j < key->count(); ++j)
            key->setItemData(j, LangText(kTextKeyFunctionFirst + j), Qt::ToolTipRole);
        connect(key, &QComboBox::currentIndexChanged, key, [key](int j) {
            key->setToolTip(j >= 0 ? LangText(kTextKeyFunctionFirst + j) : QString());
        });
    }
}

void FrmKey::ShowCaptions()
{
    setWindowTitle(LangText(25000));
    label1_->setText(LangText(25007));
    for (int m = 0; m < kKeyModes; ++m)
        frame1_[m]->setTitle(LangText(25008) + QLatin1Char(' ') + QString::number(m + 1));
    for (int k = 0; k < kKeyFuncs; ++k)
        label2_[k]->setText(QStringLiteral("P%1").arg(k % kKeysPerMode + 1));
    ShowCloseHelpCaptions(this);
}

void FrmKey::ShowKeys()
{
    const KeyBlock &keys = Image().header.keys;
    SelectComboIndex(combo2_, keys.KeyModeSet);
    for (int k = 0; k < kKeyFuncs; ++k)
        SelectComboIndex(combo1_[k], keys.KeyFunc[k] - 1);   // out of range shows "MOD"
}

void FrmKey::Combo1_Click(int index)
{
    if (Loading || combo1_[index]->currentIndex() < 0)
        return;
    Image().header.keys.KeyFunc[index] = int16_t(combo1_[index]->currentIndex() + 1);
}

void FrmKey::Combo2_Click()
{
    if (!Loading)
        ComboIndexIfAny(combo2_, Image().header.keys.KeyModeSet);
}

void FrmKey::ShowImageAgain()
{
    Loading = true;
    ShowKeys();
    Loading = false;
}
