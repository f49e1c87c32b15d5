// The left-hand panel (tree of editable areas, splitter), the status bar and the tiled
// background of the main window.
#include "frmMain.h"

#include "LangText.h"
#include "Models.h"
#include "PortList.h"
#include "UiLinkFront.h"
#include "RunSettings.h"

#include <QAction>
#include <QDateTime>
#include <QFrame>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMouseEvent>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace {
struct TreeRow {
    const char *key;
    int textId;
};
// The children of the root "N0", in order.
const TreeRow kTreeRows[] = {
    {"N1", 12001}, {"N2", 12002}, {"N4", 12004}, {"N12", 12014}, {"N8", 12010}, {"N7", 12007},
    {"N22", 31041},
};
constexpr int kKeyRole = Qt::UserRole;
constexpr int kPanelStartWidth = 180;   // pixels
constexpr int kSplitterWidth = 5;
}

void frmMain::buildPanel()
{
    auto *central = new QWidget(this);
    auto *row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    picture1_ = new QWidget(central);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setFixedWidth(kPanelStartWidth);
    auto *panelLayout = new QVBoxLayout(picture1_);
    panelLayout->setContentsMargins(0, 0, 0, 0);

    frame1_ = new QFrame(picture1_);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setFrameShape(QFrame::StyledPanel);
    panelLayout->addWidget(frame1_);
    auto *frameLayout = new QVBoxLayout(frame1_);
    frameLayout->setContentsMargins(2, 2, 2, 2);
    frameLayout->setSpacing(2);

    auto *header = new QHBoxLayout;
    label1_ = new QLabel(frame1_);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setMinimumWidth(0);
    label1_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    header->addWidget(label1_, 1);
    toolbar1_ = new QToolBar(frame1_);
    toolbar1_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar1_->setIconSize(QSize(12, 12));
    QAction *closePanel = toolbar1_->addAction(style()->standardIcon(QStyle::SP_TitleBarCloseButton), QString());
    closePanel->setObjectName(QStringLiteral("TB_CLOSE"));
    closePanel->setData(QStringLiteral("TB_CLOSE"));
    connect(closePanel, &QAction::triggered, this, [this] { Toolbar1_ButtonClick(QStringLiteral("TB_CLOSE")); });
    header->addWidget(toolbar1_);
    frameLayout->addLayout(header);

    tree_ = new QTreeWidget(frame1_);
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    connect(tree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        TreeView1_NodeClick(item->data(0, kKeyRole).toString());
    });
    frameLayout->addWidget(tree_, 1);
    row->addWidget(picture1_);

    commandMove_ = new QFrame(central);
    commandMove_->setObjectName(QStringLiteral("CommandMove"));
    commandMove_->setFixedWidth(kSplitterWidth);
    commandMove_->setFrameShape(QFrame::VLine);
    commandMove_->setFrameShadow(QFrame::Raised);
    commandMove_->setCursor(Qt::SizeHorCursor);
    commandMove_->installEventFilter(this);
    row->addWidget(commandMove_);

    mdi_ = new QMdiArea(central);
    mdi_->setObjectName(QStringLiteral("MDIClient"));
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    row->addWidget(mdi_, 1);
    setCentralWidget(central);
}

void frmMain::LoadTree()
{
    tree_->clear();
    auto *root = new QTreeWidgetItem(tree_, QStringList(label1_->text()));
    root->setData(0, kKeyRole, QStringLiteral("N0"));
    root->setIcon(0, style()->standardIcon(QStyle::SP_ComputerIcon));
    for (const TreeRow &r : kTreeRows) {
        auto *child = new QTreeWidgetItem(root, QStringList(LangText(r.textId)));
        child->setData(0, kKeyRole, QString::fromLatin1(r.key));
        child->setIcon(0, style()->standardIcon(QStyle::SP_FileIcon));
    }
    root->setExpanded(true);
}

// The panel starts wide enough for the tree's entries.
void frmMain::fitPanelToTree()
{
    int widest = 0;
    QTreeWidgetItemIterator it(tree_);
    for (; *it; ++it) {
        const int depth = (*it)->parent() ? 2 : 1;
        widest = qMax(widest, tree_->fontMetrics().horizontalAdvance((*it)->text(0)) + depth * tree_->indentation());
    }
    const int wanted = widest + tree_->iconSize().width() + 48;
    picture1_->setFixedWidth(qBound(kPanelStartWidth, wanted, 320));
}

void frmMain::Toolbar1_ButtonClick(const QString &key)
{
    if (key != QLatin1String("TB_CLOSE"))
        return;
    picture1_->setVisible(false);
    commandMove_->setVisible(false);
    menuEntry(QStringLiteral("mnuTreeView"))->setChecked(false);
}

void frmMain::mnuTreeView_Click()
{
    // The panel and the check mark are inverted independently of each other.
    const bool show = !picture1_->isVisibleTo(this);
    picture1_->setVisible(show);
    commandMove_->setVisible(show);
    // The triggered action has already inverted its check mark.
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == commandMove_) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
                SplitterDragging = true;
            return true;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
                SplitterDragging = false;
            return true;
        case QEvent::MouseMove:
            commandMove_->setCursor(Qt::SizeHorCursor);
            if (SplitterDragging)
                dragSplitter(qRound(static_cast<QMouseEvent *>(event)->position().x()));
            return true;
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// x is the mouse position within the splitter bar: the panel grows (or shrinks) by x
// while it stays at least kPanelMinWidth wide and no wider than the client area.
void frmMain::dragSplitter(int x)
{
    const int w = picture1_->width() + x;
    if (w < kPanelMinWidth || w > centralWidget()->width())
        return;
    picture1_->setFixedWidth(w);
}

void frmMain::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    for (int i = 0; i < 5; ++i) {
        panels_[i] = new QLabel(bar);
        panels_[i]->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        panels_[i]->setFrameShape(QFrame::Panel);
        panels_[i]->setFrameShadow(QFrame::Sunken);
        panels_[i]->setContentsMargins(4, 0, 4, 0);
    }
    bar->addWidget(panels_[0], 1);
    bar->addWidget(panels_[1], 2);
    for (int i = 2; i < 5; ++i)
        bar->addPermanentWidget(panels_[i]);
    clock_ = new QTimer(this);
    clock_->setObjectName(QStringLiteral("StatusClock"));
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, &frmMain::updateClock);
    clock_->start();
    updateClock();
}

void frmMain::showStatusTexts()
{
    const QString transfer = linkUi_ ? linkUi_->statusText() : QString();
    panels_[0]->setText(transfer.isEmpty() ? LangText(12011) : transfer);
    panels_[1]->setText(DisplayModelName(Run().modelName) + QLatin1Char('[') + BandName(Run().BandMode)
                        + QLatin1Char(':') + Run().bandText + QLatin1Char(']'));
    QString port = LangText(12008) + QString::number(Run().comPort);
    // A device pinned for this run (--port, --demo) or the chosen other device serves
    // whatever port number is set.
    if (!PinnedRunDevice().isEmpty() || !ChosenOtherDevice().isEmpty())
        port += QStringLiteral(" → ") + LinkDevicePath();
    panels_[2]->setText(port);
}

// Panels 4 and 5 follow the clock (short date and time of the system locale).
void frmMain::updateClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    panels_[3]->setText(locale.toString(now.date(), QLocale::ShortFormat));
    panels_[4]->setText(locale.toString(now.time(), QLocale::ShortFormat));
}

// The client area shows the picture of the current language as tiles; without the
// picture it keeps its plain background.
void frmMain::LoadBKPic()
{
    const int language = Run().CurrentLanguageId;
    if (language == backgroundLanguage_)
        return;
    backgroundLanguage_ = language;
    QImage picture(ProgramDir() + QStringLiteral("/PIC/BK_%1.jpg").arg(language));
    if (picture.width() <= 2 || picture.height() <= 2) {
        mdi_->setBackground(palette().brush(QPalette::Dark));
        return;
    }
    // The picture's outer pixel rows and columns are left out so the tiles join cleanly.
    mdi_->setBackground(QBrush(picture.copy(1, 1, picture.width() - 2, picture.height() - 2)));
}
