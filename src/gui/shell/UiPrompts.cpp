#include "UiPrompts.h"

#include "ControlChars.h"
#include "DocumentCommands.h"
#include "LangText.h"
#include "RecentMessages.h"

#include <QApplication>
#include <QMessageBox>

namespace {
QMessageBox::Icon boxIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Warning: return QMessageBox::Warning;
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(AskButtons buttons)
{
    switch (buttons) {
    case AskButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case AskButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case AskButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case AskButtons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

Answer answerOf(int button)
{
    switch (button) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Retry: return Answer::Retry;
    default: return Answer::Cancel;
    }
}

QString appTitle()
{
    const QString t = LangText(12000);
    return t.isEmpty() ? QCoreApplication::applicationName() : t;
}
}

void UiPrompts::message(const QString &text, MsgIcon icon)
{
    // Texts may carry what a radio sent (a firmware version); control bytes are dropped.
    QMessageBox box(boxIcon(icon), appTitle(), DropControls(text, LineBreaks::Keep), QMessageBox::Ok, parent_);
    RememberShownMessage(DropControls(text, LineBreaks::Keep));
    box.exec();
}

Answer UiPrompts::ask(const QString &text, AskButtons buttons, MsgIcon icon)
{
    return askTitled(appTitle(), text, buttons, icon);
}

Answer UiPrompts::askTitled(const QString &title, const QString &text, AskButtons buttons, MsgIcon icon)
{
    QMessageBox box(boxIcon(icon), title.isEmpty() ? appTitle() : title, DropControls(text, LineBreaks::Keep),
                    boxButtons(buttons), parent_);
    RememberShownMessage(DropControls(text, LineBreaks::Keep));
    return answerOf(box.exec());
}

bool UiPrompts::confirmEnd()
{
    return SettleBeforeExit() == UnsavedDecision::Proceed;
}

void UiPrompts::endProgram()
{
    if (onEndProgram)
        onEndProgram();
    else
        QApplication::exit(0);
}
