#include "FrmChannelCheck.h"

#include "BandPlans.h"
#include "ChannelChecks.h"
#include "ChannelCsvFields.h"
#include "ChannelGroup.h"
#include "EditState.h"
#include "LangText.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "UiChannelViews.h"
#include "UiChildWindows.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int kNumberRole = Qt::UserRole;

// A tree view measures its rows without the width of their columns, so wrapped text
// would keep one line and end in "…". This delegate measures each cell at its column's
// width, so a long reason takes the lines it needs.
class WrappingDelegate : public QStyledItemDelegate {
public:
    explicit WrappingDelegate(QTreeView *view) : QStyledItemDelegate(view), view_(view) {}

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem measured = option;
        // The style wraps only within a valid rectangle: any height will do.
        measured.rect = QRect(0, 0, view_->header()->sectionSize(index.column()), 1);
        return QStyledItemDelegate::sizeHint(measured, index);
    }

private:
    QTreeView *view_;
};
} // namespace

FrmChannelCheck::FrmChannelCheck(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FrmChannelCheck"));
    regionLabel_ = new QLabel(this);
    region_ = new QComboBox(this);
    region_->setObjectName(QStringLiteral("RegionCombo"));
    for (int r = kFirstBandPlanRegion; r <= kLastBandPlanRegion; ++r)
        region_->addItem(QString(), r);
    region_->setCurrentIndex(BandPlanRegion() - kFirstBandPlanRegion);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("Summary"));
    auto *top = new QHBoxLayout;
    top->addWidget(regionLabel_);
    top->addWidget(region_);
    top->addSpacing(12);
    top->addWidget(summary_, 1);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("FindingList"));
    list_->setColumnCount(2);
    list_->setRootIsDecorated(false);
    list_->setWordWrap(true);
    list_->setUniformRowHeights(false);
    list_->header()->setStretchLastSection(true);
    list_->setItemDelegate(new WrappingDelegate(list_));
    connect(list_->header(), &QHeaderView::sectionResized, list_, [this] { list_->doItemsLayout(); });

    open_ = new QPushButton(this);
    open_->setObjectName(QStringLiteral("CommandOpen"));
    again_ = new QPushButton(this);
    again_->setObjectName(QStringLiteral("CommandCheckAgain"));
    close_ = new QPushButton(this);
    close_->setObjectName(QStringLiteral("CommandClose"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(open_);
    buttons->addWidget(again_);
    buttons->addStretch(1);
    buttons->addWidget(close_);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    connect(region_, &QComboBox::activated, this, [this] {
        WriteBandPlanRegion(region_->currentData().toInt());
        ShowImageAgain();
    });
    connect(list_, &QTreeWidget::itemActivated, this, &FrmChannelCheck::OpenFinding);
    connect(open_, &QPushButton::clicked, this, [this] { OpenFinding(list_->currentItem()); });
    connect(again_, &QPushButton::clicked, this, &FrmChannelCheck::ShowImageAgain);
    connect(close_, &QPushButton::clicked, this, [this] { CloseChildFrame(this); });
    ShowCaptions();
}

QSize FrmChannelCheck::sizeHint() const
{
    return QSize(760, 420);
}

void FrmChannelCheck::ShowCaptions()
{
    setWindowTitle(LangText(31077));
    regionLabel_->setText(LangText(31078));
    for (int i = 0; i < region_->count(); ++i)
        region_->setItemText(i, LangText(31079).arg(region_->itemData(i).toInt()));
    list_->setHeaderLabels({LangText(31082), LangText(31083)});
    open_->setText(LangText(31081));
    again_->setText(LangText(31080));
    close_->setText(LangText(31053));
    ShowImageAgain();
}

void FrmChannelCheck::ShowImageAgain()
{
    const int band = Run().BandMode;
    const QList<ChannelFinding> findings = CheckChannels(Image(), band, region_->currentData().toInt());
    list_->clear();
    for (const ChannelFinding &f : findings) {
        const QString label = ChannelLabel(f.number, band);
        auto *item = new QTreeWidgetItem(list_, {label.isEmpty() ? QString::number(f.number) : label, f.reason});
        item->setData(0, kNumberRole, f.number);
        item->setToolTip(1, f.reason);
    }
    list_->resizeColumnToContents(0);
    summary_->setText(findings.isEmpty() ? LangText(31023) : FindingCount(int(findings.size())));
    open_->setEnabled(!findings.isEmpty());
    if (!findings.isEmpty())
        list_->setCurrentItem(list_->topLevelItem(0));
}

void FrmChannelCheck::OpenFinding(QTreeWidgetItem *item)
{
    if (!item)
        return;
    const int band = Run().BandMode;
    const int number = item->data(0, kNumberRole).toInt();
    const int group = ContainingGroup(number, band);
    if (group < 0)
        return;
    Edit().CurrentGroup = group;
    Edit().CurrentChannel = number - GroupStart(group, band);
    GridFollowSelection();
    ShowChild(QStringLiteral("FrmCHInfoEdit"));
    EditDialogFollowSelection();
}
