// The radio commands of the main window: they store pending edits and start the link
// engine; a finished read becomes an untitled new document.
#include "frmMain.h"

#include "FrmFleet.h"

#include "DocumentCommands.h"
#include "DocumentHistory.h"
#include "LangText.h"
#include "LinkEngine.h"
#include "LinkState.h"
#include "MSComm1.h"
#include "ModFun.h"
#include "RunSettings.h"
#include "HistoryCommands.h"
#include "SafetyCommands.h"
#include "TransferBackups.h"
#include "UiChildWindows.h"
#include "FrmProgress.h"
#include "UiLinkFront.h"
#include "UiSupportCommands.h"

#include <QMdiArea>
#include <QTimer>

namespace {
const char *const kWriteEditors[] = {"frmCommChInfo", "FrmCHInfoEdit", "FrmOptFeatures", "FrmDTMF", "FrmRadioInfo"};
}

void frmMain::buildLink()
{
    comm_ = new MSComm1(this);
    comm_->setObjectName(QStringLiteral("MSComm1"));
    linkUi_ = new UiLinkFront(this);
    engine_ = new LinkEngine(*comm_, *linkUi_, this);
    connect(engine_, &LinkEngine::operationFinished, this, &frmMain::onLinkFinished);
    // The status bar says what a transfer is doing while it runs, "Ready" again after.
    linkUi_->setStatusHandler([this](const QString &) { showStatusTexts(); });
    KeepLastTransferTrace(engine_, comm_);
}

void frmMain::closeLinkPort()
{
    if (comm_->PortOpen())
        comm_->setPortOpen(false);
}

void frmMain::mnuReadFromRadio_Click()
{
    // A read replaces the document: pending typed text is stored, then unsaved changes
    // are settled as Open does (Cancel stops), before anything is sent. While another
    // command runs, the engine says so and nothing is asked.
    if (Link().LinkOperation == LinkIdle) {
        validateOpenEditors();
        const UnsavedDecision decision = SettleBeforeReplacing(CancelMeans::Stop);
        ShowMainTxt();
        if (decision == UnsavedDecision::Stop)
            return;
    }
    engine_->StartRead();
}

void frmMain::mnuWriteToRadio_Click()
{
    for (const char *name : kWriteEditors)
        CallOnLoaded(QString::fromLatin1(name), "ValidateControls");
    // The write starts once the windows have stored their edits.
    timer(QStringLiteral("WaitSaveDataTimer"))->start();
}

void frmMain::WaitSaveDataTimer_Timer()
{
    timer(QStringLiteral("WaitSaveDataTimer"))->stop();
    // Through the radio history: what the write will change is shown first.
    findChild<HistoryCommands *>()->startWrite();
}

void frmMain::MnuLocalInfo_Click()
{
    UnloadByName(QStringLiteral("FrmRadioInfo"));
    ReadRMGDataFromRadio();
}

void frmMain::ReadRMGDataFromRadio()
{
    engine_->StartRadioInfoRead();
}

void frmMain::onLinkFinished(int operation, bool success)
{
    if (findChild<HistoryCommands *>()->takeOverFinished(operation, success))
        return;   // a step before a write: identifying the radio, reading what it holds
    if (findChild<SafetyCommands *>()->takeOverFinished(operation, success))
        return;   // a read for comparing leaves the document as it is
    if (!success)
        return;
    if (operation == LinkRead) {
        CloseCurAllWindows();
        timer(QStringLiteral("ReadOKTimer"))->start();
    } else if (operation == LinkRadioInfo) {
        UnloadByName(QStringLiteral("FrmRadioInfo"));
        ShowChild(QStringLiteral("FrmRadioInfo"));
    }
}

void frmMain::ReadOKTimer_Timer()
{
    timer(QStringLiteral("ReadOKTimer"))->stop();
    // A read with an impossible band mode is refused; the document stays as it was.
    if (LinkEngine::ApplyReadToImage()) {
        Doc().DocumentPath = QStringLiteral("new.dat");
        Doc().Untitled = true;
        ResetDocumentHistory();
    }
    ShowMainTxt();
    Change_Language();
    ShowChild(QStringLiteral("frmCommChInfo"));
    CascadeChildWindows();
}

void frmMain::mnuFleet_Click()
{
    if (engine_->isBusy())
        return;
    // The image the radios get includes every edit still in an open window.
    for (const char *name : kWriteEditors)
        CallOnLoaded(QString::fromLatin1(name), "ValidateControls");
    FrmFleet fleet(this);
    fleet.setHistoryFolder(findChild<SafetyCommands *>()->history()->folder());
    fleet.exec();
}

void frmMain::MnuProPassWord_Click()
{
    if (const auto entered = linkUi_->askPassword(Link().ProgPassword))
        Link().ProgPassword = TrimAtNul(*entered);
}
