#pragma once
#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

#include "RadioImage.h"

class FrmRadioHistory;
class LinkEngine;
class QAction;
class SafetyCommands;
class TransferBackups;
class frmMain;

// The radio history in the desktop program:
//   History   "Radio history…" (FrmRadioHistory)
//   Settings  "Read the radio first to show what will change" (on by default)
// and the steps around a write. Before it, the radio is identified (its serial number)
// and the user sees what the write changes on it (FrmWriteChanges): against the radio's
// newest read or verified write in the history when this run has seen the radio, else
// after a read of the radio when the setting is on (otherwise the plain question). After a
// write that was cancelled, cut short or not verified, a message says what the radio
// holds and offers "Restore what the radio held before" when the history has it.
class HistoryCommands : public QObject {
    Q_OBJECT
public:
    enum class AfterWrite { Restore, WriteAgain, Close };

    HistoryCommands(frmMain *main, SafetyCommands *safety);

    bool readFirst() const;
    void setReadFirst(bool on);   // kept in the user's settings

    // The main window's write command, once the editors have stored their edits.
    void startWrite();
    // Called first by the main window when a link operation has finished; true when the
    // operation was one of this class's own steps (the main window leaves it alone).
    bool takeOverFinished(int operation, bool success);
    // Writes the image of a history entry to the radio; the document stays as it is.
    void restoreRadio(const QString &entryPath);
    void showHistory();

    FrmRadioHistory *historyWindow() const;
    TransferBackups *backups() const;

    // The questions, replaceable by tests: confirm the changes of a write; after a write
    // that did not end well, what to do next.
    std::function<bool(const QStringList &changes, const QString &against)> confirmChanges;
    std::function<AfterWrite(const QString &text, bool canRestore)> askAfterWrite;

private:
    enum class Step { None, Identify, Read };

    LinkEngine *engine() const;
    void afterIdentify();
    void afterPlanRead();
    void confirmAndWrite(const RadioImage &previous, const QString &previousPath, const QString &against);
    void afterWrite(bool success);
    void showCaptions();

    frmMain *main_;
    SafetyCommands *safety_;
    QAction *readFirstEntry_ = nullptr;
    QPointer<FrmRadioHistory> window_;
    Step step_ = Step::None;
    std::optional<RadioImage> documentDuringRestore_;
    QString restoring_;           // the entry a restore writes
};
