#include "SafetyCommands.h"

#include "BackupStore.h"
#include "DataFile.h"
#include "DocumentCommands.h"
#include "FileChooser.h"
#include "FrmCompare.h"
#include "ImageDiff.h"
#include "LangText.h"
#include "LinkEngine.h"
#include "LinkState.h"
#include "Prompts.h"
#include "RadioImage.h"
#include "ReadImage.h"
#include "RunSettings.h"
#include "TransferBackups.h"
#include "UiChildWindows.h"
#include "UiLinkFront.h"
#include "frmMain.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>

namespace {
constexpr int kStatusMessageMs = 15000;
// In the group "Settings" of the per-user settings store.
const char *const kBackupFolderKey = "Settings/BackupFolder";
const char *const kVerifyKey = "Settings/VerifyAfterWrite";

QSettings userSettings()
{
    return QSettings(QStringLiteral("tarven"), QCoreApplication::applicationName());
}

// The open dialog of File -> Open, answered once with a path chosen beforehand; a Save
// As on the way (the unsaved-changes question) still goes to the real dialog.
class ChosenFile : public FileChooser {
public:
    ChosenFile(const QString &path, FileChooser &other) : path_(path), other_(other) {}
    QString chooseOpenPath(const QString &) override { return path_; }
    QString chooseSavePath(const QString &filter, const QString &preset) override
    {
        return other_.chooseSavePath(filter, preset);
    }

private:
    QString path_;
    FileChooser &other_;
};

// Editors whose text boxes commit on leaving: what they hold belongs to the document
// that is compared.
const char *const kCommittingWindows[] = {"frmCommChInfo", "FrmCHInfoEdit", "FrmOptFeatures", "FrmDTMF"};
} // namespace

SafetyCommands::SafetyCommands(frmMain *main)
    : QObject(main), main_(main)
{
    setObjectName(QStringLiteral("SafetyCommands"));
    LinkEngine *engine = main->linkEngine();
    backups_ = new TransferBackups(*engine, this);
    backups_->setFolder(backupFolder());
    engine->setVerifyAfterWrite(verifyAfterWrite());
    main->linkFront()->setCancelHandler([engine] { engine->Cancel(); });

    chooseBackupFile = [this](const QString &folder) {
        return QFileDialog::getOpenFileName(main_, LangText(30100).remove(QChar(0x2026)), folder, DataFileFilter());
    };
    chooseFolder = [this](const QString &current) {
        return QFileDialog::getExistingDirectory(main_, LangText(30128), current);
    };
    addMenuEntries();
}

QString SafetyCommands::backupFolder() const
{
    const QString stored = userSettings().value(QString::fromLatin1(kBackupFolderKey)).toString();
    return stored.isEmpty() ? BackupStore::DefaultFolder() : stored;
}

void SafetyCommands::setBackupFolder(const QString &folder)
{
    QSettings s = userSettings();
    s.setValue(QString::fromLatin1(kBackupFolderKey), folder);
    s.sync();
    backups_->setFolder(backupFolder());
}

bool SafetyCommands::verifyAfterWrite() const
{
    return userSettings().value(QString::fromLatin1(kVerifyKey), true).toBool();
}

void SafetyCommands::setVerifyAfterWrite(bool on)
{
    QSettings s = userSettings();
    s.setValue(QString::fromLatin1(kVerifyKey), on);
    s.sync();
    main_->linkEngine()->setVerifyAfterWrite(on);
    if (verifyEntry_)
        verifyEntry_->setChecked(on);
}

// ---------------------------------------------------------------------------------------
// Menus

QAction *SafetyCommands::addEntry(QMenu *menu, const char *name, int captionId, QAction *before)
{
    auto *a = new QAction(menu);
    a->setObjectName(QString::fromLatin1(name));
    a->setProperty("captionId", captionId);
    menu->insertAction(before, a);
    entries_ << a;
    return a;
}

void SafetyCommands::addMenuEntries()
{
    QMenu *file = main_->menu(QStringLiteral("mnuFile"));
    QAction *fileBar = main_->menuEntry(QStringLiteral("mnuFileBar0"));
    connect(addEntry(file, "mnuFileOpenBackup", 30100, fileBar), &QAction::triggered, this, &SafetyCommands::openBackup);
    connect(addEntry(file, "mnuFileCompare", 30101, fileBar), &QAction::triggered, this,
            &SafetyCommands::compareWithFile);

    QMenu *program = main_->menu(QStringLiteral("mnuProgram"));
    program->addSeparator()->setObjectName(QStringLiteral("mnuProgramSafetyBar"));
    connect(addEntry(program, "mnuCompareRadio", 30102, nullptr), &QAction::triggered, this,
            &SafetyCommands::compareWithRadio);

    QMenu *settings = main_->menu(QStringLiteral("mnuSet"));
    settings->addSeparator()->setObjectName(QStringLiteral("mnuSetSafetyBar"));
    connect(addEntry(settings, "mnuBackupFolder", 30103, nullptr), &QAction::triggered, this,
            &SafetyCommands::chooseBackupFolder);
    connect(addEntry(settings, "mnuOpenBackupFolder", 30104, nullptr), &QAction::triggered, this,
            &SafetyCommands::openBackupFolder);
    verifyEntry_ = addEntry(settings, "mnuVerifyAfterWrite", 30105, nullptr);
    verifyEntry_->setCheckable(true);
    verifyEntry_->setChecked(verifyAfterWrite());
    connect(verifyEntry_, &QAction::toggled, this, &SafetyCommands::setVerifyAfterWrite);

    // The captions follow the language whenever a menu opens.
    for (QMenu *m : {file, program, settings})
        connect(m, &QMenu::aboutToShow, this, &SafetyCommands::showCaptions);
    showCaptions();
}

void SafetyCommands::showCaptions()
{
    for (QAction *a : std::as_const(entries_))
        a->setText(LangText(a->property("captionId").toInt()));
}

// ---------------------------------------------------------------------------------------
// Commands

void SafetyCommands::openBackup()
{
    const QString path = chooseBackupFile(backupFolder());
    if (!path.isEmpty())
        openBackupFile(path);
}

void SafetyCommands::openBackupFile(const QString &path)
{
    FileChooser &previous = fileChooser();
    ChosenFile chosen(path, previous);
    setFileChooser(&chosen);
    main_->mnuFileOpen_Click();
    setFileChooser(&previous);
    // A backup opens as a new document, so a save never overwrites the backup.
    if (QFileInfo(Doc().DocumentPath) == QFileInfo(path)) {
        Doc().DocumentPath = QStringLiteral("new.dat");
        Doc().Untitled = true;
        main_->ShowMainTxt();
    }
}

void SafetyCommands::compareWithFile()
{
    for (const char *name : kCommittingWindows)
        CallOnLoaded(QString::fromLatin1(name), "ValidateControls");
    const QString path = fileChooser().chooseOpenPath(DataFileFilter());
    if (path.isEmpty())
        return;
    RadioImage other;
    QString reason;
    if (!ReadComparable(path, other, &reason)) {
        prompts().message(LangText(9002) + QStringLiteral("\n\n") + QFileInfo(path).fileName() + QStringLiteral(": ")
                              + reason,
                          MsgIcon::Critical);
        return;
    }
    showComparison(other, QFileInfo(path).fileName(), false);
}

void SafetyCommands::compareWithRadio()
{
    for (const char *name : kCommittingWindows)
        CallOnLoaded(QString::fromLatin1(name), "ValidateControls");
    // No question: the document is not replaced.
    readForCompare_ = main_->linkEngine()->StartRead(LinkEngine::Confirm::Given);
}

void SafetyCommands::chooseBackupFolder()
{
    const QString folder = chooseFolder(backupFolder());
    if (!folder.isEmpty())
        setBackupFolder(folder);
}

void SafetyCommands::openBackupFolder()
{
    const QString folder = backupFolder();
    if (!QDir().mkpath(folder) || !QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        prompts().message(LangText(30129).arg(folder), MsgIcon::Warning);
}

// ---------------------------------------------------------------------------------------
// Results

bool SafetyCommands::takeOverFinished(int operation, bool success)
{
    const LinkOutcome &outcome = main_->linkEngine()->lastOutcome();
    if (outcome.cancelled)
        reportCancel(operation);
    if (operation != LinkRead || !readForCompare_)
        return false;
    readForCompare_ = false;
    RadioImage radio;
    if (success && ImageFromRead(radio))
        showComparison(radio, LangText(30122), true);
    return true;
}

void SafetyCommands::showComparison(const RadioImage &other, const QString &otherName, bool fromRadio)
{
    const QString documentName = LangText(30121);
    // The window compares again whenever the document changes, so it never shows
    // differences that edits have settled.
    const auto differences = [other, otherName, fromRadio, documentName] {
        const RadioImage document = fromRadio ? ComparableWithRead(Image(), other.header.model.bandMode) : Image();
        return DifferenceLines(CompareImages(document, other, documentName, otherName));
    };
    if (compare_)
        compare_->close();
    compare_ = new FrmCompare(documentName, otherName, differences(), main_);
    compare_->followDocument(differences);
    compare_->setAttribute(Qt::WA_DeleteOnClose);
    compare_->show();
}

void SafetyCommands::reportCancel(int operation)
{
    // A cancelled write is told by HistoryCommands, with what the radio holds and the
    // offer to restore what it held before.
    if (operation != LinkWrite)
        main_->statusBar()->showMessage(LangText(30111), kStatusMessageMs);
}
