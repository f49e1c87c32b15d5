#include "CliPrompts.h"

#include "ControlChars.h"
#include "LangText.h"
#include "RecentMessages.h"

#include <cstdio>

void CliPrompts::message(const QString &text, MsgIcon)
{
    // Messages written for a window may break lines with CR LF; a terminal wants LF.
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    std::fprintf(stderr, "%s\n", EscapeControls(lines, LineBreaks::Keep).toLocal8Bit().constData());
    RememberShownMessage(lines);
}

Answer CliPrompts::ask(const QString &text, AskButtons buttons, MsgIcon icon)
{
    message(text, icon);
    message(LangText(30006), icon);
    return buttons == AskButtons::YesNo ? Answer::No : Answer::Cancel;
}
