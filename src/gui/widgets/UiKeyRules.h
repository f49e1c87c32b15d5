#pragma once
#include <QObject>
#include <functional>

class QWidget;

// Key rules of the text boxes and lists, installed as an event filter:
// - every rule: Enter runs the commit action (if any), moves the focus on as Tab would,
//   and is swallowed; copy, cut and paste are refused, as is every character above 127;
// - Frequency: of the printable characters only the digits and "." pass;
// - Digits: only the digits pass;
// - Dtmf: the digits, "#" and "*" pass, a to d become A to D, everything else is refused;
// - EnterOnly: characters are not filtered (lists, check boxes, tabs).
class KeyRules : public QObject {
    Q_OBJECT
public:
    enum Rule { EnterOnly, Frequency, Digits, Dtmf };

    // Installs the rule on the widget; the filter is owned by the widget.
    static KeyRules *install(QWidget *widget, Rule rule, std::function<void()> onEnter = {});
    // Decides one typed character: the character to insert, or a null QChar to refuse it.
    static QChar filterChar(Rule rule, QChar c);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    KeyRules(QWidget *widget, Rule rule, std::function<void()> onEnter);
    Rule rule_;
    std::function<void()> onEnter_;
};
