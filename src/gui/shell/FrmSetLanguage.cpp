#include "FrmSetLanguage.h"

#include "LangText.h"
#include "RunSettings.h"
#include "Startup.h"
#include "UiComboRules.h"
#include "UiKeyRules.h"
#include "UiDialogButtons.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FrmSetLanguage::FrmSetLanguage(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmSetLanguage"));
    setWindowTitle(LangText(23000));

    auto *label1 = new QLabel(LangText(23001), this);
    label1->setObjectName(QStringLiteral("Label1"));
    combo1_ = new QComboBox(this);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    FillCombo(combo1_, {LangText(23002), LangText(23003)});
    SelectComboIndex(combo1_, Run().CurrentLanguageId - 1);
    KeyRules::install(combo1_, KeyRules::EnterOnly);
    label1->setBuddy(combo1_);
    auto *row = new QHBoxLayout;
    row->addWidget(label1);
    row->addWidget(combo1_, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->addLayout(row);
    layout->addSpacing(8);
    QPushButton *ok = AddOkCancelRow(this, layout);
    connect(ok, &QPushButton::clicked, this, &FrmSetLanguage::CommandOK_Click);
    setMinimumWidth(300);
}

void FrmSetLanguage::CommandOK_Click()
{
    const int chosen = combo1_->currentIndex() + 1;
    if (chosen >= 1 && chosen != Run().CurrentLanguageId) {
        Run().ShownLanguageId = Run().CurrentLanguageId;
        SetLanguage(chosen);
    }
    WriteCurrentLanguage(Run().CurrentLanguageId);
    accept();
}
