#include "FrmCHInfoEdit.h"

#include "ChannelGroup.h"
#include "EditState.h"
#include "LangText.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "UiCaptions.h"
#include "UiChannelViews.h"
#include "UiComboRules.h"
#include "UiKeyRules.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "FreqCodec.h"

namespace {
constexpr int twips(int t) { return t / 15; }
constexpr int kCountrySel = 0, kUSubSel = 1;
constexpr int kLabelGap = twips(100);          // label right edge to its control
constexpr int kText1Width = twips(1815);
constexpr int kCommand1Width = twips(1815 - 1560);
constexpr int kOptionWidth = 130;

const QStringList kOffOn = {QStringLiteral("Off"), QStringLiteral("On")};

QStringList numbers(int from, int to)
{
    QStringList list;
    for (int i = from; i <= to; ++i)
        list << QString::number(i);
    return list;
}

QLabel *namedLabel(QWidget *parent, const QString &name)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

QComboBox *namedCombo(QWidget *parent, const QString &name)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(name);
    KeyRules::install(c, KeyRules::EnterOnly);   // Enter moves on as Tab does
    return c;
}
}

int FrmCHInfoEdit::ColumnOfOption(int index)
{
    if (index == OptPublic)
        return ColPublic;
    if (index == OptDup)
        return ColDup;
    return index + 3;   // TSQ (5) .. TDCT (18)
}

bool FrmCHInfoEdit::IsFixFM(int channel, int group, int band)
{
    if (band != 0)
        return false;
    return group == 1 || group == kCbGroupUk || (group == kCbGroupDe && channel > 40);
}

void FrmCHInfoEdit::FillPowerList(QComboBox *selector, int amFm, int &power)
{
    selector->clear();
    selector->addItem(LangText(15044));
    selector->addItem(LangText(15045));
    if (amFm <= 0)
        selector->addItem(LangText(15046));
    else if (power > 1)
        power = 1;
}

FrmCHInfoEdit::FrmCHInfoEdit(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FrmCHInfoEdit"));
    InstallChannelViewHooks();
    buildControls();
    commandHelp_->setVisible(Run().HelpEnabled);
    applyBandLayout();
    FillLists();
    ShowCaptions();
    Edit().ChEditOpen = true;
    SetGridEditData(true);
}

FrmCHInfoEdit::~FrmCHInfoEdit()
{
    if (!unloaded_) {
        unloaded_ = true;
        Edit().ChEditOpen = false;
    }
}

void FrmCHInfoEdit::buildControls()
{
    frame1_ = new QGroupBox(this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->installEventFilter(this);
    auto *grid = new QGridLayout(frame1_);
    grid->setHorizontalSpacing(kLabelGap);
    grid->setVerticalSpacing(6);
    grid->setColumnMinimumWidth(2, 18);

    // Group and channel.
    label4_ = namedLabel(frame1_, QStringLiteral("Label4"));
    combo4_ = namedCombo(frame1_, QStringLiteral("Combo4"));
    for (int i = 0; i < 2; ++i)
        combo3_[i] = namedCombo(frame1_, QStringLiteral("Combo3(%1)").arg(i));
    auto *groupBox = new QHBoxLayout;
    groupBox->setSpacing(4);
    groupBox->addWidget(combo4_);
    groupBox->addWidget(combo3_[kCountrySel]);
    groupBox->addWidget(combo3_[kUSubSel]);
    groupBox->addStretch(1);
    grid->addWidget(label4_, 0, 0);
    grid->addLayout(groupBox, 0, 1);
    label1_ = namedLabel(frame1_, QStringLiteral("Label1"));
    combo1_ = namedCombo(frame1_, QStringLiteral("Combo1"));
    combo1_->setMaxVisibleItems(20);
    grid->addWidget(label1_, 0, 3);
    grid->addWidget(combo1_, 0, 4, Qt::AlignLeft);

    // Frequency with the picker button, and offset.
    label2_[0] = namedLabel(frame1_, QStringLiteral("Label2(0)"));
    text1_ = new QLineEdit(frame1_);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setMaxLength(9);
    text1_->setFixedWidth(kText1Width);
    command1_ = new QPushButton(QStringLiteral(">"), frame1_);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setFixedWidth(kCommand1Width);
    auto *freqBox = new QHBoxLayout;
    freqBox->setSpacing(0);
    freqBox->addWidget(text1_);
    freqBox->addWidget(command1_);
    freqBox->addStretch(1);
    grid->addWidget(label2_[0], 1, 0);
    grid->addLayout(freqBox, 1, 1);
    label2_[1] = namedLabel(frame1_, QStringLiteral("Label2(1)"));
    text2_ = new QLineEdit(frame1_);
    text2_->setObjectName(QStringLiteral("Text2"));
    text2_->setMaxLength(4);
    text2_->setFixedWidth(60);
    grid->addWidget(label2_[1], 1, 3);
    grid->addWidget(text2_, 1, 4, Qt::AlignLeft);

    // The sixteen options: 0..7 on the left, 8..15 on the right.
    for (int i = 0; i < OptionCount; ++i) {
        label3_[i] = namedLabel(frame1_, QStringLiteral("Label3(%1)").arg(i));
        combo2_[i] = namedCombo(frame1_, QStringLiteral("Combo2(%1)").arg(i));
        combo2_[i]->setMinimumWidth(kOptionWidth);
        combo2_[i]->setMaxVisibleItems(20);
        const int row = 2 + i % 8;
        const int column = i < 8 ? 0 : 3;
        grid->addWidget(label3_[i], row, column);
        grid->addWidget(combo2_[i], row, column + 1);
        connect(combo2_[i], &QComboBox::activated, this, [this, i] { onOptionChosen(i); });
    }

    combo5_ = new QComboBox(this);
    combo5_->setObjectName(QStringLiteral("Combo5"));
    combo5_->hide();

    commandClose_ = new QPushButton(this);
    commandClose_->setObjectName(QStringLiteral("CommandClose"));
    commandHelp_ = new QPushButton(this);
    commandHelp_->setObjectName(QStringLiteral("CommandHelp"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(commandClose_);
    buttons->addWidget(commandHelp_);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame1_, 1);
    layout->addLayout(buttons);

    KeyRules::install(text1_, KeyRules::Frequency, [this] { commitText1(); });
    KeyRules::install(text2_, KeyRules::Digits, [this] { commitText2(); });
    text1_->installEventFilter(this);
    text2_->installEventFilter(this);
    connect(combo1_, &QComboBox::activated, this, [this] { onChannelChosen(); });
    connect(combo4_, &QComboBox::activated, this, [this] { onGroupChosen(); });
    connect(combo3_[kCountrySel], &QComboBox::activated, this, [this] { onCountryChosen(kCountrySel); });
    connect(combo3_[kUSubSel], &QComboBox::activated, this, [this] { onCountryChosen(kUSubSel); });
    connect(command1_, &QPushButton::clicked, this, [this] { openMemFrequencyPicker(); });
    connect(commandClose_, &QPushButton::clicked, this, [this] {
        if (auto *sub = parentWidget(); sub && sub->inherits("QMdiSubWindow"))
            sub->close();
        else
            close();
    });
}

// Controls and heights by band: the CB band has no duplex, power and offset.
void FrmCHInfoEdit::applyBandLayout()
{
    const bool cb = Run().BandMode == 0;
    label3_[OptAddSub5K]->hide();
    combo2_[OptAddSub5K]->hide();
    for (int i : {int(OptDup), int(OptTxPower)}) {
        label3_[i]->setVisible(!cb);
        combo2_[i]->setVisible(!cb);
    }
    label2_[1]->setVisible(!cb);
    text2_->setVisible(!cb);
}

void FrmCHInfoEdit::FillLists()
{
    const int band = Run().BandMode;
    FillCombo(combo4_, GroupNames(band));
    FillCombo(combo3_[kCountrySel], {QStringLiteral("EU"), QStringLiteral("CE"), QStringLiteral("U"),
                                     QStringLiteral("PL"), QStringLiteral("I2"), QStringLiteral("DE"),
                                     QStringLiteral("IN"), QStringLiteral("MEM")});
    FillCombo(combo3_[kUSubSel], {QStringLiteral("U"), QStringLiteral("UK")});
    combo4_->setVisible(band != 0);
    combo3_[kCountrySel]->setVisible(band == 0);
    combo3_[kUSubSel]->hide();

    const QStringList lists[OptionCount] = {
        kOffOn, {QStringLiteral("Off"), QStringLiteral("+"), QStringLiteral("-")}, kOffOn,
        {QStringLiteral("Del"), QStringLiteral("Add")}, kOffOn, kOffOn, kOffOn, kOffOn,
        {QStringLiteral("FM"), QStringLiteral("AM")}, {}, {}, {}, {}, {}, ToneList(), ToneList(),
    };
    for (int i = 0; i < OptionCount; ++i)
        FillCombo(combo2_[i], lists[i]);
    fillDtmfLists();
    FillCombo(combo5_, QStringList{LangText(15030)} + numbers(1, 8));
}

void FrmCHInfoEdit::fillDtmfLists()
{
    const QStringList entries = DtmfCodeListEntries(Image());
    for (int i : {int(OptDtmfBot), int(OptDtmfEot), int(OptDtmfCall)})
        FillCombo(combo2_[i], entries);
}

void FrmCHInfoEdit::ShowCaptions()
{
    setWindowTitle(LangText(15000));
    label4_->setText(LangText(15029));
    label1_->setText(LangText(15001));
    label2_[0]->setText(LangText(15002));
    label2_[1]->setText(LangText(15100));
    for (int i = 0; i < OptionCount; ++i)
        label3_[i]->setText(LangText(15005 + i));
    ShowCloseHelpCaptions(this);
    resize(sizeHint());
}

// The form is 7645 twips high in the CB band and 8725 otherwise, caption included; the
// width follows the widest labels of the language.
QSize FrmCHInfoEdit::sizeHint() const
{
    const int height = twips(Run().BandMode == 0 ? 7645 : 8725) - 34;
    return QSize(QWidget::sizeHint().width(), std::max(height, minimumSizeHint().height()));
}

void FrmCHInfoEdit::ChangShowCHs(int group)
{
    FillCombo(combo1_, numbers(1, GroupSize(group, Run().BandMode)));
}

void FrmCHInfoEdit::ValidateControls()
{
    commitText1();
    commitText2();
}

void FrmCHInfoEdit::ShowImageAgain()
{
    fillDtmfLists();
    SetGridEditData(true);
}

void FrmCHInfoEdit::unload()
{
    if (unloaded_)
        return;
    ValidateControls();
    unloaded_ = true;
    Edit().ChEditOpen = false;
}

void FrmCHInfoEdit::closeEvent(QCloseEvent *event)
{
    unload();
    QWidget::closeEvent(event);
}
