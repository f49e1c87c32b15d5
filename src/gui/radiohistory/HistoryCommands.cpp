#include "HistoryCommands.h"

#include "DataFile.h"
#include "FrmRadioHistory.h"
#include "FrmWriteChanges.h"
#include "HistoryWords.h"
#include "ImageDiff.h"
#include "LangText.h"
#include "LinkEngine.h"
#include "LinkOutcome.h"
#include "LinkState.h"
#include "PackCheck.h"
#include "Prompts.h"
#include "RadioHistory.h"
#include "ReadImage.h"
#include "SafetyCommands.h"
#include "StoredDiff.h"
#include "TransferBackups.h"
#include "frmMain.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

namespace {
// In the group "Settings" of the per-user settings store.
const char *const kReadFirstKey = "Settings/ReadBeforeWrite";

QSettings userSettings()
{
    return QSettings(QStringLiteral("tarven"), QCoreApplication::applicationName());
}

QString hexAddress(int address)
{
    return QStringLiteral("%1").arg(address, 4, 16, QLatin1Char('0')).toUpper();
}

// What a cancelled write left in the radio, in the words the cancel message has always used.
QString cancelText(const LinkOutcome &o, int band)
{
    if (o.writtenBytes <= 0)
        return LangText(30113);
    if (o.writtenBytes >= kTransferBytes)
        return LangText(30114);
    const int last = o.writtenBytes - 1;
    return LangText(30112).arg(hexAddress(last), StoredDiff::BlockPlace(last & ~0xF, band));
}

HistoryCommands::AfterWrite askWithButtons(QWidget *parent, const QString &text, bool canRestore)
{
    QMessageBox box(QMessageBox::Warning, LangText(30861), text, QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("FrmAfterWrite"));
    QPushButton *restore = nullptr;
    if (canRestore) {
        restore = box.addButton(LangText(30848), QMessageBox::AcceptRole);
        restore->setObjectName(QStringLiteral("CommandRestore"));
    }
    QPushButton *again = box.addButton(LangText(30849), QMessageBox::ActionRole);
    again->setObjectName(QStringLiteral("CommandWriteAgain"));
    QPushButton *close = box.addButton(LangText(30850), QMessageBox::RejectRole);
    close->setObjectName(QStringLiteral("CommandClose"));
    box.setDefaultButton(restore ? restore : close);
    box.exec();
    if (restore && box.clickedButton() == restore)
        return HistoryCommands::AfterWrite::Restore;
    return box.clickedButton() == again ? HistoryCommands::AfterWrite::WriteAgain : HistoryCommands::AfterWrite::Close;
}
} // namespace

HistoryCommands::HistoryCommands(frmMain *main, SafetyCommands *safety)
    : QObject(main), main_(main), safety_(safety)
{
    setObjectName(QStringLiteral("HistoryCommands"));
    confirmChanges = [this](const QStringList &changes, const QString &against) {
        FrmWriteChanges dialog(changes, against, main_);
        return dialog.exec() == QDialog::Accepted;
    };
    askAfterWrite = [this](const QString &text, bool canRestore) {
        if (canRestore)
            return askWithButtons(main_, text, true);
        // Without a restore point the question stays the plain one it has always been.
        return prompts().ask(text + QStringLiteral("\r\n\r\n") + LangText(30130), AskButtons::YesNo, MsgIcon::Warning)
                == Answer::Yes
            ? AfterWrite::WriteAgain
            : AfterWrite::Close;
    };

    if (QAction *entry = main->menuEntry(QStringLiteral("mnuRadioHistory")))
        connect(entry, &QAction::triggered, this, &HistoryCommands::showHistory);
    QMenu *settings = main->menu(QStringLiteral("mnuSet"));
    readFirstEntry_ = new QAction(settings);
    readFirstEntry_->setObjectName(QStringLiteral("mnuReadBeforeWrite"));
    readFirstEntry_->setCheckable(true);
    readFirstEntry_->setChecked(readFirst());
    settings->addAction(readFirstEntry_);
    connect(readFirstEntry_, &QAction::toggled, this, &HistoryCommands::setReadFirst);
    connect(settings, &QMenu::aboutToShow, this, &HistoryCommands::showCaptions);
    showCaptions();
}

void HistoryCommands::showCaptions()
{
    readFirstEntry_->setText(LangText(30847));
}

bool HistoryCommands::readFirst() const
{
    return userSettings().value(QString::fromLatin1(kReadFirstKey), true).toBool();
}

void HistoryCommands::setReadFirst(bool on)
{
    QSettings s = userSettings();
    s.setValue(QString::fromLatin1(kReadFirstKey), on);
    s.sync();
    if (readFirstEntry_->isChecked() != on)
        readFirstEntry_->setChecked(on);
}

LinkEngine *HistoryCommands::engine() const
{
    return main_->linkEngine();
}

TransferBackups *HistoryCommands::backups() const
{
    return safety_->history();
}

FrmRadioHistory *HistoryCommands::historyWindow() const
{
    return window_;
}

void HistoryCommands::showHistory()
{
    if (!window_) {
        window_ = new FrmRadioHistory(this, safety_, main_);
        window_->setAttribute(Qt::WA_DeleteOnClose);
    }
    window_->reload();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

// ---------------------------------------------------------------------------------------
// Before a write

void HistoryCommands::startWrite()
{
    // Without a history, or with values the radio cannot take (the engine refuses those
    // with its message), the write starts as it always has.
    if (backups()->folder().isEmpty() || !ValuesThatDoNotFit(Image()).isEmpty()) {
        engine()->StartWrite();
        return;
    }
    step_ = Step::Identify;
    if (!engine()->StartRadioInfoRead())
        step_ = Step::None;
}

bool HistoryCommands::takeOverFinished(int operation, bool success)
{
    if (operation == LinkRadioInfo && step_ == Step::Identify) {
        step_ = Step::None;
        // The history takes the serial number from the same signal: go on once it has.
        if (success)
            QTimer::singleShot(0, this, &HistoryCommands::afterIdentify);
        return true;
    }
    if (operation == LinkRead && step_ == Step::Read) {
        step_ = Step::None;
        if (success)
            QTimer::singleShot(0, this, &HistoryCommands::afterPlanRead);
        return true;
    }
    if (operation == LinkWrite) {
        if (documentDuringRestore_) {
            Image() = *documentDuringRestore_;
            documentDuringRestore_.reset();
        }
        afterWrite(success);
    }
    return false;
}

void HistoryCommands::afterIdentify()
{
    const QString folder = backups()->folder();
    const QString serial = backups()->serial();
    if (!serial.isEmpty() && backups()->seenInThisRun(serial)) {
        if (const auto latest = RadioHistory::LatestContents(folder, serial)) {
            RadioImage known;
            if (ReadFullFile(latest->path, known) && ImageProblem(known).isEmpty()) {
                confirmAndWrite(known, latest->path, LangText(30846).arg(HistoryWords::EntryTitle(*latest)));
                return;
            }
        }
    }
    if (!readFirst()) {
        engine()->StartWrite();
        return;
    }
    step_ = Step::Read;
    if (!engine()->StartRead(LinkEngine::Confirm::Given, LinkEngine::Report::Quiet))
        step_ = Step::None;
}

void HistoryCommands::afterPlanRead()
{
    RadioImage radio;
    if (!ImageFromRead(radio))
        return;
    const auto read = backups()->lastRead();
    confirmAndWrite(radio, read ? read->path : QString(), LangText(30845));
}

void HistoryCommands::confirmAndWrite(const RadioImage &previous, const QString &previousPath, const QString &against)
{
    RadioImage document = Image();
    StampForFile(document);
    const QStringList changes = DifferenceLines(RadioHistory::WriteChanges(previous, document));
    if (!confirmChanges(changes, against))
        return;
    backups()->setPreviousForNextWrite(previousPath);
    engine()->StartWrite(LinkEngine::Confirm::Given);
}

// ---------------------------------------------------------------------------------------
// After a write

void HistoryCommands::afterWrite(bool success)
{
    const LinkOutcome outcome = engine()->lastOutcome();
    const QString restored = restoring_;
    restoring_.clear();
    if (success)
        return;
    const int band = Image().header.model.bandMode;
    QString text;
    if (outcome.cancelled)
        text = cancelText(outcome, band);
    else if (outcome.writtenBytes > 0)
        text = RadioHoldsText(outcome, band);
    else
        return;   // nothing reached the radio; the engine has said why
    const QString previous = backups()->previousOfLastWrite();
    const bool canRestore = outcome.writtenBytes > 0 && !previous.isEmpty() && QFileInfo::exists(previous);
    if (canRestore) {
        const auto entry = RadioHistory::Find(backups()->folder(), previous);
        text += QStringLiteral("\r\n\r\n")
            + LangText(30851).arg(entry ? HistoryWords::EntryTitle(*entry) : QFileInfo(previous).fileName());
    }
    // Asked once the engine has finished reporting, so a new write starts from idle.
    QTimer::singleShot(0, this, [this, text, canRestore, previous, restored] {
        switch (askAfterWrite(text, canRestore)) {
        case AfterWrite::Restore:
            restoreRadio(previous);
            break;
        case AfterWrite::WriteAgain:
            if (restored.isEmpty())
                engine()->StartWrite(LinkEngine::Confirm::Given);
            else
                restoreRadio(restored);
            break;
        case AfterWrite::Close:
            break;
        }
    });
}

void HistoryCommands::restoreRadio(const QString &entryPath)
{
    RadioImage img;
    if (!ReadFullFile(entryPath, img) || !ImageProblem(img).isEmpty()) {
        prompts().message(LangText(30858).arg(QFileInfo(entryPath).fileName()), MsgIcon::Critical);
        return;
    }
    // The engine writes the working image: the entry takes its place for the write, and
    // the document comes back as soon as the write has ended.
    documentDuringRestore_ = Image();
    Image() = img;
    restoring_ = entryPath;
    backups()->setNextWriteIsRestore(true);
    if (!engine()->StartWrite(LinkEngine::Confirm::Given)) {
        Image() = *documentDuringRestore_;
        documentDuringRestore_.reset();
        restoring_.clear();
        backups()->setNextWriteIsRestore(false);
    }
}
