// The document commands of the main window: new, factory initialisation, open, save,
// save as and exit, with their questions (DocumentCommands) and the child windows.
#include "frmMain.h"

#include "DataFile.h"
#include "DocumentCommands.h"
#include "DocumentHistory.h"
#include "DocumentPlaces.h"
#include "Models.h"
#include "RadioImage.h"
#include "LangText.h"
#include "NewImage.h"
#include "Prompts.h"
#include "RunSettings.h"
#include "Startup.h"
#include "UiChildWindows.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QTimer>

namespace {
// Windows that may hold typed text not yet stored in the image.
const char *const kEditorWindows[] = {"frmCommChInfo", "FrmCHInfoEdit", "FrmOptFeatures", "FrmDTMF", "FrmRadioInfo"};
}

// Pending typed text reaches the image before the document is compared, saved or sent.
void frmMain::validateOpenEditors()
{
    for (const char *name : kEditorWindows)
        CallOnLoaded(QString::fromLatin1(name), "ValidateControls");
}

void frmMain::LoadNewDoc()
{
    CloseCurAllWindows();
    timer(QStringLiteral("NewDocTimer"))->start();
}

void frmMain::NewDocTimer_Timer()
{
    timer(QStringLiteral("NewDocTimer"))->stop();
    BuildNewImage();
    ResetDocumentHistory();
    ShowMainCaptions();
    ShowChild(QStringLiteral("frmCommChInfo"));
    ShowMainTxt();
    CascadeChildWindows();
    Doc().FactoryInitRequest = false;
}

void frmMain::LoadNewDoc2()
{
    BuildNewImage();
    ResetDocumentHistory();
    ShowMainCaptions();
    ShowChild(QStringLiteral("frmCommChInfo"));
    ShowMainTxt();
}

void frmMain::mnuFileNew_Click()
{
    validateOpenEditors();
    // Cancel at the unsaved-changes question still leads to the new-document question.
    if (SettleBeforeReplacing(CancelMeans::Proceed) == UnsavedDecision::Stop) {
        ShowMainTxt();
        return;
    }
    ShowMainTxt();
    if (prompts().ask(LangText(9026), AskButtons::OkCancel, MsgIcon::Warning) != Answer::Ok)
        return;
    LoadNewDoc();
}

void frmMain::MnuInit_Click()
{
    // Stays set when the command is cancelled: the next new document uses the factory image.
    Doc().FactoryInitRequest = true;
    mnuFileNew_Click();
}

void frmMain::mnuFileOpen_Click()
{
    validateOpenEditors();
    const UnsavedDecision decision = SettleBeforeReplacing(CancelMeans::Stop);
    ShowMainTxt();
    if (decision == UnsavedDecision::Proceed)
        OpenDocument();
}

void frmMain::OpenDocument()
{
    const QString path = ChooseFileToOpen();
    if (!path.isEmpty())
        openChosenFile(path);
}

void frmMain::openChosenFile(const QString &path)
{
    // A file that cannot be loaded leaves the document, where it is saved and its open
    // windows as they were.
    const RadioImage shownImage = Image();
    const RadioImage shownSaved = Saved();
    const QString shownModel = Run().modelName;
    const int shownBand = Run().BandMode;
    if (OpenDataFile(path) != FileResult::Ok)
        return;
    // The windows store what they show as they close: into the document they show, not
    // into the one just loaded.
    const RadioImage loadedImage = Image();
    const RadioImage loadedSaved = Saved();
    const QString loadedModel = Run().modelName;
    const int loadedBand = Run().BandMode;
    Image() = shownImage;
    Saved() = shownSaved;
    Run().modelName = shownModel;
    SetCurrentBand(shownBand);
    CloseCurAllWindows();
    Image() = loadedImage;
    Saved() = loadedSaved;
    Run().modelName = loadedModel;
    SetCurrentBand(loadedBand);
    Doc().DocumentPath = path;
    Doc().Untitled = false;
    ResetDocumentHistory();
    AddRecentFile(path);
    ShowChild(QStringLiteral("frmCommChInfo"));
    ShowMainTxt();
    Change_Language();
    CascadeChildWindows();
}

void frmMain::OpenDocumentFile(const QString &path)
{
    validateOpenEditors();
    const UnsavedDecision decision = SettleBeforeReplacing(CancelMeans::Stop);
    ShowMainTxt();
    if (decision == UnsavedDecision::Proceed)
        openChosenFile(path);
}

void frmMain::mnuFileSave_Click()
{
    validateOpenEditors();
    SaveCommand();
    ShowMainTxt();
}

void frmMain::mnuFileSaveAs_Click()
{
    validateOpenEditors();
    SaveDocumentAs();
    ShowMainTxt();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    storePlacement();
    if (!endingWithoutQuestions_) {
        validateOpenEditors();
        // Cancel, or Yes followed by a save that did not happen, keeps the program open.
        if (SettleBeforeExit() == UnsavedDecision::Stop) {
            ShowMainTxt();
            event->ignore();
            return;
        }
    }
    closeLinkPort();
    RunExitSteps();
    CloseCurAllWindows();
    event->accept();
}
