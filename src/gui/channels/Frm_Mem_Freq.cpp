#include "Frm_Mem_Freq.h"

#include "ChannelGroup.h"
#include "FreqCodec.h"
#include "RadioImage.h"
#include "UiCaptions.h"
#include "UiComboRules.h"
#include "UiKeyRules.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace {
constexpr int kCountryGroups = 8;          // EU .. IN
constexpr int kLastCountryChannel = 360;

QLabel *namedLabel(QWidget *parent, const QString &name, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}
}

int Frm_Mem_Freq::NearestCountryChannel(double mhz)
{
    const RadioImage &img = Image();
    int best = 0;
    double bestDiff = mhz;   // an entry must be nearer than the value itself
    for (int s = 0; s < img.count(); ++s) {
        const ChannelRecord &c = img.at(s);
        if (c.number > kLastCountryChannel || c.number < 1)
            continue;
        const QString shown = FreqDisplayText(c.freqText(), GroupOfChannel(c.number, 0), 0);
        if (!IsNumericText(shown))
            continue;
        const double diff = std::fabs(NumericValue(shown) - mhz);
        if (diff < bestDiff) {
            best = c.number;
            bestDiff = diff;
        }
    }
    return best;
}

Frm_Mem_Freq::Frm_Mem_Freq(const QString &frequency, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Frm_Mem_Freq"));
    setWindowTitle(QStringLiteral("MEM Frequency"));
    setModal(true);

    groups_ = new QComboBox(this);
    groups_->setObjectName(QStringLiteral("Combo1(0)"));
    channels_ = new QComboBox(this);
    channels_->setObjectName(QStringLiteral("Combo1(1)"));
    channels_->setMaxVisibleItems(20);
    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setMaxLength(9);
    KeyRules::install(groups_, KeyRules::EnterOnly);
    KeyRules::install(channels_, KeyRules::EnterOnly);
    KeyRules::install(text1_, KeyRules::Frequency);
    auto *ok = new QPushButton(this);
    ok->setObjectName(QStringLiteral("CommandOK"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(this);
    cancel->setObjectName(QStringLiteral("CommandCancel"));

    auto *form = new QGridLayout;
    form->addWidget(namedLabel(this, QStringLiteral("Label2(0)"), QStringLiteral("Band")), 0, 0);
    form->addWidget(groups_, 0, 1);
    form->addWidget(namedLabel(this, QStringLiteral("Label2(1)"), QStringLiteral("Channel")), 1, 0);
    form->addWidget(channels_, 1, 1);
    form->addWidget(namedLabel(this, QStringLiteral("Label1"), QStringLiteral("Frequency")), 2, 0);
    form->addWidget(text1_, 2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(groups_, &QComboBox::currentIndexChanged, this, [this] { onGroupChosen(); });
    connect(channels_, &QComboBox::currentIndexChanged, this, [this] { onChannelChosen(); });

    // Load: the group list, the caller's text, and the nearest channel preselected.
    loading_ = true;
    ShowOkCancelCaptions(this);
    QStringList names{QStringLiteral("Off")};
    for (int g = 0; g < kCountryGroups; ++g)
        names << GroupName(g, 0);
    FillCombo(groups_, names);
    text1_->setText(frequency);
    int g = 0, p = 0;
    if (IsNumericText(frequency)) {
        if (const int number = NearestCountryChannel(NumericValue(frequency))) {
            const int group = GroupOfChannel(number, 0);
            g = group + 1;
            p = number - GroupStart(group, 0) - 1;
        }
    }
    SelectComboIndex(groups_, g);
    group_ = g;
    fillChannels(p);
    loading_ = false;
    setMinimumWidth(260);
}

QString Frm_Mem_Freq::frequencyText() const
{
    return text1_->text();
}

// Fills the channel list of the chosen group and selects the wanted position, or the
// first entry when the group has no such position.
void Frm_Mem_Freq::fillChannels(int wanted)
{
    QStringList entries;
    if (group_ > 0) {
        for (int i = 1; i <= GroupSize(group_ - 1, 0); ++i)
            entries << QString::number(i);
    }
    FillCombo(channels_, entries);
    if (entries.isEmpty()) {
        channel_ = 0;
        return;
    }
    const bool old = loading_;
    loading_ = true;
    SelectComboIndex(channels_, wanted);
    loading_ = old;
    channel_ = channels_->currentIndex();
}

void Frm_Mem_Freq::showFrequency()
{
    if (group_ == 0) {
        text1_->clear();
        return;
    }
    const int group = group_ - 1;
    if (const ChannelRecord *c = Image().channel(GroupStart(group, 0) + channel_ + 1))
        text1_->setText(FreqDisplayText(c->freqText(), group, 0));
}

void Frm_Mem_Freq::onGroupChosen()
{
    if (loading_)
        return;
    loading_ = true;
    group_ = groups_->currentIndex();
    fillChannels(channel_);
    showFrequency();
    loading_ = false;
}

void Frm_Mem_Freq::onChannelChosen()
{
    if (loading_ || channels_->currentIndex() < 0)
        return;
    channel_ = channels_->currentIndex();
    showFrequency();
}
