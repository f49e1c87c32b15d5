#include "frmCommChInfo.h"

#include "ChangeDescriptions.h"
#include "ChannelGroup.h"
#include "DocumentHistory.h"
#include "EditState.h"
#include "FreqCodec.h"
#include "GroupSettings.h"
#include "LangText.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "UiCaptions.h"
#include "UiChannelViews.h"
#include "UiComboRules.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
// Control array indexes.
constexpr int kCurrentChannelSel = 0, kSettingA = 1, kSettingB = 2, kGroupValidSel = 3;
constexpr int kCountrySel = 0, kUSubSel = 1;
// Captions of Label3(0..3): current channel, settings A and B, group valid.
constexpr int kLabelIds[4] = {14052, 14053, 14054, 14101};

constexpr int twips(int t) { return t / 15; }
constexpr int kColumnWidths[frmCommChInfo::GridColumns] = {740, 1800, 1100, 0, 0, 1200, 1100, 1400};
constexpr int kHeaderIds[frmCommChInfo::GridColumns] = {14001, 14002, 14003, 14004, 14005, 14006, 14008, 14011};
const QColor kHeaderColour(0, 0, 155);
const QColor kEditCellColour(220, 220, 220);

const QStringList kCountryNames = {QStringLiteral("EU"), QStringLiteral("CE"), QStringLiteral("U"),
                                   QStringLiteral("PL"), QStringLiteral("I2"), QStringLiteral("DE"),
                                   QStringLiteral("IN"), QStringLiteral("MEM")};
const QString kU = QStringLiteral("U");

QComboBox *namedCombo(QWidget *parent, const QString &name)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(name);
    return c;
}

QLabel *namedLabel(QWidget *parent, const QString &name)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    return l;
}

QStringList numbers(int from, int to)
{
    QStringList list;
    for (int i = from; i <= to; ++i)
        list << QString::number(i);
    return list;
}
}

frmCommChInfo::frmCommChInfo(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmCommChInfo"));
    InstallChannelViewHooks();
    buildControls();

    commandHelp_->setVisible(Run().HelpEnabled);
    resize(sizeHint());
    fillGroupSelectors();
    const bool cb = Run().BandMode == 0;
    combo9_[kCountrySel]->setVisible(cb);
    combo7_->setVisible(!cb);
    combo9_[kUSubSel]->hide();
    SetEditDisable();
    ReShowChInfoByLanguage();

    // The group the image remembers; an unknown one falls back to the first group.
    int group = Image().header.options.currentGroup;
    if (GroupSize(group, Run().BandMode) == 0)
        group = 0;
    selectGroupInSelectors(group);
    chooseGroup(group);
    grid_->setCurrentCell(0, GridFreq);
    Edit().ChGridOpen = true;
    connect(qApp, &QApplication::focusChanged, this, &frmCommChInfo::onFocusChanged);
}

frmCommChInfo::~frmCommChInfo()
{
    if (!unloaded_) {
        unloaded_ = true;
        Edit().ChGridOpen = false;
    }
}

void frmCommChInfo::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    buildGroupControls();
    buildGrid();
    buildCellEditors();

    auto *top = new QHBoxLayout;
    top->addWidget(label1_);
    top->addWidget(combo7_);
    top->addWidget(combo9_[kCountrySel]);
    top->addWidget(combo9_[kUSubSel]);
    top->addStretch(1);
    top->addWidget(label3_[kCurrentChannelSel]);
    top->addWidget(combo8_[kCurrentChannelSel]);
    top->addSpacing(8);
    top->addWidget(label3_[kGroupValidSel]);
    top->addWidget(combo8_[kGroupValidSel]);
    layout->addLayout(top);

    auto *settings = new QHBoxLayout;
    settings->addWidget(label3_[kSettingA]);
    settings->addWidget(combo8_[kSettingA]);
    settings->addWidget(combo10_[0]);
    settings->addStretch(1);
    settings->addWidget(label3_[kSettingB]);
    settings->addWidget(combo8_[kSettingB]);
    settings->addWidget(combo10_[1]);
    layout->addLayout(settings);

    layout->addWidget(grid_, 1);

    commandEdit_ = new QPushButton(this);
    commandEdit_->setObjectName(QStringLiteral("CommandCHInfoEdit"));
    commandHelp_ = new QPushButton(this);
    commandHelp_->setObjectName(QStringLiteral("CommandHelp"));
    commandClose_ = new QPushButton(this);
    commandClose_->setObjectName(QStringLiteral("CommandClose"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(commandEdit_);
    buttons->addStretch(1);
    buttons->addWidget(commandHelp_);
    buttons->addWidget(commandClose_);
    layout->addLayout(buttons);

    connect(commandEdit_, &QPushButton::clicked, this, &frmCommChInfo::openEditDialog);
    connect(commandClose_, &QPushButton::clicked, this, [this] {
        if (auto *sub = parentWidget(); sub && sub->inherits("QMdiSubWindow"))
            sub->close();
        else
            close();
    });
}

void frmCommChInfo::buildGroupControls()
{
    label1_ = namedLabel(this, QStringLiteral("Label1"));
    for (int i = 0; i < 4; ++i)
        label3_[i] = namedLabel(this, QStringLiteral("Label3(%1)").arg(i));
    combo7_ = namedCombo(this, QStringLiteral("Combo7"));
    for (int i = 0; i < 2; ++i) {
        combo9_[i] = namedCombo(this, QStringLiteral("Combo9(%1)").arg(i));
        combo10_[i] = namedCombo(this, QStringLiteral("Combo10(%1)").arg(i));
        FillCombo(combo10_[i], {QStringLiteral("FM"), QStringLiteral("AM")});
    }
    for (int i = 0; i < 4; ++i)
        combo8_[i] = namedCombo(this, QStringLiteral("Combo8(%1)").arg(i));
    FillCombo(combo9_[kCountrySel], kCountryNames);
    FillCombo(combo9_[kUSubSel], {QStringLiteral("U"), QStringLiteral("UK")});
    FillCombo(combo8_[kSettingA], numbers(1, 8));
    FillCombo(combo8_[kSettingB], numbers(1, 8));
    FillCombo(combo8_[kGroupValidSel], {QStringLiteral("Disable"), QStringLiteral("Enabel!")});
    combo8_[kCurrentChannelSel]->setMinimumContentsLength(3);
    combo7_->setMinimumContentsLength(4);
    for (QComboBox *c : combo8_)
        c->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    connect(combo7_, &QComboBox::activated, this, [this] { onGroupListChosen(); });
    connect(combo9_[kCountrySel], &QComboBox::activated, this, [this] { onCountryChosen(kCountrySel); });
    connect(combo9_[kUSubSel], &QComboBox::activated, this, [this] { onCountryChosen(kUSubSel); });
    connect(combo8_[kCurrentChannelSel], &QComboBox::activated, this, [this] { onCurrentChannelChosen(); });
    connect(combo8_[kSettingA], &QComboBox::activated, this, [this] { onNumberedSettingChosen(kSettingA); });
    connect(combo8_[kSettingB], &QComboBox::activated, this, [this] { onNumberedSettingChosen(kSettingB); });
    connect(combo8_[kGroupValidSel], &QComboBox::activated, this, [this] { onGroupValidChosen(); });
    connect(combo10_[0], &QComboBox::activated, this, [this] { onModulationChosen(0); });
    connect(combo10_[1], &QComboBox::activated, this, [this] { onModulationChosen(1); });
}

void frmCommChInfo::buildGrid()
{
    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("MSFlexGrid1"));
    grid_->setColumnCount(GridColumns);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid_->setTabKeyNavigation(false);   // Tab leaves the grid for the next control
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(24);
    grid_->setFixedWidth(twips(7680));
    QHeaderView *header = grid_->horizontalHeader();
    header->setFixedHeight(twips(500));
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setStyleSheet(QStringLiteral("QHeaderView::section { background-color: rgb(0, 0, 155);"
                                         " color: white; border: 1px solid rgb(0, 0, 110); padding: 2px; }"));
    for (int c = 0; c < GridColumns; ++c) {
        grid_->setColumnWidth(c, twips(kColumnWidths[c]));
        grid_->setColumnHidden(c, kColumnWidths[c] == 0);
    }
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->installEventFilter(this);
    grid_->viewport()->installEventFilter(this);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this] { EnterGridEdit(); });
    connect(grid_, &QTableWidget::currentCellChanged, this,
            [this](int row, int column) { onCurrentCellChanged(row, column); });
    connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { commitEditor(); });
    connect(grid_->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { commitEditor(); });
}

// The window is 8200 x 6900 twips including its frame and caption.
QSize frmCommChInfo::sizeHint() const
{
    const QSize content(twips(8200) - 10, twips(6900) - 34);
    return content.expandedTo(minimumSizeHint());
}

int frmCommChInfo::rowCount() const
{
    return grid_->rowCount() + 1;
}

QString frmCommChInfo::cellText(int row, int column) const
{
    const QTableWidgetItem *item = grid_->item(row - 1, column);
    return item ? item->text() : QString();
}

void frmCommChInfo::writeCaption()
{
    setWindowTitle(LangText(14050) + QLatin1Char(' ') + GroupName(Edit().CurrentGroup, Run().BandMode)
                   + QStringLiteral(" --- ") + QLatin1Char(' ') + QString::number(Edit().lastEnteredRow)
                   + QLatin1Char(']'));
}

void frmCommChInfo::ReShowChInfoByLanguage()
{
    label1_->setText(LangText(14050));
    for (int i = 0; i < 4; ++i)
        label3_[i]->setText(LangText(kLabelIds[i]));
    QStringList headers;
    for (int id : kHeaderIds)
        headers << LangText(id);
    grid_->setHorizontalHeaderLabels(headers);
    commandEdit_->setText(LangText(14023));
    ShowCloseHelpCaptions(this);
    writeCaption();
}

// ---- groups -----------------------------------------------------------------------

void frmCommChInfo::fillGroupSelectors()
{
    FillCombo(combo7_, GroupNames(Run().BandMode));
}

void frmCommChInfo::selectGroupInSelectors(int group)
{
    const bool old = loading_;
    loading_ = true;
    const QString name = GroupName(group, Run().BandMode);
    SelectComboText(combo7_, name);
    if (Run().BandMode == 0) {
        const bool uGroup = name == QLatin1String("U") || name == QLatin1String("UK");
        if (uGroup) {
            SelectComboText(combo9_[kUSubSel], name);
            SelectComboText(combo9_[kCountrySel], kU);
        } else {
            SelectComboText(combo9_[kCountrySel], name);
        }
        combo9_[kUSubSel]->setVisible(uGroup);
    }
    loading_ = old;
}

void frmCommChInfo::onGroupListChosen()
{
    if (loading_)
        return;
    commitEditor();
    const int group = GroupIndexByName(combo7_->currentText(), Run().BandMode);
    if (group >= 0)
        chooseGroup(group);
}

void frmCommChInfo::onCountryChosen(int which)
{
    if (loading_)
        return;
    commitEditor();
    QString name = combo9_[kCountrySel]->currentText();
    if (which == kCountrySel) {
        const bool uChosen = name == kU;
        combo9_[kUSubSel]->setVisible(uChosen);
        if (uChosen && combo9_[kUSubSel]->currentIndex() < 0)
            SelectComboIndex(combo9_[kUSubSel], 0);
    }
    if (combo9_[kUSubSel]->isVisibleTo(this))
        name = combo9_[kUSubSel]->currentText();
    const int group = GroupIndexByName(name, 0);
    if (group < 0)
        return;
    loading_ = true;
    SelectComboText(combo7_, name);
    loading_ = false;
    chooseGroup(group);
}

void frmCommChInfo::chooseGroup(int group)
{
    const int band = Run().BandMode;
    Image().header.options.currentGroup = int16_t(group);
    Edit().CurrentGroup = group;
    shownGroup_ = group;
    SetEditDisable();

    loading_ = true;
    grid_->setUpdatesEnabled(false);
    grid_->setRowCount(GroupSize(group, band));
    setRowLabels();
    grid_->setUpdatesEnabled(true);
    loading_ = false;
    writeCaption();

    showGroupControls(group);
    ReshowByCh();
    if (HasGroupTables(group, band)) {
        const OptionBlock &o = Image().header.options;
        const bool old = loading_;
        loading_ = true;
        SelectComboIndex(combo10_[0], o.groupModA[group]);
        SelectComboIndex(combo10_[1], o.groupModB[group]);
        loading_ = old;
    }
    reShowAllGrid();

    if (Edit().CurrentChannel >= rowCount() || Edit().CurrentChannel < 1)
        Edit().CurrentChannel = 1;
    EditDialogFollowSelection();
}

void frmCommChInfo::showGroupControls(int group)
{
    const int band = Run().BandMode;
    const bool vfo = IsVfoGroup(group, band);
    const bool mem = IsMemGroup(group, band);
    const bool full = !vfo && !mem;
    label3_[kCurrentChannelSel]->setVisible(!vfo);
    combo8_[kCurrentChannelSel]->setVisible(!vfo);
    for (int i : {kSettingA, kSettingB}) {
        label3_[i]->setVisible(full);
        combo8_[i]->setVisible(full);
    }
    combo10_[0]->setVisible(full);
    combo10_[1]->setVisible(full);
    label3_[kGroupValidSel]->setVisible(full && band != 0);
    combo8_[kGroupValidSel]->setVisible(full && band != 0);
}

void frmCommChInfo::ReshowByCh()
{
    const int group = Edit().CurrentGroup;
    const int band = Run().BandMode;
    if (IsVfoGroup(group, band))
        return;
    const RadioImage &img = Image();
    const bool old = loading_;
    loading_ = true;

    // Positions of the group's channels in numeric order.
    QList<int> positions;
    for (int s = 0; s < img.count(); ++s) {
        if (IsInGroup(img.at(s).number, group, band))
            positions << img.at(s).number - GroupStart(group, band);
    }
    std::sort(positions.begin(), positions.end());
    QStringList entries;
    for (int p : positions)
        entries << QString::number(p);
    FillCombo(combo8_[kCurrentChannelSel], entries);
    if (!entries.isEmpty())
        SelectComboText(combo8_[kCurrentChannelSel], QString::number(ShownCurrentPosition(img, group, band)));

    if (HasGroupTables(group, band)) {
        const OptionBlock &o = img.header.options;
        SelectComboIndex(combo8_[kGroupValidSel], o.groupEnabled[group] > 0 ? 1 : 0);
        SelectComboIndex(combo8_[kSettingA], o.groupValueA[group]);
        SelectComboIndex(combo8_[kSettingB], o.groupValueB[group]);
    }
    loading_ = old;
}

void frmCommChInfo::onCurrentChannelChosen()
{
    if (loading_ || combo8_[kCurrentChannelSel]->currentIndex() < 0)
        return;
    commitEditor();
    RecordDocumentChange(GroupSettingChangeText(Edit().CurrentGroup, kLabelIds[kCurrentChannelSel]));
    const int position = combo8_[kCurrentChannelSel]->currentText().toInt();
    StoreCurrentChannel(Image(), Edit().CurrentGroup, Run().BandMode, position);
}

void frmCommChInfo::onNumberedSettingChosen(int which)
{
    const int group = Edit().CurrentGroup;
    if (loading_ || !HasGroupTables(group, Run().BandMode) || combo8_[which]->currentIndex() < 0)
        return;
    commitEditor();
    RecordDocumentChange(GroupSettingChangeText(group, kLabelIds[which]));
    OptionBlock &o = Image().header.options;
    const int16_t value = int16_t(combo8_[which]->currentText().toInt() - 1);
    (which == kSettingA ? o.groupValueA : o.groupValueB)[group] = value;
}

void frmCommChInfo::onModulationChosen(int which)
{
    const int group = Edit().CurrentGroup;
    if (loading_ || !HasGroupTables(group, Run().BandMode) || combo10_[which]->currentIndex() < 0)
        return;
    commitEditor();
    RecordDocumentChange(GroupSettingChangeText(group, kLabelIds[which == 0 ? kSettingA : kSettingB]));
    OptionBlock &o = Image().header.options;
    (which == 0 ? o.groupModA : o.groupModB)[group] = uint8_t(combo10_[which]->currentIndex());
}

void frmCommChInfo::onGroupValidChosen()
{
    const int group = Edit().CurrentGroup;
    if (loading_ || !HasGroupTables(group, Run().BandMode))
        return;
    commitEditor();
    RecordDocumentChange(GroupSettingChangeText(group, kLabelIds[kGroupValidSel]));
    const int stored = SetGroupValid(Image(), group, Run().BandMode,
                                     combo8_[kGroupValidSel]->currentIndex() == 1);
    loading_ = true;
    SelectComboIndex(combo8_[kGroupValidSel], stored > 0 ? 1 : 0);
    loading_ = false;
}

// ---- rows -------------------------------------------------------------------------

void frmCommChInfo::setRowLabels()
{
    const QColor freqBackground = Run().BandMode == 0 ? palette().color(QPalette::Window)
                                                      : palette().color(QPalette::Base);
    for (int r = 0; r < grid_->rowCount(); ++r) {
        auto *no = new QTableWidgetItem(QString::number(r + 1));
        no->setForeground(Qt::blue);
        no->setTextAlignment(Qt::AlignCenter);
        grid_->setItem(r, GridNo, no);
        for (int c = GridFreq; c < GridEdit; ++c) {
            auto *item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            if (c == GridFreq)
                item->setBackground(freqBackground);
            grid_->setItem(r, c, item);
        }
        auto *edit = new QTableWidgetItem(QStringLiteral(">>"));
        edit->setForeground(Qt::red);
        edit->setBackground(kEditCellColour);
        edit->setTextAlignment(Qt::AlignCenter);
        grid_->setItem(r, GridEdit, edit);
    }
}

void frmCommChInfo::clearRow(int row)
{
    for (int c = GridFreq; c < GridEdit; ++c) {
        if (QTableWidgetItem *item = grid_->item(row - 1, c))
            item->setText(QString());
    }
}

void frmCommChInfo::showRow(int row, const ChannelRecord &ch)
{
    auto set = [&](int column, const QString &text) {
        if (QTableWidgetItem *item = grid_->item(row - 1, column))
            item->setText(text);
    };
    set(GridFreq, FreqDisplayText(ch.freqText(), Edit().CurrentGroup, Run().BandMode));
    set(GridPublic, ComboItemAt(cellCombo_[0], ch.Public));
    set(GridDup, ComboItemAt(cellCombo_[1], ch.DUP));
    set(GridOffset, QString::number(ch.OffSetFre));
    set(GridTsq, ComboItemAt(cellCombo_[2], ch.TSQ));
    set(GridScan, ComboItemAt(cellCombo_[3], ch.Scan));
}

void frmCommChInfo::reShowAllGrid()
{
    const int group = Edit().CurrentGroup;
    const int band = Run().BandMode;
    for (int r = 1; r < rowCount(); ++r)
        clearRow(r);
    const RadioImage &img = Image();
    for (int s = 0; s < img.count(); ++s) {
        if (IsInGroup(img.at(s).number, group, band))
            showRow(img.at(s).number - GroupStart(group, band), img.at(s));
    }
}

void frmCommChInfo::reShowGrid(int number)
{
    const int row = number - GroupStart(Edit().CurrentGroup, Run().BandMode);
    if (row < 1 || row >= rowCount())
        return;
    if (const ChannelRecord *ch = Image().channel(number))
        showRow(row, *ch);
    else
        clearRow(row);
}

void frmCommChInfo::ChangeGroup()
{
    commitEditor();
    selectGroupInSelectors(Edit().CurrentGroup);
    chooseGroup(Edit().CurrentGroup);
}

void frmCommChInfo::ShowImageAgain()
{
    ChangeGroup();
}

void frmCommChInfo::ShowCurrentChannel()
{
    if (Edit().CurrentGroup != shownGroup_)
        ChangeGroup();
    const int row = Edit().CurrentChannel;
    if (row < 1 || row >= rowCount())
        return;
    loading_ = true;
    const int column = grid_->currentColumn() > GridNo ? grid_->currentColumn() : GridFreq;
    grid_->setCurrentCell(row - 1, column);
    grid_->scrollToItem(grid_->item(row - 1, column));
    loading_ = false;
}

// ---- lifecycle --------------------------------------------------------------------

void frmCommChInfo::ValidateControls()
{
    commitEditor();
}

void frmCommChInfo::unload()
{
    if (unloaded_)
        return;
    ValidateControls();
    unloaded_ = true;
    Edit().ChGridOpen = false;
}

void frmCommChInfo::closeEvent(QCloseEvent *event)
{
    unload();
    QWidget::closeEvent(event);
}
