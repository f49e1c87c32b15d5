// The main window's menus, toolbar, tree, panel, title, language switch and placement.
#include "ShellTestKit.h"
#include "StandInWindow.h"

#include "LangText.h"
#include "RadioImage.h"
#include "UiChildWindows.h"
#include "frmMain.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

class TestMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<ShellInstall> install;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<frmMain> main;

    int openWindows(const QString &name) const { return LoadedWindows(name).size(); }

private slots:
    void initTestCase()
    {
        RegisterStandInWindow(QStringLiteral("frmCommChInfo"));
        RegisterStandInWindow(QStringLiteral("FrmOptFeatures"));
        RegisterStandInWindow(QStringLiteral("FrmDTMF"));
    }

    void init()
    {
        install = std::make_unique<ShellInstall>();
        prompts = std::make_unique<ScriptedPrompts>();
        main = std::make_unique<frmMain>();
    }

    void cleanup()
    {
        main.reset();
        prompts.reset();
        install.reset();
    }

    void loadOpensGridAndShowsTitle()
    {
        QCOMPARE(openWindows(QStringLiteral("frmCommChInfo")), 1);
        const QString title = main->windowTitle();
        QVERIFY2(title.startsWith(LangText(12000) + QStringLiteral("[TARVEN II:CB:Frequency][")), qPrintable(title));
        QVERIFY2(title.endsWith(LangText(12009) + QStringLiteral(":new.dat]")), qPrintable(title));
        QCOMPARE(main->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("TARVEN II:CB"));
        auto *panel3 = main->findChild<QLabel *>(QStringLiteral("Panel3"));
        QCOMPARE(panel3->text(), LangText(12008) + QStringLiteral("1"));
    }

    void menuEntriesHaveTheirCaptionsShortcutsAndStates()
    {
        QCOMPARE(main->menuEntry(QStringLiteral("mnuFileNew"))->text(), LangText(10001));
        QCOMPARE(main->menuEntry(QStringLiteral("mnuFileNew"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
        QCOMPARE(main->menuEntry(QStringLiteral("mnuReadFromRadio"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
        QCOMPARE(main->menuEntry(QStringLiteral("MnuProPassWord"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
        QCOMPARE(main->menuEntry(QStringLiteral("mnuWindowTileVertical"))->text(), QStringLiteral("Tile Windows &Vertically"));
        for (const char *hidden : {"mnuFileEOpen", "mnuGroupName", "mnuResetInit", "MnuRadioFre",
                                   "MnuScan", "MnuAlert", "MnuTestFre", "mnuEmbeddedMsg", "MnuCHBar2", "MnuCHHabits",
                                   "mnuWindowTileHorizontal", "mnuWindowTileVertical", "mnuWindowArrangeIcons", "mnuHelpTopic"})
            QVERIFY2(!main->menuEntry(QString::fromLatin1(hidden))->isVisible(), hidden);
        QVERIFY(main->menuEntry(QStringLiteral("mnuFilePrint"))->isVisible());
        // The channel-edit entries are hidden while another window is active, so they
        // do not take Ctrl+C, Ctrl+V or Del from it.
        ShowChild(QStringLiteral("FrmOptFeatures"));
        for (const char *name : {"MnuCHEdit", "MnuCHCut", "MnuCHCopy", "MnuCHPaste", "MnuCHDelete"})
            QVERIFY2(!main->menuEntry(QString::fromLatin1(name))->isVisible(), name);
        for (const char *checked : {"mnuTreeView", "mnuViewToolbar", "mnuViewStatusBar"})
            QVERIFY(main->menuEntry(QString::fromLatin1(checked))->isChecked());
        // Menu-bar order.
        QStringList bar;
        for (QAction *a : main->menuBar()->actions())
            bar << a->objectName();
        QCOMPARE(bar, QStringList({"mnuFile", "mnuModel", "MnuCHEdit", "mnuEdit", "mnuProgram", "mnuHistory", "mnuSet", "mnuView",
                                   "mnuWindow", "mnuHelp"}));
    }

    void toolbarButtonsByKeyWithTooltips()
    {
        auto *bar = main->findChild<QToolBar *>(QStringLiteral("tbToolBar"));
        QVERIFY(bar);
        QCOMPARE(bar->actions().size(), 21);   // the 20 keys and the channel table's
        QCOMPARE(main->toolButton(QStringLiteral("ReadRadio"))->toolTip(), LangText(11004));
        QCOMPARE(main->toolButton(QStringLiteral("About"))->toolTip(), LangText(11007));
        QCOMPARE(main->toolButton(QStringLiteral("BtnCHMoveDown"))->toolTip(), LangText(11016));
        // Positions 11..19 (the channel-edit group) are shown while the grid is active.
        for (bool gridActive : {true, false}) {
            ShowChild(gridActive ? QStringLiteral("frmCommChInfo") : QStringLiteral("FrmOptFeatures"));
            for (int i = 0; i < 21; ++i)
                QCOMPARE(bar->actions().at(i)->isVisible(), i < 10 || i >= 19 || gridActive);
        }
    }

    void toolbarNewFileBuildsNewDocumentWithoutQuestions()
    {
        Image().at(0).RDCT = 37;
        main->tbToolBar_ButtonClick(QStringLiteral("NewFile"));
        QCOMPARE(openWindows(QStringLiteral("frmCommChInfo")), 0);   // closed before the rebuild
        QTRY_COMPARE(openWindows(QStringLiteral("frmCommChInfo")), 1);
        QVERIFY(prompts->log.isEmpty());
        QVERIFY(Image().at(0).RDCT != 37);
    }

    void treeCommandsOpenWindowsOnce()
    {
        auto *tree = main->findChild<QTreeWidget *>(QStringLiteral("TreeView1"));
        QCOMPARE(tree->topLevelItemCount(), 1);
        QTreeWidgetItem *root = tree->topLevelItem(0);
        QCOMPARE(root->text(0), QStringLiteral("TARVEN II:CB"));
        QVERIFY(root->isExpanded());
        QStringList keys, texts;
        for (int i = 0; i < root->childCount(); ++i) {
            keys << root->child(i)->data(0, Qt::UserRole).toString();
            texts << root->child(i)->text(0);
        }
        QCOMPARE(keys, QStringList({"N1", "N2", "N4", "N12", "N8", "N7", "N22"}));
        QCOMPARE(texts.first(), LangText(12001));

        const int made = StandInWindowsCreated();
        main->TreeView1_NodeClick(QStringLiteral("N0"));
        main->TreeView1_NodeClick(QStringLiteral("N1"));          // grid already open: focus only
        QCOMPARE(StandInWindowsCreated(), made);
        main->TreeView1_NodeClick(QStringLiteral("N2"));
        main->TreeView1_NodeClick(QStringLiteral("N2"));
        QCOMPARE(openWindows(QStringLiteral("FrmOptFeatures")), 1);
        // Windows whose factory is not there yet open nothing and break nothing.
        main->TreeView1_NodeClick(QStringLiteral("N8"));
        QCOMPARE(openWindows(QStringLiteral("FrmKey")), 0);
        main->mnuCloseAll_Click();
        QCOMPARE(main->mdiArea()->subWindowList().size(), 0);
    }

    void panelCloseAndTreeViewToggle()
    {
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
        auto *panel = main->findChild<QWidget *>(QStringLiteral("Picture1"));
        QAction *treeView = main->menuEntry(QStringLiteral("mnuTreeView"));
        main->Toolbar1_ButtonClick(QStringLiteral("TB_CLOSE"));
        QVERIFY(!panel->isVisible());
        QVERIFY(!treeView->isChecked());
        treeView->trigger();
        QVERIFY(panel->isVisible());
        QVERIFY(treeView->isChecked());

        QAction *status = main->menuEntry(QStringLiteral("mnuViewStatusBar"));
        status->trigger();
        QVERIFY(!main->statusBar()->isVisible());
        status->trigger();
        QVERIFY(main->statusBar()->isVisible());
    }

    // Hiding the toolbar from its own context menu unchecks View -> Toolbar, so one
    // click on the entry shows it again.
    void toolbarContextMenuKeepsTheViewEntryInStep()
    {
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
        auto *toolbar = main->findChild<QToolBar *>(QStringLiteral("tbToolBar"));
        QAction *entry = main->menuEntry(QStringLiteral("mnuViewToolbar"));
        QVERIFY(toolbar->isVisible() && entry->isChecked());
        toolbar->toggleViewAction()->trigger();   // what the context menu's entry does
        QVERIFY(!toolbar->isVisible());
        QVERIFY(!entry->isChecked());
        entry->trigger();
        QVERIFY(toolbar->isVisible());
        QVERIFY(entry->isChecked());
    }

    void splitterKeepsLimits()
    {
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
        auto *panel = main->findChild<QWidget *>(QStringLiteral("Picture1"));
        auto *bar = main->findChild<QWidget *>(QStringLiteral("CommandMove"));
        const auto send = [bar](QEvent::Type type, int x) {
            QMouseEvent e(type, QPointF(x, 5), bar->mapToGlobal(QPointF(x, 5)), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(bar, &e);
        };
        const int start = panel->width();
        send(QEvent::MouseMove, 40);              // not dragging: nothing moves
        QCOMPARE(panel->width(), start);
        send(QEvent::MouseButtonPress, 0);
        send(QEvent::MouseMove, 30);
        QCOMPARE(panel->width(), start + 30);
        send(QEvent::MouseMove, -(start + 30) + 10);   // narrower than 300 twips
        QCOMPARE(panel->width(), start + 30);
        send(QEvent::MouseMove, main->width() * 2);    // wider than the client area
        QCOMPARE(panel->width(), start + 30);
        send(QEvent::MouseButtonRelease, 0);
        send(QEvent::MouseMove, 20);
        QCOMPARE(panel->width(), start + 30);
    }

    void languageSwitchClosesChildrenAndReopensGrid()
    {
        main->TreeView1_NodeClick(QStringLiteral("N2"));
        main->TreeView1_NodeClick(QStringLiteral("N4"));
        QCOMPARE(main->mdiArea()->subWindowList().size(), 3);

        // Same language: nothing closes.
        main->Form_Activate();
        QCOMPARE(main->mdiArea()->subWindowList().size(), 3);

        Run().ShownLanguageId = 1;
        SetLanguage(2);
        main->Form_Activate();
        QCOMPARE(Run().ShownLanguageId, 2);
        QCOMPARE(main->mdiArea()->subWindowList().size(), 1);
        QCOMPARE(openWindows(QStringLiteral("frmCommChInfo")), 1);
        QCOMPARE(main->menuEntry(QStringLiteral("mnuFileNew"))->text(), LangText(10001));
        QVERIFY(main->menuEntry(QStringLiteral("mnuFileNew"))->text().contains(QChar(0x65B0)));   // 新
        QVERIFY(main->windowTitle().startsWith(LangText(12000)));
        QCOMPARE(main->toolButton(QStringLiteral("ReadRadio"))->toolTip(), LangText(11004));
        auto *tree = main->findChild<QTreeWidget *>(QStringLiteral("TreeView1"));
        QCOMPARE(tree->topLevelItem(0)->child(0)->text(0), LangText(12001));
    }

    void exitStoresPlacementAndKeepsSettingBytes()
    {
        QFile::remove(install->dir.path(QStringLiteral("Setting.ini")));
        {
            QFile f(install->dir.path(QStringLiteral("Setting.ini")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("\x07\x08\x09\x0a", 4);
        }
        ReadSettingBytes();
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
        main->resize(700, 520);
        main->move(40, 30);
        QVERIFY(main->close());
        {
            QFile f(install->dir.path(QStringLiteral("Setting.ini")));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), QByteArray("\x07\x08\x09\x0a", 4));
        }
        QSettings s(QStringLiteral("tarven"), QCoreApplication::applicationName());
        QCOMPARE(s.value(QStringLiteral("Settings/MainWidth")).toInt(), 700 * 15);
        QCOMPARE(s.value(QStringLiteral("Settings/MainHeight")).toInt(), 520 * 15);

        // A second start takes the stored size.
        main = std::make_unique<frmMain>();
        QCOMPARE(main->size(), QSize(700, 520));
        QCOMPARE(main->x(), s.value(QStringLiteral("Settings/MainLeft")).toInt() / 15);
    }

    void closeWhileMinimisedKeepsPlacement()
    {
        main->show();
        main->resize(640, 480);
        QVERIFY(main->close());
        main = std::make_unique<frmMain>();
        main->show();
        main->resize(900, 600);
        main->showMinimized();
        if (!main->isMinimized())
            QSKIP("the platform cannot minimise windows");
        main->close();
        QSettings s(QStringLiteral("tarven"), QCoreApplication::applicationName());
        QCOMPARE(s.value(QStringLiteral("Settings/MainWidth")).toInt(), 640 * 15);
    }

    void backgroundFollowsLanguageAndMissingPictureIsPlain()
    {
        const QBrush english = main->mdiArea()->background();
        QVERIFY(!english.textureImage().isNull());
        QFile::remove(install->dir.path(QStringLiteral("PIC/BK_2.jpg")));
        SetLanguage(2);
        main->LoadBKPic();
        QVERIFY(main->mdiArea()->background().textureImage().isNull());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
