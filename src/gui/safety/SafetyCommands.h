#pragma once
#include <QObject>
#include <QPointer>
#include <functional>

#include "FrmCompare.h"

class QAction;
class QMenu;
class TransferBackups;
class frmMain;
struct RadioImage;

// The safety net of the desktop program, added to the main window's menus:
//   File      "Open backup…" (the open dialog in the backup folder; the backup opens as
//             an untitled document so saving never overwrites it), "Compare with file…"
//   Program   "Compare with radio" (reads the radio into a separate image; the document
//             stays as it is)
//   Settings  "Backup folder…", "Open backup folder", "Verify after writing"
// It keeps the backups of reads and writes, gives the progress window's Cancel to the
// engine, and tells how a cancelled read or write left things. The backup folder and
// the verify flag live in the per-user settings, group "Settings".
class SafetyCommands : public QObject {
    Q_OBJECT
public:
    explicit SafetyCommands(frmMain *main);

    QString backupFolder() const;
    void setBackupFolder(const QString &folder);   // kept in the user's settings
    bool verifyAfterWrite() const;
    void setVerifyAfterWrite(bool on);             // kept in the user's settings

    // Called first by the main window when a link operation has finished; true when
    // this class has dealt with it (a read for comparing), so the document stays.
    bool takeOverFinished(int operation, bool success);

    // The commands.
    void openBackup();
    void openBackupFile(const QString &path);   // as an untitled document
    // `fromRadio`: the document is compared as a read would leave it (ComparableWithRead).
    void showComparison(const RadioImage &other, const QString &otherName, bool fromRadio);
    void compareWithFile();
    void compareWithRadio();
    void chooseBackupFolder();
    void openBackupFolder();

    // The dialogs, replaceable by tests: a data file to open in `folder` (empty:
    // cancelled), and a folder for the backups.
    std::function<QString(const QString &folder)> chooseBackupFile;
    std::function<QString(const QString &current)> chooseFolder;

    FrmCompare *compareWindow() const { return compare_; }
    TransferBackups *history() const { return backups_; }

private:
    void addMenuEntries();
    QAction *addEntry(QMenu *menu, const char *name, int captionId, QAction *before);
    void showCaptions();
    void reportCancel(int operation);

    frmMain *main_;
    TransferBackups *backups_;
    QList<QAction *> entries_;
    QAction *verifyEntry_ = nullptr;
    QPointer<FrmCompare> compare_;
    bool readForCompare_ = false;
};
