#include "FrmRadioInfo.h"

#include "UiReadOnlyLook.h"

#include "LangText.h"
#include "ControlChars.h"
#include "Models.h"
#include "RadioInfo.h"
#include "RunSettings.h"
#include "UiCaptions.h"
#include "UiChildWindows.h"
#include "UiComboRules.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLabel *namedLabel(const QString &name, int textId, QWidget *parent)
{
    auto *l = new QLabel(LangText(textId), parent);
    l->setObjectName(name);
    return l;
}

QString label1Name(int index)
{
    return QStringLiteral("Label1(%1)").arg(index);
}
}

FrmRadioInfo::FrmRadioInfo(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FrmRadioInfo"));
    setWindowTitle(LangText(21000));

    for (int i = 0; i < FieldCount; ++i) {
        if (i == RepairReason)
            continue;
        texts_[i] = new QLineEdit(this);
        texts_[i]->setObjectName(QStringLiteral("Text1(%1)").arg(i));
        texts_[i]->setReadOnly(true);
    }
    reason_ = new QPlainTextEdit(this);
    reason_->setObjectName(QStringLiteral("Text1(4)"));
    reason_->setReadOnly(true);
    reason_->setFixedHeight(reason_->fontMetrics().lineSpacing() * 3 + 12);

    model_ = new QComboBox(this);
    model_->setObjectName(QStringLiteral("Combo1(0)"));
    band_ = new QComboBox(this);
    band_->setObjectName(QStringLiteral("Combo3"));
    bandText_ = new QComboBox(this);
    bandText_->setObjectName(QStringLiteral("Combo1(1)"));
    FillCombo(model_, {QString::fromLatin1(kModelDisplayName)});
    FillCombo(band_, {BandName(0), BandName(1), BandName(2)});
    FillCombo(bandText_, {BandText(0), BandText(1), BandText(2)});
    // Shown, not chosen: the lists take no input but stay readable.
    for (QComboBox *c : {model_, band_, bandText_}) {
        c->setAttribute(Qt::WA_TransparentForMouseEvents);
        c->setFocusPolicy(Qt::NoFocus);
    }

    // The radio's own data.
    auto *radio = new QGroupBox(LangText(21012), this);
    radio->setObjectName(QStringLiteral("Label1(7)"));
    auto *left = new QFormLayout(radio);
    left->addRow(namedLabel(label1Name(0), 21005, radio), model_);
    left->addRow(namedLabel(label1Name(14), 13003, radio), band_);
    left->addRow(namedLabel(label1Name(1), 21006, radio), bandText_);
    left->addRow(namedLabel(label1Name(2), 21007, radio), texts_[SerialNumber]);
    left->addRow(namedLabel(label1Name(3), 21008, radio), texts_[FactoryDate]);
    left->addRow(namedLabel(label1Name(4), 21009, radio), texts_[RepairDate]);
    left->addRow(namedLabel(label1Name(6), 21010, radio), texts_[VersionInfo]);
    left->addRow(namedLabel(label1Name(5), 21011, radio), reason_);

    // The dealer's data.
    auto *frame1 = new QGroupBox(LangText(21001), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto *right = new QFormLayout(frame1);
    right->addRow(namedLabel(QStringLiteral("Label2"), 21002, frame1), texts_[SalesAreaCode]);
    right->addRow(namedLabel(label1Name(8), 21003, frame1), texts_[BatchNumber]);
    right->addRow(namedLabel(label1Name(9), 21004, frame1), texts_[CustomerCode]);
    right->addRow(namedLabel(label1Name(10), 21013, frame1), texts_[DealerCode]);
    right->addRow(namedLabel(label1Name(11), 21014, frame1), texts_[StockInDate]);
    right->addRow(namedLabel(label1Name(12), 21015, frame1), texts_[SaleDate]);
    right->addRow(namedLabel(label1Name(13), 21016, frame1), texts_[Handler]);

    auto *groups = new QHBoxLayout;
    groups->addWidget(radio, 1);
    groups->addWidget(frame1, 1);

    auto *close = new QPushButton(this);
    close->setObjectName(QStringLiteral("CommandClose"));
    auto *help = new QPushButton(this);
    help->setObjectName(QStringLiteral("CommandHelp"));
    help->setVisible(Run().HelpEnabled);
    ShowCloseHelpCaptions(this);
    connect(close, &QPushButton::clicked, this, [this] { CloseChildFrame(this); });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    buttons->addWidget(help);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(buttons);
    for (QLineEdit *t : texts_) {
        if (t) {
            t->setMinimumWidth(t->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 18);
            ShowReadOnly(t);
        }
    }
    // Everything here was read from the radio: nothing takes typing or a choice.
    for (QWidget *w : std::initializer_list<QWidget *>{reason_, model_, band_, bandText_})
        ShowReadOnly(w);
    ShowByData();
}

void FrmRadioInfo::ShowByData()
{
    const RadioInfo &info = CurrentRadioInfo();
    SelectComboText(model_, DisplayModelName(info.model));
    if (IsValidBand(info.bandMode)) {
        band_->setCurrentIndex(info.bandMode);
        bandText_->setCurrentIndex(info.bandMode);
    } else {
        // No list entry exists for it: nothing selected, the number itself shown.
        band_->setCurrentIndex(-1);
        band_->setPlaceholderText(QString::number(info.bandMode));
        bandText_->setCurrentIndex(-1);
        bandText_->setPlaceholderText(QString::fromLatin1(kCountryModeError));
    }
    texts_[SalesAreaCode]->setText(DropControls(info.salesAreaCode));
    texts_[SerialNumber]->setText(DropControls(info.serialNumber));
    texts_[FactoryDate]->setText(DropControls(info.factoryDate));
    texts_[RepairDate]->setText(DropControls(info.repairDate));
    reason_->setPlainText(DropControls(info.repairReason));
    texts_[VersionInfo]->setText(DropControls(info.versionInfo));
    texts_[BatchNumber]->setText(DropControls(info.batchNumber));
    texts_[CustomerCode]->setText(DropControls(info.customerCode));
    texts_[DealerCode]->setText(DropControls(info.dealerCode));
    texts_[StockInDate]->setText(DropControls(info.stockInDate));
    texts_[SaleDate]->setText(DropControls(info.saleDate));
    texts_[Handler]->setText(DropControls(info.handler));
}
