#include "FrmSetComm.h"

#include "LangText.h"
#include "SystemView.h"
#include "RunSettings.h"
#include "Startup.h"
#include "UiDialogButtons.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kRefreshMs = 1000;
constexpr int kRows = 8;               // options run down two columns: COM1..8, COM9..16
constexpr int kDetailsWidth = 290;     // device texts longer than this are elided

QString deviceText(const QString &device, const SerialDevice &info, bool present)
{
    if (device.isEmpty())
        return QString();
    if (!present)
        return device + QStringLiteral(" — ") + LangText(30500);
    // A device this user may not open says so first, where eliding cannot hide it.
    const QString path = info.device.isEmpty() ? device : info.device;
    const QString shown = CurrentSystem().access(path).userCanReadWrite
        ? device : device + QStringLiteral(" — ") + LangText(30970);
    const QString details = info.details();
    return details.isEmpty() ? shown : shown + QStringLiteral(" — ") + details;
}

void setElided(QLabel *label, const QString &text)
{
    label->setText(label->fontMetrics().elidedText(text, Qt::ElideRight, kDetailsWidth));
    label->setToolTip(text);
}
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
    grid->setHorizontalSpacing(10);
    grid->setColumnMinimumWidth(2, 12);
    group_ = new QButtonGroup(this);
    group_->setExclusive(true);
    for (int i = 0; i < kComPorts; ++i) {
        auto *o = new QRadioButton(LangText(22002) + QString::number(i + 1), frame1);
        o->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        auto *label = new QLabel(frame1);
        label->setObjectName(QStringLiteral("LabelDevice(%1)").arg(i));
        label->setMinimumWidth(kDetailsWidth);
        group_->addButton(o, i);
        const int column = (i / kRows) * 3;
        grid->addWidget(o, i % kRows, column);
        grid->addWidget(label, i % kRows, column + 1);
        options_ << o;
        labels_ << label;
    }

    auto *otherRow = new QHBoxLayout;
    otherOption_ = new QRadioButton(LangText(30501), this);
    otherOption_->setObjectName(QStringLiteral("OptionOther"));
    group_->addButton(otherOption_, kOtherOption);
    otherDevices_ = new QComboBox(this);
    otherDevices_->setObjectName(QStringLiteral("ComboOther"));
    otherDevices_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    otherDevices_->setMinimumContentsLength(30);
    otherRow->addWidget(otherOption_);
    otherRow->addWidget(otherDevices_, 1);
    // Choosing a device in the list chooses the other device.
    connect(otherDevices_, &QComboBox::activated, otherOption_, [this] {
        if (otherDevices_->currentData().isValid())
            otherOption_->setChecked(true);
    });

    pinned_ = new QLabel(this);
    pinned_->setObjectName(QStringLiteral("LabelPinned"));
    pinned_->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame1);
    layout->addLayout(otherRow);
    layout->addWidget(pinned_);
    QPushButton *ok = AddOkCancelRow(this, layout);
    connect(ok, &QPushButton::clicked, this, [this] {
        savePortChoice();
        accept();
    });

    EnablePortOptions();
    // The current choice: the other device when one is kept, else the COM number (a
    // number outside 1..16 has no option and selects nothing).
    if (!ChosenOtherDevice().isEmpty())
        otherOption_->setChecked(true);
    else if (QRadioButton *current = option(Run().comPort - 1))
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
    const QVector<PortSlot> ports = ListPorts();
    for (int i = 0; i < options_.size(); ++i) {
        const PortSlot slot = ports.value(i);
        setElided(labels_[i], deviceText(slot.device, slot.info, slot.present));
        options_[i]->setEnabled(slot.present);
    }
    fillOtherDevices();
    const QString pin = PinnedRunDevice();
    pinned_->setVisible(!pin.isEmpty());
    pinned_->setText(LangText(22003) + QLatin1Char(' ') + pin);
}

void FrmSetComm::fillOtherDevices()
{
    // Keep the entry in use: the one picked in the list, else the one kept in mysetup.ini.
    const QVariant picked = otherDevices_->currentData();
    const QString keep = picked.isValid() ? picked.toString() : ChosenOtherDevice();
    const QList<SerialDevice> others = OtherSerialDevices();
    otherDevices_->clear();
    for (const SerialDevice &d : others)
        otherDevices_->addItem(deviceText(d.stablePath(), d, true), d.stablePath());
    if (!keep.isEmpty() && FindSerialDevice(keep, others).device.isEmpty())
        otherDevices_->addItem(deviceText(keep, {}, false), keep);
    if (otherDevices_->count() == 0)
        otherDevices_->addItem(LangText(30504));
    const int at = keep.isEmpty() ? 0 : otherDevices_->findData(keep);
    otherDevices_->setCurrentIndex(qMax(at, 0));
    for (int i = 0; i < otherDevices_->count(); ++i)
        otherDevices_->setItemData(i, otherDevices_->itemText(i), Qt::ToolTipRole);
    const bool any = otherDevices_->itemData(0).isValid();
    otherOption_->setEnabled(any);
    otherDevices_->setEnabled(any);
}

void FrmSetComm::ReCommTimer_Timer()
{
    // A disabled option keeps its selection: the choice made before the refresh stays.
    const int selected = selectedIndex();
    EnablePortOptions();
    if (QAbstractButton *b = group_->button(selected))
        b->setChecked(true);
}

void FrmSetComm::savePortChoice()
{
    const int selected = selectedIndex();
    if (selected == kOtherOption) {
        const QString device = otherDevices_->currentData().toString();
        if (!device.isEmpty())
            SaveOtherDevice(device);
        return;
    }
    if (selected < 0)
        return;
    Run().comPort = selected + 1;
    WriteComPort(Run().comPort);
    SaveOtherDevice(QString());
}
