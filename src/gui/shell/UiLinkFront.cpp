#include "UiLinkFront.h"

#include "FrmPassWord.h"
#include "FrmProgress.h"

#include <QTimer>

std::optional<QString> UiLinkFront::askPassword(const QString &current)
{
    return FrmPassWord::Ask(parent_, current);
}

// Shown application-modal without a nested event loop; the transfer begins from the
// event loop once the window is up.
void UiLinkFront::openProgress(int operation, std::function<void()> beginTransfer)
{
    if (progress_)
        progress_->finish();
    progress_ = new FrmProgress(operation, parent_);
    progress_->setAttribute(Qt::WA_DeleteOnClose);
    progress_->setWindowModality(Qt::ApplicationModal);
    QObject::connect(progress_.data(), &FrmProgress::cancelRequested, progress_.data(), [this] {
        if (cancel_)
            cancel_();
    });
    progress_->show();
    showStatus(FrmProgress::PhaseText(operation == 2 ? LinkPhase::Writing : LinkPhase::Reading));
    QTimer::singleShot(0, progress_.data(), std::move(beginTransfer));
}

void UiLinkFront::setProgress(int percent)
{
    if (progress_)
        progress_->SetProgressValue(percent);
}

void UiLinkFront::closeProgress()
{
    if (progress_)
        progress_->finish();
    progress_ = nullptr;
    showStatus(QString());
}

void UiLinkFront::setPhase(LinkPhase phase)
{
    if (progress_) {
        progress_->setPhase(phase);
        showStatus(FrmProgress::PhaseText(phase));
    }
}

void UiLinkFront::showStatus(const QString &text)
{
    status_ = text;
    if (statusHandler_)
        statusHandler_(text);
}

bool UiLinkFront::progressVisible() const
{
    return progress_ && progress_->isVisible();
}
