#include "CliPrompts.h"

#include "ControlChars.h"
#include "LangText.h"

#include <cstdio>

void CliPrompts::message(const QString &text, MsgIcon)
{
    std::fprintf(stderr, "%s\n", EscapeControls(text, LineBreaks::Keep).toLocal8Bit().constData());
}

Answer CliPrompts::ask(const QString &text, AskButtons buttons, MsgIcon icon)
{
    message(text, icon);
    message(LangText(30006), icon);
    return buttons == AskButtons::YesNo ? Answer::No : Answer::Cancel;
}
