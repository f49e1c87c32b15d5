#include "FrmModelInfo.h"

#include "DocumentCommands.h"
#include "DocumentHistory.h"
#include "LangText.h"
#include "Models.h"
#include "Prompts.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "UiChildWindows.h"
#include "UiComboRules.h"
#include "UiKeyRules.h"
#include "UiDialogButtons.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FrmModelInfo::FrmModelInfo(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmModelInfo"));
    setWindowTitle(LangText(13000));

    combo1_ = new QComboBox(this);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo2_ = new QComboBox(this);
    combo2_->setObjectName(QStringLiteral("Combo2"));
    combo3_ = new QComboBox(this);
    combo3_->setObjectName(QStringLiteral("Combo3"));
    auto *form = new QFormLayout;
    QComboBox *const combos[] = {combo1_, combo2_, combo3_};
    for (int i = 0; i < 3; ++i) {
        auto *label = new QLabel(LangText(13001 + i), this);
        label->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        form->addRow(label, combos[i]);
    }

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addSpacing(6);
    QPushButton *ok = AddOkCancelRow(this, layout);
    connect(ok, &QPushButton::clicked, this, &FrmModelInfo::CommandOK_Click);

    FillCombo(combo1_, {QString::fromLatin1(kModelDisplayName)});
    SelectComboText(combo1_, DisplayModelName(Run().modelName));
    FillCombo(combo2_, {BandText(0), BandText(1), BandText(2)});
    FillCombo(combo3_, {BandName(0), BandName(1), BandName(2)});
    SelectComboIndex(combo3_, Run().BandMode);
    SelectComboIndex(combo2_, Run().BandMode);
    // The band name and the band text always name the same band.
    connect(combo3_, &QComboBox::activated, this, [this](int index) {
        if (!Loading)
            combo2_->setCurrentIndex(index);
    });
    connect(combo2_, &QComboBox::activated, this, [this](int index) {
        if (!Loading)
            combo3_->setCurrentIndex(index);
    });
    KeyRules::install(combo1_, KeyRules::EnterOnly);
    KeyRules::install(combo2_, KeyRules::EnterOnly);
    Loading = false;
}

void FrmModelInfo::CommandOK_Click()
{
    const int band = combo2_->currentIndex();
    if (band < 0 || band == Run().BandMode) {
        accept();
        return;
    }
    // The band change replaces the document: unsaved changes are settled first.
    if (SettleBeforeReplacing(CancelMeans::Stop) == UnsavedDecision::Stop) {
        CallOnLoaded(QStringLiteral("frmMain"), "ShowMainTxt");
        reject();
        return;
    }
    if (prompts().askTitled(LangText(9019), LangText(9016), AskButtons::OkCancel, MsgIcon::Warning) == Answer::Ok) {
        SetCurrentBand(band);
        Image().header.model.bandMode = int16_t(band);
        ResetDocumentHistory();   // no step may bring back an image of the other band
        CallOnLoaded(QStringLiteral("frmMain"), "LoadNewDoc");
    }
    accept();
}
