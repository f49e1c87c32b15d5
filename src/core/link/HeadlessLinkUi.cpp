#include "HeadlessLinkUi.h"

#include <QTimer>

std::optional<QString> HeadlessLinkUi::askPassword(const QString &)
{
    ++passwordRequests;
    return passwordAnswer;
}

void HeadlessLinkUi::openProgress(int operation, std::function<void()> beginTransfer)
{
    progressOperation = operation;
    progressOpen = true;
    ++progressOpened;
    percents.clear();
    phases.clear();
    QTimer::singleShot(0, &context_, std::move(beginTransfer));
}

void HeadlessLinkUi::setProgress(int percent)
{
    percents << percent;
}

void HeadlessLinkUi::closeProgress()
{
    progressOpen = false;
}
