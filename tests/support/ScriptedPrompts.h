#pragma once
#include "Prompts.h"

#include <QList>
#include <QString>
#include <QStringList>

// Answers questions from a queue and records every message and question, so a test can
// check exactly what the user would have seen, in order.
class ScriptedPrompts : public Prompts {
public:
    ScriptedPrompts() { setPrompts(this); }
    ~ScriptedPrompts() override { setPrompts(nullptr); }

    void message(const QString &text, MsgIcon icon = MsgIcon::None) override
    {
        messages << text;
        icons << icon;
        log << QStringLiteral("message: ") + text;
    }
    Answer ask(const QString &text, AskButtons buttons, MsgIcon) override
    {
        questions << text;
        log << QStringLiteral("ask: ") + text;
        if (!answers.isEmpty())
            return answers.takeFirst();
        return buttons == AskButtons::YesNo ? Answer::No : Answer::Cancel;
    }
    void endProgram() override { endRequested = true; }

    QList<Answer> answers;      // consumed in order; when empty: No / Cancel
    QStringList messages;
    QList<MsgIcon> icons;
    QStringList questions;
    QStringList log;            // messages and questions interleaved
    bool endRequested = false;
};
