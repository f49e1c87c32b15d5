#pragma once
#include "LinkUi.h"

#include <QPointer>
#include <QWidget>

#include "FrmProgress.h"

// The link engine's windows in the desktop program: the password dialog (FrmPassWord)
// and the progress window (FrmProgress), modal over the main window.
class UiLinkFront : public LinkUi {
public:
    explicit UiLinkFront(QWidget *parent) : parent_(parent) {}

    std::optional<QString> askPassword(const QString &current) override;
    void openProgress(int operation, std::function<void()> beginTransfer) override;
    void setProgress(int percent) override;
    void closeProgress() override;
    bool progressVisible() const override;
    void setPhase(LinkPhase phase) override;

    // What the progress window's Cancel button (and Esc) does: the engine's Cancel.
    void setCancelHandler(std::function<void()> cancel) { cancel_ = std::move(cancel); }

    FrmProgress *progressWindow() const { return progress_; }

    // What a transfer is doing, for the main window's status bar: the progress window's
    // phase while it is open, empty otherwise. The handler hears every change.
    QString statusText() const { return status_; }
    void setStatusHandler(std::function<void(const QString &)> handler) { statusHandler_ = std::move(handler); }

private:
    QPointer<QWidget> parent_;
    QPointer<FrmProgress> progress_;
    std::function<void()> cancel_;
    QString status_;
    std::function<void(const QString &)> statusHandler_;
    void showStatus(const QString &text);
};
