#pragma once
#include <QString>

// Questions and messages of the core go through this interface: the desktop program
// answers with message boxes, the command-line tool from its options, tests from a script.
enum class MsgIcon { None, Information, Question, Warning, Critical };
enum class AskButtons { OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Answer { Ok, Cancel, Yes, No, Retry };

class Prompts {
public:
    virtual ~Prompts() = default;
    virtual void message(const QString &text, MsgIcon icon = MsgIcon::None) = 0;
    virtual Answer ask(const QString &text, AskButtons buttons, MsgIcon icon) = 0;
    // A question with a window title of its own; front ends without titles just ask.
    virtual Answer askTitled(const QString &title, const QString &text, AskButtons buttons, MsgIcon icon)
    {
        (void)title;
        return ask(text, buttons, icon);
    }
    // Asked before the program ends to start another release; false keeps it running
    // (the desktop program asks about unsaved changes here).
    virtual bool confirmEnd() { return true; }
    // The program must end now (another release was started for the radio or file).
    virtual void endProgram() = 0;
};

// Prints messages on stderr and declines every question; the default until a front end
// installs its own.
class DecliningPrompts : public Prompts {
public:
    void message(const QString &text, MsgIcon icon = MsgIcon::None) override;
    Answer ask(const QString &text, AskButtons buttons, MsgIcon icon) override;
    void endProgram() override;
    bool endRequested = false;
};

Prompts &prompts();
void setPrompts(Prompts *p);   // nullptr restores the declining default
