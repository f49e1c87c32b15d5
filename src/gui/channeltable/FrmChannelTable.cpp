#include "FrmChannelTable.h"

#include "ChannelArrange.h"
#include "ChannelCsvFields.h"
#include "ChannelGroup.h"
#include "ChannelTableColumns.h"
#include "ChannelTableFilter.h"
#include "ChannelTableModel.h"
#include "ChannelTableView.h"
#include "ComfortTextIds.h"
#include "DocumentHistory.h"
#include "EditState.h"
#include "FrmBulkEdit.h"
#include "LangText.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "UiChannelEdits.h"
#include "UiChannelViews.h"
#include "UiChildWindows.h"
#include "UiStatusNote.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace Col = ChannelTableColumns;

namespace {
QSettings layoutStore()
{
    return QSettings(QStringLiteral("tarven"), QCoreApplication::applicationName());
}
const QString kHiddenKey = QStringLiteral("ChannelTable/HiddenColumns");
const QString kOrderKey = QStringLiteral("ChannelTable/ColumnOrder");
}

FrmChannelTable::FrmChannelTable(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FrmChannelTable"));
    InstallChannelViewHooks();
    model_ = new ChannelTableModel(this);
    filter_ = new ChannelTableFilter(model_, this);
    buildControls();
    fillGroups();
    ShowCaptions();
    applyColumnLayout();
    showCount();
}

FrmChannelTable::~FrmChannelTable() = default;

void FrmChannelTable::buildControls()
{
    groupLabel_ = new QLabel(this);
    groupCombo_ = new QComboBox(this);
    groupCombo_->setObjectName(QStringLiteral("GroupCombo"));
    findLabel_ = new QLabel(this);
    findText_ = new QLineEdit(this);
    findText_->setObjectName(QStringLiteral("FindText"));
    findText_->setClearButtonEnabled(true);
    usedOnly_ = new QCheckBox(this);
    usedOnly_->setObjectName(QStringLiteral("UsedOnly"));
    countLabel_ = new QLabel(this);
    countLabel_->setObjectName(QStringLiteral("CountLabel"));
    auto *bar = new QHBoxLayout;
    bar->addWidget(groupLabel_);
    bar->addWidget(groupCombo_);
    bar->addSpacing(8);
    bar->addWidget(findLabel_);
    bar->addWidget(findText_, 1);
    bar->addWidget(usedOnly_);
    bar->addWidget(countLabel_);

    view_ = new ChannelTableView(this);
    view_->setObjectName(QStringLiteral("ChannelTable"));
    view_->setModel(filter_);
    view_->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);

    editSelected_ = new QPushButton(this);
    editSelected_->setObjectName(QStringLiteral("CommandEditSelected"));
    arrange_ = new QPushButton(this);
    arrange_->setObjectName(QStringLiteral("CommandArrange"));
    check_ = new QPushButton(this);
    check_->setObjectName(QStringLiteral("CommandCheck"));
    close_ = new QPushButton(this);
    close_->setObjectName(QStringLiteral("CommandClose"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(editSelected_);
    buttons->addWidget(arrange_);
    buttons->addWidget(check_);
    buttons->addStretch(1);
    buttons->addWidget(close_);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(view_, 1);
    layout->addLayout(buttons);

    connect(groupCombo_, &QComboBox::activated, this, [this] {
        model_->setGroup(groupCombo_->currentData().toInt());
        showCount();
    });
    connect(findText_, &QLineEdit::textChanged, this, &FrmChannelTable::ApplyFilter);
    connect(usedOnly_, &QCheckBox::toggled, this, &FrmChannelTable::ApplyFilter);
    connect(editSelected_, &QPushButton::clicked, this, &FrmChannelTable::EditSelectedChannels);
    connect(arrange_, &QPushButton::clicked, this, &FrmChannelTable::ArrangeByFrequency);
    connect(check_, &QPushButton::clicked, this, [] { ShowChild(QStringLiteral("FrmChannelCheck")); });
    connect(close_, &QPushButton::clicked, this, [this] { CloseChildFrame(this); });
    connect(view_, &ChannelTableView::deleteRequested, this, &FrmChannelTable::deleteChannelAt);
    connect(view_->horizontalHeader(), &QHeaderView::customContextMenuRequested, this,
            &FrmChannelTable::showColumnMenu);
    connect(view_->horizontalHeader(), &QHeaderView::sectionMoved, this, [this] {
        if (!restoringLayout_)
            saveColumnLayout();
    });
}

void FrmChannelTable::fillGroups()
{
    const int band = Run().BandMode;
    groupCombo_->clear();
    groupCombo_->addItem(LangText(31043), ChannelTableModel::kAllGroups);
    for (int g = 0; g < GroupCount(band); ++g) {
        if (GroupSize(g, band) > 0)
            groupCombo_->addItem(GroupName(g, band), g);
    }
    int at = groupCombo_->findData(model_->group());
    if (model_->group() == ChannelTableModel::kAllGroups && Edit().CurrentGroup >= 0)
        at = groupCombo_->findData(Edit().CurrentGroup);
    groupCombo_->setCurrentIndex(at < 0 ? 0 : at);
    model_->setGroup(groupCombo_->currentData().toInt());
}

void FrmChannelTable::ShowCaptions()
{
    setWindowTitle(LangText(31041));
    groupLabel_->setText(LangText(31042));
    findLabel_->setText(LangText(31044));
    findText_->setPlaceholderText(LangText(31056));
    usedOnly_->setText(LangText(31048));
    editSelected_->setText(LangText(31050));
    arrange_->setText(LangText(31051));
    check_->setText(LangText(31052));
    close_->setText(LangText(31053));
    groupCombo_->setItemText(0, LangText(31043));
    showCount();
}

QSize FrmChannelTable::sizeHint() const
{
    return QSize(900, 560);
}

void FrmChannelTable::showCount()
{
    countLabel_->setText(LangText(31049).arg(filter_->rowCount()).arg(model_->rowCount()));
}

void FrmChannelTable::ApplyFilter()
{
    filter_->setFilter(ChannelFilter(findText_->text(), usedOnly_->isChecked()));
    showCount();
}

void FrmChannelTable::ShowImageAgain()
{
    model_->reload();
    // Filtered again once the change that called here is complete.
    QTimer::singleShot(0, this, [this] { ApplyFilter(); });
}

void FrmChannelTable::ShowChannelAgain(int number)
{
    model_->channelChanged(number);
}

QList<int> FrmChannelTable::selectedChannels() const
{
    QList<int> numbers;
    QModelIndexList rows = view_->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    for (const QModelIndex &row : rows) {
        const int number = filter_->mapToSource(row).data(ChannelTableModel::NumberRole).toInt();
        if (Image().channel(number))
            numbers << number;
    }
    return numbers;
}

void FrmChannelTable::EditSelectedChannels()
{
    const QList<int> numbers = selectedChannels();
    if (numbers.isEmpty()) {
        ShowStatusNote(LangText(31076));
        return;
    }
    FrmBulkEdit dialog(numbers, this);
    dialog.exec();
}

void FrmChannelTable::ArrangeByFrequency()
{
    const int band = Run().BandMode;
    int group = model_->group();
    if (group == ChannelTableModel::kAllGroups) {
        // With every group shown, the group of the current row is arranged.
        const QModelIndex current = filter_->mapToSource(view_->currentIndex());
        group = current.isValid() ? ContainingGroup(model_->numberAt(current.row()), band) : -1;
    }
    if (group < 0) {
        ShowStatusNote(LangText(31086));
        return;
    }
    RecordDocumentChange(LangText(31058).arg(GroupName(group, band)));
    const ArrangeOutcome outcome = ::ArrangeByFrequency(group);
    model_->reload();
    showCount();
    ShowStatusNote(outcome.text(group, band));
}

void FrmChannelTable::deleteChannelAt(const QModelIndex &index)
{
    const int band = Run().BandMode;
    const int number = filter_->mapToSource(index).data(ChannelTableModel::NumberRole).toInt();
    const int group = ContainingGroup(number, band);
    if (group < 0 || !Image().channel(number))
        return;
    if (band == 0) {
        ShowStatusNote(LangText(kTextCbNotDeleted));
        return;
    }
    UserSetChannelCell(group, number - GroupStart(group, band), ColFreq, QString());
    model_->channelChanged(number);
    showCount();
}

void FrmChannelTable::applyColumnLayout()
{
    restoringLayout_ = true;
    QHeaderView *header = view_->horizontalHeader();
    const QSettings store = layoutStore();
    const QStringList order = store.value(kOrderKey).toStringList();
    int visual = 0;
    for (const QString &key : order) {
        for (int c = 0; c < Col::Count; ++c) {
            if (Col::Key(c) == key) {
                header->moveSection(header->visualIndex(c), visual++);
                break;
            }
        }
    }
    const QStringList hidden = store.value(kHiddenKey).toStringList();
    for (int c = 0; c < Col::Count; ++c)
        view_->setColumnHidden(c, Col::HiddenInBand(c, Run().BandMode) || hidden.contains(Col::Key(c)));
    view_->resizeColumnsToContents();
    restoringLayout_ = false;
}

void FrmChannelTable::saveColumnLayout() const
{
    QHeaderView *header = view_->horizontalHeader();
    QStringList order, hidden;
    for (int v = 0; v < Col::Count; ++v)
        order << Col::Key(header->logicalIndex(v));
    QSettings store = layoutStore();
    // Columns a band lacks keep the choice made in another band.
    const QStringList before = store.value(kHiddenKey).toStringList();
    for (int c = 0; c < Col::Count; ++c) {
        const bool bandHides = Col::HiddenInBand(c, Run().BandMode);
        if ((bandHides && before.contains(Col::Key(c))) || (!bandHides && view_->isColumnHidden(c)))
            hidden << Col::Key(c);
    }
    store.setValue(kOrderKey, order);
    store.setValue(kHiddenKey, hidden);
}

void FrmChannelTable::showColumnMenu(const QPoint &at)
{
    QMenu menu(this);
    for (int c = 0; c < Col::Count; ++c) {
        if (Col::HiddenInBand(c, Run().BandMode))
            continue;
        QAction *a = menu.addAction(Col::Caption(c));
        a->setCheckable(true);
        a->setChecked(!view_->isColumnHidden(c));
        connect(a, &QAction::toggled, this, [this, c](bool shown) {
            view_->setColumnHidden(c, !shown);
            saveColumnLayout();
        });
    }
    menu.addSeparator();
    QAction *order = menu.addAction(LangText(31055));
    connect(order, &QAction::triggered, this, [this] {
        view_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
        filter_->showPositionOrder();
    });
    menu.exec(view_->horizontalHeader()->mapToGlobal(at));
}
