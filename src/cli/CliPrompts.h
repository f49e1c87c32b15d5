#pragma once
#include "Prompts.h"

// The command-line tool's answers: it asks nothing. A question is printed with the
// answer it got (no), so "Try again?" never waits for a reply that cannot come; control
// characters of radio texts are shown escaped, never sent to the terminal.
class CliPrompts : public DecliningPrompts {
public:
    void message(const QString &text, MsgIcon icon = MsgIcon::None) override;
    Answer ask(const QString &text, AskButtons buttons, MsgIcon icon) override;
};
