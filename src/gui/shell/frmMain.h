#pragma once
#include <QHash>
#include <QMainWindow>
#include <QPointer>

class QAction;
class QDragEnterEvent;
class QDropEvent;
class QFrame;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class LinkEngine;
class MSComm1;
class UiLinkFront;
class ChannelEditCommands;

// The main window: the multiple-document frame with the menus, the toolbar, the panel
// with the tree of editable areas, the status bar and the timers. The editing windows
// live in its client area and are opened by name (ShowChild).
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    QAction *menuEntry(const QString &name) const;     // menu entries and separators by name
    QMenu *menu(const QString &name) const;            // the menus by name
    QAction *toolButton(const QString &key) const;     // tbToolBar buttons by key
    QMdiArea *mdiArea() const { return mdi_; }
    QTimer *timer(const QString &name) const;
    LinkEngine *linkEngine() const { return engine_; }
    UiLinkFront *linkFront() const { return linkUi_; }

    // Width limits of the panel while the splitter is dragged, in pixels.
    static constexpr int kPanelMinWidth = 300 / 15;

public slots:
    // Title, Label1 and the tree root text.
    void ShowMainTxt();
    // All texts of the window again, then the tree.
    void Change_Language();
    // Closes every child window.
    void CloseCurAllWindows();
    // Shows or hides the channel-edit menu and toolbar group (shown while the grid is active).
    void ShowCHInfo(bool show);
    // The channel-edit Delete command on the grid's selected rows.
    void MnuCHDelete_Click();
    // Makes the channel grid store a cell edit in progress and leave edit mode.
    void SetSaveEditData();
    void LoadTree();
    void LoadBKPic();
    // Closes every child window and builds a new document 100 ms later.
    void LoadNewDoc();
    // Builds a new document at once (used once when the window loads).
    void LoadNewDoc2();
    // Starts the radio-information read.
    void ReadRMGDataFromRadio();
    // The language check run on every activation: re-applies the texts, closes all
    // children and reopens the channel grid when the language changed.
    void Form_Activate();

    void tbToolBar_ButtonClick(const QString &key);
    void Toolbar1_ButtonClick(const QString &key);
    void TreeView1_NodeClick(const QString &key);

    // Menu commands.
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileExit_Click();
    void mnuModelInfo_Click();
    void mnuChannelInfo_Click();
    void mnuOptFeature_Click();
    void mnuToneTips_Click();
    void MnuDTMF_Click();
    void MnuKey_Click();
    void MnuLocalInfo_Click();
    void mnuReadFromRadio_Click();
    void mnuWriteToRadio_Click();
    void MnuProPassWord_Click();
    void mnuFleet_Click();   // Program several radios (FrmFleet)
    void mnuComm_Click();
    void mnuLanguage_Click();
    void MnuInit_Click();
    void mnuTreeView_Click();
    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
    void mnuWindowCascade_Click();
    void mnuCloseAll_Click();
    void mnuHelpAbout_Click();
    void mnuHelpDoctor_Click();      // connection doctor (frmMainSupport.cpp)
    void mnuHelpReport_Click();      // support report

    // Opens that data file as Open does after its dialog, asking about unsaved changes
    // first (recent files, a dropped file, the file named on the command line).
    void OpenDocumentFile(const QString &path);

    // Ends the program without the unsaved-changes question (another release took over).
    void EndWithoutQuestions();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // A .dat file dropped on the window opens (frmMainDrop.cpp).
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Construction (frmMainMenus.cpp, frmMainPanel.cpp).
    void buildMenus();
    void buildToolBar();
    void buildPanel();
    void buildStatusBar();
    void buildTimers();
    void fillWindowMenu();
    void showMenuCaptions();
    void showToolTips();
    void showStatusTexts();
    void updateClock();
    void dragSplitter(int x);
    void fitPanelToTree();

    void ShowMainCaptions();
    // Window placement (frmMainPlacement.cpp).
    void restorePlacement();
    void storePlacement();

    // Document steps (frmMainDocument.cpp).
    void NewDocTimer_Timer();
    void OpenDocument();
    void openChosenFile(const QString &path);
    void validateOpenEditors();
    void showDocumentTitle();

    // Radio steps (frmMainRadio.cpp).
    void buildLink();
    void onLinkFinished(int operation, bool success);
    void ReadOKTimer_Timer();
    void WaitSaveDataTimer_Timer();
    void closeLinkPort();

    QMdiArea *mdi_ = nullptr;
    MSComm1 *comm_ = nullptr;              // MSComm1, the link's serial port
    UiLinkFront *linkUi_ = nullptr;
    LinkEngine *engine_ = nullptr;
    QWidget *picture1_ = nullptr;
    QFrame *frame1_ = nullptr;
    QToolBar *toolbar1_ = nullptr;
    QTreeWidget *tree_ = nullptr;
    QLabel *label1_ = nullptr;
    QFrame *commandMove_ = nullptr;
    QToolBar *tbToolBar_ = nullptr;
    QLabel *panels_[5] = {};
    QHash<QString, QAction *> entries_;
    QHash<QString, QMenu *> menus_;
    QHash<QString, QAction *> buttons_;
    QList<QAction *> chEditButtons_;       // toolbar positions 11..19
    ChannelEditCommands *chEdit_ = nullptr;
    QHash<QString, QTimer *> timers_;
    QTimer *clock_ = nullptr;
    int backgroundLanguage_ = -1;
    bool SplitterDragging = false;
    bool endingWithoutQuestions_ = false;
    bool shownOnce_ = false;
};
