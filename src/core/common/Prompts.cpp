#include "Prompts.h"

#include <cstdio>

void DecliningPrompts::message(const QString &text, MsgIcon)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

Answer DecliningPrompts::ask(const QString &text, AskButtons buttons, MsgIcon)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    return buttons == AskButtons::YesNo ? Answer::No : Answer::Cancel;
}

void DecliningPrompts::endProgram()
{
    endRequested = true;
}

namespace {
DecliningPrompts &declining()
{
    static DecliningPrompts p;
    return p;
}
Prompts *current = nullptr;
}

Prompts &prompts()
{
    return current ? *current : declining();
}

void setPrompts(Prompts *p)
{
    current = p;
}
