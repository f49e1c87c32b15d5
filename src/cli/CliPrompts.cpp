#include "CliPrompts.h"

#include "ControlChars.h"
#include "LangText.h"
#include "RecentMessages.h"

#include <QStringList>

#include <cstdio>

void CliPrompts::message(const QString &text, MsgIcon)
{
    // Messages break their lines as message boxes do (CR LF); a terminal or a log file
    // wants LF alone, and a CR anywhere else is a control character like any other.
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        line = EscapeControls(line);
    }
    std::fprintf(stderr, "%s\n", lines.join(QLatin1Char('\n')).toLocal8Bit().constData());
    RememberShownMessage(lines.join(QLatin1Char('\n')));
}

Answer CliPrompts::ask(const QString &text, AskButtons buttons, MsgIcon icon)
{
    message(text, icon);
    message(LangText(30006), icon);
    return buttons == AskButtons::YesNo ? Answer::No : Answer::Cancel;
}
