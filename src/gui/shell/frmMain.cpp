#include "frmMain.h"

#include "ChannelEditCommands.h"
#include "ChannelFileCommands.h"
#include "ChannelTableCommands.h"
#include "PrintCommands.h"

#include "LangText.h"
#include "ModFun.h"
#include "Models.h"
#include "RunSettings.h"
#include "HistoryCommands.h"
#include "SafetyCommands.h"
#include "UiAppIcon.h"
#include "UiChildWindows.h"
#include "UiRecentFilesMenu.h"
#include "UiUndoCommands.h"
#include "UiLinkFront.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

namespace {
struct TimerRow {
    const char *name;
    int intervalMs;
};
// All one-shot and disabled at load.
const TimerRow kTimers[] = {
    {"NewDocTimer", 100}, {"ReadOKTimer", 500}, {"WaitSaveDataTimer", 100}, {"TimerCHEdit", 20},
};
}

frmMain::frmMain(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    QApplication::setWindowIcon(AppIcon());
    buildMenus();
    new UiUndoCommands(menu(QStringLiteral("mnuEdit")));
    new UiRecentFilesMenu(this);
    setAcceptDrops(true);
    buildToolBar();
    buildPanel();
    buildStatusBar();
    buildTimers();
    buildLink();
    auto *safety = new SafetyCommands(this);   // backups, verify, cancel, compare
    new HistoryCommands(this, safety);         // radio history, what a write changes, restores
    SetMdiArea(mdi_);
    chEdit_ = new ChannelEditCommands(this);
    new ChannelFileCommands(this);
    InstallChannelTableCommands(this);
    new PrintCommands(this);
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *sub) {
        ShowCHInfo(ChannelEditCommands::IsChannelGrid(sub));
        chEdit_->followActiveWindow(sub);
    });

    // Load order: help entry, placement, hidden arrangement entries, texts, tree, the
    // first document with its channel grid, the channel-edit group shown while the grid is active.
    menuEntry(QStringLiteral("mnuHelpTopic"))->setVisible(Run().HelpEnabled);
    ShowCHInfo(false);
    SplitterDragging = false;
    restorePlacement();
    ShowMainCaptions();
    LoadTree();
    fitPanelToTree();
    LoadNewDoc2();
    ShowCHInfo(ChannelEditCommands::IsChannelGrid(mdi_->activeSubWindow()));
}

frmMain::~frmMain()
{
    // The client area reports activations while it is torn down; the menus are gone by then.
    disconnect(mdi_, nullptr, this, nullptr);
    linkUi_->setStatusHandler(nullptr);   // the status bar goes before the engine
    if (MdiArea() == mdi_)
        SetMdiArea(nullptr);
}

void frmMain::buildTimers()
{
    for (const TimerRow &row : kTimers) {
        auto *t = new QTimer(this);
        t->setObjectName(QString::fromLatin1(row.name));
        t->setInterval(row.intervalMs);
        t->setSingleShot(true);
        timers_.insert(t->objectName(), t);
    }
    connect(timer(QStringLiteral("NewDocTimer")), &QTimer::timeout, this, &frmMain::NewDocTimer_Timer);
    connect(timer(QStringLiteral("ReadOKTimer")), &QTimer::timeout, this, &frmMain::ReadOKTimer_Timer);
    connect(timer(QStringLiteral("WaitSaveDataTimer")), &QTimer::timeout, this, &frmMain::WaitSaveDataTimer_Timer);
}

QTimer *frmMain::timer(const QString &name) const
{
    return timers_.value(name);
}

void frmMain::ShowMainCaptions()
{
    showStatusTexts();
    ShowMainTxt();
    LoadBKPic();
    showMenuCaptions();
    showToolTips();
    tbToolBar_->setWindowTitle(LangText(10502));
}

void frmMain::ShowMainTxt()
{
    const QString model = DisplayModelName(Run().modelName);
    const QString band = BandName(Run().BandMode);
    setWindowTitle(LangText(12000) + QLatin1Char('[') + model + QLatin1Char(':') + band + QLatin1Char(':')
                   + BandCaption(Run().bandText) + QStringLiteral("][") + LangText(12009) + QLatin1Char(':')
                   + FileNameOf(Doc().DocumentPath) + QLatin1Char(']'));
    label1_->setText(model + QLatin1Char(':') + band);
    if (tree_->topLevelItemCount() > 0)
        tree_->topLevelItem(0)->setText(0, label1_->text());
}

void frmMain::Change_Language()
{
    ShowMainCaptions();
    LoadTree();
}

void frmMain::CloseCurAllWindows()
{
    CloseAllChildWindows();
}

void frmMain::SetSaveEditData()
{
    if (!LoadedWindow(QStringLiteral("frmCommChInfo")))
        return;
    CallOnLoaded(QStringLiteral("frmCommChInfo"), "ValidateControls");
    CallOnLoaded(QStringLiteral("frmCommChInfo"), "SetEditDisable");
}

void frmMain::Form_Activate()
{
    if (Run().CurrentLanguageId == Run().ShownLanguageId)
        return;
    Run().ShownLanguageId = Run().CurrentLanguageId;
    Change_Language();
    CloseCurAllWindows();
    ShowChild(QStringLiteral("frmCommChInfo"));
}

void frmMain::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void frmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    // The first child windows were arranged while the client area had no size yet.
    QTimer::singleShot(0, this, [] { CascadeChildWindows(); });
}

void frmMain::tbToolBar_ButtonClick(const QString &key)
{
    if (key == QLatin1String("NewFile"))
        LoadNewDoc();
    else if (key == QLatin1String("OpenFile"))
        mnuFileOpen_Click();
    else if (key == QLatin1String("SaveFile"))
        mnuFileSave_Click();
    else if (key == QLatin1String("ReadRadio"))
        mnuReadFromRadio_Click();
    else if (key == QLatin1String("CommSet"))
        mnuComm_Click();
    else if (key == QLatin1String("WriteRadio"))
        mnuWriteToRadio_Click();
    else if (key == QLatin1String("About"))
        mnuHelpAbout_Click();
    else if (key == QLatin1String("ChannelTable"))
        ShowChild(QStringLiteral("FrmChannelTable"));
    // "Print" and the channel-edit buttons have no command.
}

void frmMain::TreeView1_NodeClick(const QString &key)
{
    if (key == QLatin1String("N1"))
        ShowChild(QStringLiteral("frmCommChInfo"));
    else if (key == QLatin1String("N2"))
        ShowChild(QStringLiteral("FrmOptFeatures"));
    else if (key == QLatin1String("N4"))
        ShowChild(QStringLiteral("FrmDTMF"));
    else if (key == QLatin1String("N12"))
        mnuToneTips_Click();
    else if (key == QLatin1String("N8"))
        MnuKey_Click();
    else if (key == QLatin1String("N7"))
        MnuLocalInfo_Click();
    else if (key == QLatin1String("N22"))
        ShowChild(QStringLiteral("FrmChannelTable"));
}

void frmMain::mnuChannelInfo_Click()
{
    ShowChild(QStringLiteral("frmCommChInfo"));
}

void frmMain::mnuOptFeature_Click()
{
    ShowChild(QStringLiteral("FrmOptFeatures"));
}

void frmMain::mnuToneTips_Click()
{
    ShowChild(QStringLiteral("FrmToneTips"));
}

void frmMain::MnuDTMF_Click()
{
    ShowChild(QStringLiteral("FrmDTMF"));
}

void frmMain::MnuKey_Click()
{
    ShowChild(QStringLiteral("FrmKey"));
}

void frmMain::mnuViewToolbar_Click()
{
    tbToolBar_->setVisible(menuEntry(QStringLiteral("mnuViewToolbar"))->isChecked());
}

void frmMain::mnuViewStatusBar_Click()
{
    statusBar()->setVisible(menuEntry(QStringLiteral("mnuViewStatusBar"))->isChecked());
}

void frmMain::mnuWindowCascade_Click()
{
    CascadeChildWindows();
}

void frmMain::mnuCloseAll_Click()
{
    CloseCurAllWindows();
}

void frmMain::mnuFileExit_Click()
{
    close();
}

void frmMain::EndWithoutQuestions()
{
    endingWithoutQuestions_ = true;
    close();
}
