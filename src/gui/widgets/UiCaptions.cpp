#include "UiCaptions.h"

#include "LangText.h"

#include <QAbstractButton>
#include <QWidget>

namespace {
void setCaption(QWidget *form, const char *name, int id)
{
    if (auto *b = form->findChild<QAbstractButton *>(QString::fromLatin1(name)))
        b->setText(LangText(id));
}
}

void ShowOkCancelCaptions(QWidget *form)
{
    setCaption(form, "CommandOK", 9017);
    setCaption(form, "CommandCancel", 9018);
}

void ShowCloseHelpCaptions(QWidget *form)
{
    setCaption(form, "CommandClose", 9023);
    setCaption(form, "CommandHelp", 9025);
}
