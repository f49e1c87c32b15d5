#include "FrmImportChannels.h"

#include "ChannelGroup.h"
#include "EditState.h"
#include "LangText.h"
#include "RunSettings.h"
#include "UiDialogButtons.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
// The groups rows can be placed into: those with a position that can take a channel.
QList<int> placeableGroups(int band)
{
    QList<int> groups;
    for (int g = 0; g < GroupCount(band); ++g) {
        if (!GroupName(g, band).isEmpty() && !IsVfoGroup(g, band) && (band != 0 || g == kCbMemGroup))
            groups << g;
    }
    return groups;
}
}

FrmImportChannels::FrmImportChannels(const QString &path, QWidget *parent) : QDialog(parent), path_(path)
{
    setObjectName(QStringLiteral("FrmImportChannels"));
    setWindowTitle(LangText(30720));
    auto *file = new QWidget(this);
    auto *row = new QHBoxLayout(file);
    row->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(LangText(30724), file);
    label->setObjectName(QStringLiteral("Label1"));
    auto *name = new QLabel(QFileInfo(path).fileName(), file);
    name->setObjectName(QStringLiteral("LabelFile"));
    name->setToolTip(path);
    row->addWidget(label);
    row->addWidget(name, 1);
    build(file);
    choosePlacement(-1);
}

FrmImportChannels::FrmImportChannels(const QList<StockList> &stock, QWidget *parent) : QDialog(parent), stock_(stock)
{
    setObjectName(QStringLiteral("FrmImportStockList"));
    setWindowTitle(LangText(30726));
    auto *box = new QWidget(this);
    auto *column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(LangText(30727), box);
    label->setObjectName(QStringLiteral("Label1"));
    list_ = new QListWidget(box);
    list_->setObjectName(QStringLiteral("List1"));
    for (const StockList &s : stock)
        list_->addItem(s.title);
    list_->setMinimumHeight(list_->sizeHintForRow(0) * 8 + 4);
    label->setBuddy(list_);
    source_ = new QLabel(box);
    source_->setObjectName(QStringLiteral("LabelSource"));
    source_->setWordWrap(true);
    source_->setMinimumHeight(source_->fontMetrics().lineSpacing() * 3);
    source_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->addWidget(label);
    column->addWidget(list_, 1);
    column->addWidget(source_);
    connect(list_, &QListWidget::currentRowChanged, this, &FrmImportChannels::stockListChosen);
    build(box);
    chooseStockList(0);
}

void FrmImportChannels::build(QWidget *source)
{
    const int band = Run().BandMode;
    auto *where = new QGroupBox(LangText(30721), this);
    where->setObjectName(QStringLiteral("Frame1"));
    byNumbers_ = new QRadioButton(LangText(30722), where);
    byNumbers_->setObjectName(QStringLiteral("Option1"));
    placing_ = new QRadioButton(LangText(30723), where);
    placing_->setObjectName(QStringLiteral("Option2"));
    group_ = new QComboBox(where);
    group_->setObjectName(QStringLiteral("Combo1"));
    for (int g : placeableGroups(band))
        group_->addItem(GroupName(g, band), g);
    free_ = new QLabel(where);
    free_->setObjectName(QStringLiteral("LabelFree"));
    // The group the grid shows first, when rows can go there.
    const int current = group_->findData(Edit().CurrentGroup);
    group_->setCurrentIndex(current >= 0 ? current : 0);
    auto *placeRow = new QHBoxLayout;
    placeRow->addSpacing(22);
    placeRow->addWidget(group_);
    placeRow->addWidget(free_, 1);
    auto *inner = new QVBoxLayout(where);
    inner->addWidget(byNumbers_);
    inner->addWidget(placing_);
    inner->addLayout(placeRow);
    connect(group_, &QComboBox::currentIndexChanged, this, &FrmImportChannels::groupChosen);
    connect(placing_, &QRadioButton::toggled, group_, &QWidget::setEnabled);
    if (group_->count() == 0)
        placing_->setEnabled(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->addWidget(source);
    layout->addWidget(where);
    layout->addSpacing(6);
    QPushButton *ok = AddOkCancelRow(this, layout);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    groupChosen();
    setMinimumWidth(420);
}

void FrmImportChannels::stockListChosen()
{
    const int row = list_ ? list_->currentRow() : -1;
    if (row < 0 || row >= stock_.size())
        return;
    source_->setText(stock_.at(row).source);
    // Only the CB plans name their channels, and only in the CB band.
    const bool numbered = stock_.at(row).numbered && Run().BandMode == 0;
    byNumbers_->setEnabled(numbered);
    choosePlacement(numbered || group_->count() == 0 ? -1 : group_->currentData().toInt());
}

void FrmImportChannels::groupChosen()
{
    if (group_->currentIndex() < 0)
        return;
    const int band = Run().BandMode;
    free_->setText(LangText(30729).arg(FreePositions(group_->currentData().toInt(), band).size()));
}

QString FrmImportChannels::chosenPath() const
{
    if (!list_)
        return path_;
    const int row = list_->currentRow();
    return row >= 0 && row < stock_.size() ? stock_.at(row).path : QString();
}

RowPlacement FrmImportChannels::placement() const
{
    RowPlacement p;
    if (placing_->isChecked() && group_->currentIndex() >= 0)
        p.group = group_->currentData().toInt();
    return p;
}

void FrmImportChannels::choosePlacement(int group)
{
    const int index = group_->findData(group);
    if (group >= 0 && index >= 0) {
        group_->setCurrentIndex(index);
        placing_->setChecked(true);
    } else {
        byNumbers_->setChecked(true);
    }
    group_->setEnabled(placing_->isChecked());
}

void FrmImportChannels::chooseStockList(int index)
{
    if (list_ && index >= 0 && index < list_->count())
        list_->setCurrentRow(index);
}
