#pragma once
#include "Prompts.h"

#include <QPointer>
#include <QWidget>
#include <functional>

// Messages and questions of the desktop program as message boxes, titled with the
// application title and centred on the main window.
class UiPrompts : public Prompts {
public:
    void message(const QString &text, MsgIcon icon = MsgIcon::None) override;
    Answer ask(const QString &text, AskButtons buttons, MsgIcon icon) override;
    Answer askTitled(const QString &title, const QString &text, AskButtons buttons, MsgIcon icon) override;
    // Asks about unsaved changes before another release takes over.
    bool confirmEnd() override;
    // Ends the program at once (no further questions).
    void endProgram() override;

    void setParentWindow(QWidget *w) { parent_ = w; }
    // Runs instead of quitting when set (the main window closes itself without asking).
    std::function<void()> onEndProgram;

private:
    QPointer<QWidget> parent_;
};
