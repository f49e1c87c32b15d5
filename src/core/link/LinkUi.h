#pragma once
#include <QString>
#include <functional>
#include <optional>

// What the progress window says is running.
enum class LinkPhase { Reading, Writing, Verifying, Cancelling };

// What the link engine needs from a front end besides messages and questions (those go
// through prompts(), see Prompts.h). The desktop program implements it with FrmPassWord
// and FrmProgress; the command-line tool and the tests use HeadlessLinkUi.
//
// Every call comes from the engine on the GUI thread, from an event handler (a menu
// command, a serial receive event or the reply time-out). The engine stops its reply
// time-out and ignores receive events while askPassword() runs, so a modal dialog may
// run its own event loop there.
class LinkUi {
public:
    virtual ~LinkUi() = default;

    // The programming password dialog (FrmPassWord), shown modally with `current` (the
    // password last confirmed, ProgPassword) filled in and masked. Returns the text the
    // user confirmed with OK, unprocessed (the engine trims it with TrimAtNul and stores
    // it as ProgPassword), or std::nullopt for Cancel.
    virtual std::optional<QString> askPassword(const QString &current) = 0;

    // The progress window (FrmProgress) of a read (operation 1) or a write (operation 2);
    // the radio-information read (3) has none.
    //
    // openProgress shows the window modally with its captions for the operation (caption
    // LangText(9026 + operation), Label1 LangText(9029), bar 0, Label2 "0%") and then calls
    // beginTransfer() exactly once, after the window is showing and from the event loop
    // that serves it; beginTransfer opens the port and sends the first command. The
    // window stays until the engine calls closeProgress() at the end of the operation
    // (success or failure); the user cannot close it.
    //
    // Either style works, the engine does not depend on which:
    //   - blocking: QDialog::exec(), with beginTransfer queued from showEvent
    //     (QTimer::singleShot(0, ...)) so it runs inside exec's loop; closeProgress()
    //     calls done(), exec returns once the operation has ended;
    //   - non-blocking: show the window (QDialog::open) and queue beginTransfer; return.
    // closeProgress() may come while beginTransfer() is still running (the port could
    // not be reopened), so it must not assume that exec's loop has started: queue
    // beginTransfer, never call it directly from showEvent.
    virtual void openProgress(int operation, std::function<void()> beginTransfer) = 0;

    // SetProgressValue and Label2: percent 0..100, shown as the bar and "<percent>%".
    virtual void setProgress(int percent) = 0;

    // Removes the progress window (unload).
    virtual void closeProgress() = 0;

    // Whether the progress window is visible; while it is hidden the engine still
    // tracks the percentage but does not call setProgress.
    virtual bool progressVisible() const = 0;

    // The phase now running: a read or a write begins as Reading or Writing (the window
    // knows that from the operation); a write that checks what the radio stored moves
    // on to Verifying, and a cancel request shows Cancelling until the exchange in
    // flight has ended.
    virtual void setPhase(LinkPhase phase) { (void)phase; }
};
