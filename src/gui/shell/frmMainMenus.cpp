// The menu bar and the main toolbar of the main window, built from tables.
#include "frmMain.h"

#include "ChannelEditCommands.h"

#include "LangText.h"
#include "RunSettings.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

namespace {
using Command = void (frmMain::*)();

enum class Kind { Menu, Entry, Separator, EndMenu };

struct MenuRow {
    Kind kind;
    const char *name;
    int captionId;            // 0: fixed caption or none
    const char *fixedCaption;
    const char *shortcut;
    bool hidden;
    bool checked;             // check mark on at load
    Command command;
};

// In menu-bar order; EndMenu closes the innermost open menu.
const MenuRow kMenuRows[] = {
    {Kind::Menu, "mnuFile", 10000, nullptr, nullptr, false, false, nullptr},
    {Kind::Entry, "mnuFileNew", 10001, nullptr, "Ctrl+N", false, false, &frmMain::mnuFileNew_Click},
    {Kind::Entry, "mnuFileOpen", 10002, nullptr, "Ctrl+O", false, false, &frmMain::mnuFileOpen_Click},
    {Kind::Entry, "mnuFileEOpen", 0, nullptr, nullptr, true, false, nullptr},
    {Kind::Entry, "mnuFileSave", 10003, nullptr, "Ctrl+S", false, false, &frmMain::mnuFileSave_Click},
    {Kind::Entry, "mnuFileSaveAs", 10004, nullptr, nullptr, false, false, &frmMain::mnuFileSaveAs_Click},
    {Kind::Separator, "mnuFileBarChannels", 0, nullptr, nullptr, false, false, nullptr},
    {Kind::Entry, "mnuFileExportChannels", 30200, nullptr, nullptr, false, false, nullptr},
    {Kind::Entry, "mnuFileImportChannels", 30201, nullptr, nullptr, false, false, nullptr},
    {Kind::Entry, "mnuFileImportStockList", 30725, nullptr, nullptr, false, false, nullptr},
    {Kind::Separator, "mnuFileBar0", 0, nullptr, nullptr, false, false, nullptr},
    {Kind::Entry, "mnuFilePrint", 10005, nullptr, nullptr, false, false, nullptr},
    {Kind::Entry, "mnuFilePrintPreview", 30202, nullptr, nullptr, false, false, nullptr},
    {Kind::Entry, "mnuFileExportPdf", 30203, nullptr, nullptr, false, false, nullptr},
    {Kind::Separator, "mnuFileBar1", 0, nullptr, nullptr, false, false, nullptr},
    {Kind::Entry, "mnuFileExit", 10006, nullptr, nullptr, false, false, &frmMain::mnuFileExit_Click},
    {Kind::EndMenu, nullptr, 0, nullptr, nullptr, false, false, nullptr},

    {Kind::Menu, "mnuModel", 10100, nullptr, nullptr, false, false, nullptr},
    {Kind::Entry, "mnuModelInfo", 10101, nullptr, nullptr, false, false, &frmMain::mnuModelInfo_Click},
    {Kind::EndMenu, nullptr, 0, nullptr, nullptr, false, false, nullptr},

    {Kind::Menu, "MnuCHEdit", 10800, nullptr, nullptr, true, false, nullptr},
    {Kind::Entry, "MnuCHCut", 10801, nullptr, "Ctrl+X", true, false, nullptr},
    {Kind::Entry, "MnuCHCopy", 10802, nullptr, "Ctrl+C", true, false, nullptr},
    {Kind::Entry, "MnuCHPaste", 10803, nullptr, "Ctrl+V", true, false, nullptr},
    {Kind::Entry, "MnuCHPasteFree", 30730, nullptr, nullptr, true, false, nullptr},
    {Kind::Separator, "MnuCHBar1", 0, nullptr, nullptr, true, false, nullptr},
    {Kind::Entry, "MnuCHInsert", 10804, nullptr, "Ctrl+I", true, false, nullptr},
    {Kind::Entry, "MnuCHDelete", 10805, nullptr, "Del", true, false, nullptr},
    {Kind::Entry, "MnuCHMoveUp", 10806, nullptr, "Ctrl+U", true, false, nullptr},
    {Kind::Entry, "MnuCHMoveDown", 10807, nullptr, "Ctrl+D", true, false, nullptr},
    {Kind::EndMenu, nullptr, 0, nullptr, nullptr, false, false, nullptr},

    {Kind::Menu, "mnuEdit", 10200, nullptr, nullptr, false, false, nullptr},
    {Kind::Entry, "mnuChannelInfo", 10201, nullptr, nullptr, false, false, &frmMain::mnuChannelInfo_Click},
    {Kind::Entry, "mnuChannelTable", 31045, nullptr, nullptr, false, false, nullptr},
    {Kind::Entry, "mnuCheckChannels", 31046, nullptr, nullptr, false, false, nullptr},
    {Kind::Separator, "mnuEditBar0", 0, nullptr, nullptr, false, false, nullptr},
    {Kind::Entry, "mnuOptFeature", 10202, nullptr, nullptr, false, false, &frmMain::mnuOptFeature_Click},
    {Kind::Entry, "mnuGroupName", 10220, nullptr, nullptr, true, false, nullptr},
    {Kind::Entry, "mnuResetInit", 10222, nullptr, nullptr, true, false, nullptr},
    {Kind::Entry, "mnuToneTips", 10221, nullptr, nullptr, false, false, &frmMain::mnuToneTips_Click},
    {Kind::Entry, "MnuRadioFre", 10203, nullptr, nullptr, true, false, nullptr},
    {Kind::Entry, "MnuDTMF", 10204, nullptr, nullptr, false, false, &frmMain::MnuDTMF_Click},
    {Kind::Entry, "MnuKey", 10208, nullptr, nullptr, false, false, &frmMain::MnuKey_Click},
    {Kind::Entry, "MnuScan", 10209, nullptr, nullptr, true, false, nullptr},
    {Kind::Entry, "MnuAlert", 10210, nullptr, nullptr, true, false, nullptr},
    {Kind::Entry, "MnuTestFre", 10205, nullptr, nullptr, true, false, nullptr},
    {Kind::Separator, "mnuEditBar2", 0, nullptr, nullptr, false, false, nullptr},
    {Kind::Entry, "mnuEmbeddedMsg", 10206, nullptr, nullptr, true, false, nullptr},
    {Kind::Entry, "MnuLocalInfo", 10207, nullptr, nullptr, false, false, &frmMain::MnuLocalInfo_Click},
    {Kind::EndMenu, nullptr, 0, nullptr, nullptr, false, false, nullptr},

    {Kind::Menu, "mnuProgram", 10300, nullptr, nullptr, false, false, nullptr},
    {Kind::Entry, "mnuReadFromRadio", 10301, nullptr, "Ctrl+R", false, false, &frmMain::mnuReadFromRadio_Click},
    {Kind::Entry, "mnuWriteToRadio", 10302, nullptr, "Ctrl+W", false, false, &frmMain::mnuWriteToRadio_Click},
    {Kind::Entry, "MnuProPassWord", 10303, nullptr, "Ctrl+P", false, false, &frmMain::MnuProPassWord_Click},
    {Kind::Separator, "mnuProgramBar1", 0, nullptr, nullptr, false, false, nullptr},
    {Kind::Entry, "mnuFleet", 31100, nullptr, nullptr, false, false, &frmMain::mnuFleet_Click},
    {Kind::EndMenu, nullptr, 0, nullptr, nullptr, false, false, nullptr},

    // The radio history; its commands are connected by HistoryCommands (gui/radiohistory).
    {Kind::Menu, "mnuHistory", 30801, nullptr, nullptr, false, false, nullptr},
    {Kind::Entry, "mnuRadioHistory", 30800, nullptr, nullptr, false, false, nullptr},
    {Kind::EndMenu, nullptr, 0, nullptr, nullptr, false, false, nullptr},

    {Kind::Menu, "mnuSet", 10400, nullptr, nullptr, false, false, nullptr},
    {Kind::Entry, "mnuComm", 10401, nullptr, nullptr, false, false, &frmMain::mnuComm_Click},
    {Kind::Entry, "mnuLanguage", 10402, nullptr, nullptr, false, false, &frmMain::mnuLanguage_Click},
    {Kind::Entry, "MnuInit", 10403, nullptr, nullptr, false, false, &frmMain::MnuInit_Click},
    {Kind::Separator, "MnuCHBar2", 0, nullptr, nullptr, true, false, nullptr},
    {Kind::Entry, "MnuCHHabits", 10808, nullptr, "Ctrl+H", true, false, nullptr},
    {Kind::EndMenu, nullptr, 0, nullptr, nullptr, false, false, nullptr},

    {Kind::Menu, "mnuView", 10500, nullptr, nullptr, false, false, nullptr},
    {Kind::Entry, "mnuTreeView", 10501, nullptr, nullptr, false, true, &frmMain::mnuTreeView_Click},
    {Kind::Separator, "mnuViewBar0", 0, nullptr, nullptr, false, false, nullptr},
    {Kind::Entry, "mnuViewToolbar", 10502, nullptr, nullptr, false, true, &frmMain::mnuViewToolbar_Click},
    {Kind::Entry, "mnuViewStatusBar", 10503, nullptr, nullptr, false, true, &frmMain::mnuViewStatusBar_Click},
    {Kind::EndMenu, nullptr, 0, nullptr, nullptr, false, false, nullptr},

    {Kind::Menu, "mnuWindow", 10600, nullptr, nullptr, false, false, nullptr},
    {Kind::Entry, "mnuWindowCascade", 10601, nullptr, nullptr, false, false, &frmMain::mnuWindowCascade_Click},
    {Kind::Entry, "mnuWindowTileHorizontal", 0, "Tile Windows &Horizontally", nullptr, true, false, nullptr},
    {Kind::Entry, "mnuWindowTileVertical", 0, "Tile Windows &Vertically", nullptr, true, false, nullptr},
    {Kind::Entry, "mnuWindowArrangeIcons", 0, "&Arrange Icons", nullptr, true, false, nullptr},
    {Kind::Separator, "mnuWindowBar0", 0, nullptr, nullptr, false, false, nullptr},
    {Kind::Entry, "mnuCloseAll", 10602, nullptr, nullptr, false, false, &frmMain::mnuCloseAll_Click},
    {Kind::Separator, "mnuWindowBar1", 0, nullptr, nullptr, false, false, nullptr},
    {Kind::EndMenu, nullptr, 0, nullptr, nullptr, false, false, nullptr},

    {Kind::Menu, "mnuHelp", 10700, nullptr, nullptr, false, false, nullptr},
    {Kind::Entry, "mnuHelpTopic", 10701, nullptr, nullptr, true, false, nullptr},
    {Kind::Separator, "mnuHelpBar0", 0, nullptr, nullptr, false, false, nullptr},
    {Kind::Entry, "mnuHelpDoctor", 30955, nullptr, nullptr, false, false, &frmMain::mnuHelpDoctor_Click},
    {Kind::Entry, "mnuHelpReport", 30956, nullptr, nullptr, false, false, &frmMain::mnuHelpReport_Click},
    {Kind::Separator, "mnuHelpBar1", 0, nullptr, nullptr, false, false, nullptr},
    {Kind::Entry, "mnuHelpAbout", 10702, nullptr, nullptr, false, false, &frmMain::mnuHelpAbout_Click},
    {Kind::EndMenu, nullptr, 0, nullptr, nullptr, false, false, nullptr},
};

struct ButtonRow {
    const char *key;          // nullptr for a separator
    int tipId;
    QStyle::StandardPixmap icon;
};

// Positions 1..20; positions 11..19 form the channel-edit group.
const ButtonRow kButtons[] = {
    {"NewFile", 11000, QStyle::SP_FileIcon},
    {"OpenFile", 11001, QStyle::SP_DialogOpenButton},
    {"SaveFile", 11002, QStyle::SP_DialogSaveButton},
    {nullptr, 0, QStyle::SP_CustomBase},
    {"Print", 11003, QStyle::SP_FileDialogDetailedView},
    {nullptr, 0, QStyle::SP_CustomBase},
    {"ReadRadio", 11004, QStyle::SP_ArrowDown},
    {"CommSet", 11005, QStyle::SP_ComputerIcon},
    {"WriteRadio", 11006, QStyle::SP_ArrowUp},
    {nullptr, 0, QStyle::SP_CustomBase},
    {"BtnCHCut", 11010, QStyle::SP_DialogDiscardButton},
    {"BtnCHCopy", 11011, QStyle::SP_FileDialogNewFolder},
    {"BtnCHPaste", 11012, QStyle::SP_DialogApplyButton},
    {nullptr, 0, QStyle::SP_CustomBase},
    {"BtnCHInsert", 11013, QStyle::SP_FileDialogStart},
    {"BtnCHDelete", 11014, QStyle::SP_TrashIcon},
    {"BtnCHMoveUp", 11015, QStyle::SP_ArrowUp},
    {"BtnCHMoveDown", 11016, QStyle::SP_ArrowDown},
    {nullptr, 0, QStyle::SP_CustomBase},
    {"About", 11007, QStyle::SP_MessageBoxInformation},
    {"ChannelTable", 31047, QStyle::SP_FileDialogListView},
};
constexpr int kFirstChEditPosition = 11;
constexpr int kLastChEditPosition = 19;
}

void frmMain::buildMenus()
{
    QList<QMenu *> open;
    for (const MenuRow &row : kMenuRows) {
        switch (row.kind) {
        case Kind::Menu: {
            QMenu *m = open.isEmpty() ? menuBar()->addMenu(QString()) : open.last()->addMenu(QString());
            m->setObjectName(QString::fromLatin1(row.name));
            m->menuAction()->setObjectName(QString::fromLatin1(row.name));
            m->menuAction()->setVisible(!row.hidden);
            m->menuAction()->setProperty("captionId", row.captionId);
            menus_.insert(m->objectName(), m);
            entries_.insert(m->objectName(), m->menuAction());
            open << m;
            break;
        }
        case Kind::EndMenu:
            open.removeLast();
            break;
        case Kind::Separator: {
            QAction *a = open.last()->addSeparator();
            a->setObjectName(QString::fromLatin1(row.name));
            a->setVisible(!row.hidden);
            entries_.insert(a->objectName(), a);
            break;
        }
        case Kind::Entry: {
            QAction *a = open.last()->addAction(row.fixedCaption ? QString::fromLatin1(row.fixedCaption) : QString());
            a->setObjectName(QString::fromLatin1(row.name));
            a->setProperty("captionId", row.captionId);
            if (row.shortcut)
                a->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
            if (row.checked) {
                a->setCheckable(true);
                a->setChecked(true);
            }
            // A hidden entry is never shown; hiding also disables its shortcut, so the
            // channel-edit shortcuts (Ctrl+C, Del...) stay with the windows that use them.
            a->setVisible(!row.hidden);
            if (row.command) {
                const Command cmd = row.command;
                connect(a, &QAction::triggered, this, [this, cmd] { (this->*cmd)(); });
            }
            entries_.insert(a->objectName(), a);
            break;
        }
        }
    }
    connect(menus_.value(QStringLiteral("mnuWindow")), &QMenu::aboutToShow, this, &frmMain::fillWindowMenu);
}

// The Window menu lists the open child windows after its last separator.
void frmMain::fillWindowMenu()
{
    QMenu *m = menus_.value(QStringLiteral("mnuWindow"));
    for (QAction *a : m->actions()) {
        if (a->property("windowEntry").toBool()) {
            m->removeAction(a);
            a->deleteLater();
        }
    }
    int n = 0;
    for (QMdiSubWindow *sub : mdi_->subWindowList()) {
        const QString title = sub->windowTitle().isEmpty() && sub->widget() ? sub->widget()->windowTitle() : sub->windowTitle();
        QAction *a = m->addAction(QStringLiteral("&%1 %2").arg(++n).arg(title));
        a->setProperty("windowEntry", true);
        a->setCheckable(true);
        a->setChecked(sub == mdi_->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, sub = QPointer<QMdiSubWindow>(sub)] {
            if (sub)
                mdi_->setActiveSubWindow(sub);
        });
    }
}

void frmMain::buildToolBar()
{
    tbToolBar_ = addToolBar(QString());
    tbToolBar_->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar_->setMovable(false);
    tbToolBar_->setIconSize(QSize(20, 20));
    // The toolbar's own context menu hides and shows it too: View -> Toolbar follows.
    connect(tbToolBar_->toggleViewAction(), &QAction::triggered, this, [this](bool shown) {
        if (QAction *entry = menuEntry(QStringLiteral("mnuViewToolbar")))
            entry->setChecked(shown);
    });
    int position = 0;
    for (const ButtonRow &row : kButtons) {
        ++position;
        QAction *a = nullptr;
        if (!row.key) {
            a = tbToolBar_->addSeparator();
        } else {
            const QString key = QString::fromLatin1(row.key);
            a = tbToolBar_->addAction(style()->standardIcon(row.icon), QString());
            a->setObjectName(key);
            a->setData(key);
            a->setProperty("tipId", row.tipId);
            connect(a, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
            buttons_.insert(key, a);
        }
        if (position >= kFirstChEditPosition && position <= kLastChEditPosition)
            chEditButtons_ << a;
    }
}

void frmMain::showMenuCaptions()
{
    for (QAction *a : std::as_const(entries_)) {
        const int id = a->property("captionId").toInt();
        if (id > 0)
            a->setText(LangText(id));
    }
    for (QMenu *m : std::as_const(menus_))
        m->setTitle(m->menuAction()->text());
}

void frmMain::showToolTips()
{
    for (QAction *a : std::as_const(buttons_)) {
        const QString tip = LangText(a->property("tipId").toInt());
        a->setToolTip(tip);
        a->setText(tip);
    }
}

void frmMain::ShowCHInfo(bool show)
{
    QMenu *m = menus_.value(QStringLiteral("MnuCHEdit"));
    m->menuAction()->setVisible(show);
    for (QAction *a : m->actions())
        a->setVisible(show);
    for (QAction *a : std::as_const(chEditButtons_))
        a->setVisible(show);
}

QAction *frmMain::menuEntry(const QString &name) const
{
    return entries_.value(name);
}

QMenu *frmMain::menu(const QString &name) const
{
    return menus_.value(name);
}

QAction *frmMain::toolButton(const QString &key) const
{
    return buttons_.value(key);
}

void frmMain::MnuCHDelete_Click()
{
    chEdit_->Delete();
}
