#include "FrmSetComm.h"

#include "LangText.h"
#include "RunSettings.h"
#include "Startup.h"
#include "UiDialogButtons.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kRefreshMs = 1000;
constexpr int kRows = 4;   // options run down the columns: COM1..4, COM5..8, ...

FrmSetComm::PortLister &lister()
{
    static FrmSetComm::PortLister l;
    return l;
}
}

void FrmSetComm::SetPortLister(PortLister l)
{
    lister() = std::move(l);
}

FrmSetComm::FrmSetComm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmSetComm"));
    setWindowTitle(LangText(22000));

    auto *frame1 = new QGroupBox(LangText(22001), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setToolTip(PortRuleText());
    auto *grid = new QGridLayout(frame1);
    grid->setHorizontalSpacing(18);
    group_ = new QButtonGroup(this);
    group_->setExclusive(true);
    for (int i = 0; i < kComPorts; ++i) {
        auto *o = new QRadioButton(frame1);
        o->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        group_->addButton(o, i);
        grid->addWidget(o, i % kRows, i / kRows);
        options_ << o;
    }

    pinned_ = new QLabel(this);
    pinned_->setObjectName(QStringLiteral("LabelPinned"));
    pinned_->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame1);
    layout->addWidget(pinned_);
    QPushButton *ok = AddOkCancelRow(this, layout);
    connect(ok, &QPushButton::clicked, this, [this] {
        savePortChoice();
        accept();
    });

    EnablePortOptions();
    // The current port; a number outside 1..16 has no option and selects nothing.
    if (QRadioButton *current = option(Run().comPort - 1))
        current->setChecked(true);

    reComm_ = new QTimer(this);
    reComm_->setObjectName(QStringLiteral("ReCommTimer"));
    reComm_->setInterval(kRefreshMs);
    connect(reComm_, &QTimer::timeout, this, &FrmSetComm::ReCommTimer_Timer);
    connect(this, &QDialog::finished, reComm_, &QTimer::stop);
    reComm_->start();
}

int FrmSetComm::selectedIndex() const
{
    return group_->checkedId();
}

void FrmSetComm::EnablePortOptions()
{
    const QVector<PortSlot> ports = lister() ? lister()() : ListPorts();
    const QString prefix = LangText(22002);
    for (int i = 0; i < options_.size(); ++i) {
        const PortSlot slot = i < ports.size() ? ports.at(i) : PortSlot{i + 1, QString(), false, false};
        QString caption = prefix + QString::number(i + 1);
        if (!slot.device.isEmpty())
            caption += QStringLiteral("  (") + slot.device + QLatin1Char(')');
        options_[i]->setText(caption);
        options_[i]->setEnabled(slot.present);
    }
    const QString pin = PinnedRunDevice();
    pinned_->setVisible(!pin.isEmpty());
    pinned_->setText(LangText(22003) + QLatin1Char(' ') + pin);
}

void FrmSetComm::ReCommTimer_Timer()
{
    // A disabled option keeps its selection: the choice made before the refresh stays.
    const int selected = selectedIndex();
    EnablePortOptions();
    if (selected >= 0)
        options_[selected]->setChecked(true);
}

void FrmSetComm::savePortChoice()
{
    const int selected = selectedIndex();
    if (selected < 0)
        return;
    Run().comPort = selected + 1;
    WriteComPort(Run().comPort);
}
