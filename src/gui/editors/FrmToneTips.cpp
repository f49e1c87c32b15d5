#include "FrmToneTips.h"

#include "ChangeDescriptions.h"
#include "DocumentHistory.h"

#include "LangText.h"
#include "ModBeep.h"
#include "RadioImage.h"
#include "ToneTipLists.h"
#include "UiBeep.h"
#include "UiCaptions.h"
#include "UiComboRules.h"
#include "UiEditorForm.h"
#include "UiReferenceRefresh.h"
#include "UiTipGraph.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QTimer>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace {
constexpr int kStepsPerColumn = 7;

ToneTip &currentTip()
{
    const int n = qBound(1, Beeper().CurrentTip, kToneTips);
    return Image().header.tips[n - 1];
}
}

FrmToneTips::FrmToneTips(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FrmToneTips"));
    InstallSoundDeviceBeep();
    buildControls();
    Beeper().CurrentTip = tabStrip1_->currentIndex() + 1;
    ShowCaptions();
    FillLists();
    ShowTip();
}

void FrmToneTips::buildControls()
{
    tabStrip1_ = new QTabBar(this);
    tabStrip1_->setObjectName(QStringLiteral("TabStrip1"));
    tabStrip1_->setExpanding(false);
    for (int n = 1; n <= kToneTips; ++n)
        tabStrip1_->addTab(QString());
    connect(tabStrip1_, &QTabBar::currentChanged, this, [this](int i) { TabStrip1_Click(i); });

    combo1_ = MakeSelector(this, QStringLiteral("Combo1(0)"));
    combo2_ = MakeSelector(this, QStringLiteral("Combo2(0)"));
    label1_ = MakeLabel(this, QStringLiteral("Label1(0)"));
    label2_ = MakeLabel(this, QStringLiteral("Label2(0)"));
    connect(combo1_, &QComboBox::activated, this, [this] {
        RecordDocumentChange(ToneTipChangeText(Beeper().CurrentTip, 29002));
        Combo1_Click();
    });
    connect(combo2_, &QComboBox::activated, this, [this] {
        RecordDocumentChange(ToneTipChangeText(Beeper().CurrentTip, 29003));
        Combo2_Click();
    });
    auto *loopRow = new QHBoxLayout;
    loopRow->addWidget(label1_);
    loopRow->addWidget(combo1_);
    loopRow->addSpacing(24);
    loopRow->addWidget(label2_);
    loopRow->addWidget(combo2_);
    loopRow->addStretch();

    auto *steps = new QGridLayout;
    steps->setHorizontalSpacing(7);
    for (int c = 0; c < 2; ++c) {
        label3_[c] = new QLabel(this);
        label3_[c]->setObjectName(QStringLiteral("Label3(%1)").arg(c));
        label4_[c] = new QLabel(this);
        label4_[c]->setObjectName(QStringLiteral("Label4(%1)").arg(c));
        steps->addWidget(label3_[c], 0, c * 4 + 1);
        steps->addWidget(label4_[c], 0, c * 4 + 2);
    }
    steps->setColumnMinimumWidth(3, 24);
    for (int s = 0; s < kToneSteps; ++s) {
        combo3_[s] = MakeSelector(this, QStringLiteral("Combo3(%1)").arg(s));
        combo4_[s] = MakeSelector(this, QStringLiteral("Combo4(%1)").arg(s));
        label5_[s] = MakeLabel(this, QStringLiteral("Label5(%1)").arg(s));
        connect(combo3_[s], &QComboBox::activated, this, [this, s] {
            RecordDocumentChange(ToneStepChangeText(Beeper().CurrentTip, s + 1, true));
            Combo3_Click(s);
        });
        connect(combo4_[s], &QComboBox::activated, this, [this, s] {
            RecordDocumentChange(ToneStepChangeText(Beeper().CurrentTip, s + 1, false));
            Combo4_Click(s);
        });
        const int row = 1 + s % kStepsPerColumn, col = (s / kStepsPerColumn) * 4;
        steps->addWidget(label5_[s], row, col);
        steps->addWidget(combo3_[s], row, col + 1);
        steps->addWidget(combo4_[s], row, col + 2);
    }

    combo5_ = new QComboBox(this);
    combo5_->setObjectName(QStringLiteral("Combo5"));
    combo5_->setVisible(false);

    picture1_ = new TipPicture(this);
    command1_ = new QPushButton(this);
    command1_->setObjectName(QStringLiteral("Command1(0)"));
    command2_ = new QPushButton(this);
    command2_->setObjectName(QStringLiteral("Command2(0)"));
    connect(command1_, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(command2_, &QPushButton::clicked, this, [this] { StopPlay(); });
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(command1_);
    buttons->addWidget(command2_);
    buttons->addStretch();
    auto *graphRow = new QHBoxLayout;
    graphRow->addWidget(picture1_, 1);
    graphRow->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabStrip1_);
    layout->addLayout(loopRow);
    layout->addLayout(steps);
    layout->addLayout(graphRow, 1);
    layout->addLayout(MakeCloseHelpRow(this));
}

void FrmToneTips::ShowCaptions()
{
    setWindowTitle(LangText(29000));
    for (int n = 1; n <= kToneTips; ++n)
        tabStrip1_->setTabText(n - 1, LangText(29001) + QLatin1Char(' ') + QString::number(n));
    label1_->setText(LangText(29002));
    label2_->setText(LangText(29003));
    for (int c = 0; c < 2; ++c) {
        label3_[c]->setText(LangText(29004));
        label4_[c]->setText(LangText(29005));
    }
    for (int s = 0; s < kToneSteps; ++s)
        label5_[s]->setText(LangText(29100 + s));
    command1_->setText(LangText(29006));
    command2_->setText(LangText(29007));
    ShowCloseHelpCaptions(this);
}

void FrmToneTips::FillLists()
{
    FillCombo(combo1_, LoopCountEntries());
    FillCombo(combo2_, TimeEntries());
    const QStringList freqs = FrequencyEntries();
    const QStringList lengths = TimeEntries();
    for (int s = 0; s < kToneSteps; ++s) {
        FillCombo(combo3_[s], freqs);
        FillCombo(combo4_[s], lengths);
    }
    FillCombo(combo5_, FrequencyValueEntries());
}

void FrmToneTips::ShowTip()
{
    const ToneTip tip = currentTip();
    SelectComboIndex(combo1_, tip.LoopCount);
    SelectComboIndex(combo2_, tip.LoopInterval);
    for (int s = 0; s < kToneSteps; ++s) {
        // Values 1..39 have no entry in the frequency list and show as the pause.
        SelectComboText(combo3_[s], ComboItemAt(combo5_, tip.steps[s].ToneFreq));
        SelectComboIndex(combo4_[s], tip.steps[s].ToneLen);
    }
    // What is shown is stored, as a change of each list would.
    ComboIndexIfAny(combo1_, currentTip().LoopCount);
    ComboIndexIfAny(combo2_, currentTip().LoopInterval);
    for (int s = 0; s < kToneSteps; ++s)
        storeStep(s);
    picture1_->setTip(Beeper().CurrentTip);
    ClearUnusableRB();
}

void FrmToneTips::TabStrip1_Click(int tabIndex)
{
    if (tabIndex + 1 != Beeper().CurrentTip && tabIndex >= 0) {
        Beeper().CurrentTip = tabIndex + 1;
        ShowTip();
    }
}

void FrmToneTips::Combo1_Click()
{
    ComboIndexIfAny(combo1_, currentTip().LoopCount);
    ClearUnusableRB();
}

void FrmToneTips::Combo2_Click()
{
    ComboIndexIfAny(combo2_, currentTip().LoopInterval);
}

void FrmToneTips::storeStep(int index)
{
    ToneStep &step = currentTip().steps[index];
    SelectComboText(combo5_, combo3_[index]->currentText());
    ComboIndexIfAny(combo5_, step.ToneFreq);
    ComboIndexIfAny(combo4_[index], step.ToneLen);
}

void FrmToneTips::Combo3_Click(int index)
{
    storeStep(index);
    picture1_->update();
}

void FrmToneTips::Combo4_Click(int index)
{
    storeStep(index);
    picture1_->update();
    ClearUnusableRB();
}

void FrmToneTips::Command1_Click()
{
    const int n = Beeper().CurrentTip;
    if (!PrepareTip(n))
        return;
    command1_->setEnabled(false);
    // Playback runs its own waits; it starts once the click has been handled, so that
    // closing the window while it plays never pulls the button from under its click.
    QTimer::singleShot(0, QCoreApplication::instance(), [self = QPointer<FrmToneTips>(this), n] {
        PlayTip(n);
        if (self)
            self->StopPlay();
    });
}

void FrmToneTips::StopPlay()
{
    RequestStopTone();
    command1_->setEnabled(true);
}

void FrmToneTips::closeEvent(QCloseEvent *event)
{
    StopPlay();
    QWidget::closeEvent(event);
}

void FrmToneTips::ShowImageAgain()
{
    ShowTip();
}
