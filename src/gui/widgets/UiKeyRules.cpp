#include "UiKeyRules.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

KeyRules::KeyRules(QWidget *widget, Rule rule, std::function<void()> onEnter)
    : QObject(widget), rule_(rule), onEnter_(std::move(onEnter))
{
}

KeyRules *KeyRules::install(QWidget *widget, Rule rule, std::function<void()> onEnter)
{
    auto *filter = new KeyRules(widget, rule, std::move(onEnter));
    widget->installEventFilter(filter);
    if (rule != EnterOnly) {
        widget->setContextMenuPolicy(Qt::NoContextMenu);   // no paste through the menu
        widget->setAcceptDrops(false);
    }
    if (auto *combo = qobject_cast<QComboBox *>(widget); combo && combo->lineEdit())
        combo->lineEdit()->installEventFilter(filter);
    return filter;
}

QChar KeyRules::filterChar(Rule rule, QChar c)
{
    const ushort u = c.unicode();
    if (u > 127)
        return QChar();
    if (u < 32 || u == 127 || rule == EnterOnly)
        return c;
    const bool digit = u >= '0' && u <= '9';
    switch (rule) {
    case Frequency:
        return digit || c == QLatin1Char('.') ? c : QChar();
    case Digits:
        return digit ? c : QChar();
    case Dtmf:
        if (digit || c == QLatin1Char('#') || c == QLatin1Char('*'))
            return c;
        if ((u >= 'a' && u <= 'd') || (u >= 'A' && u <= 'D'))
            return c.toUpper();
        return QChar();
    case EnterOnly:
        break;
    }
    return c;
}

bool KeyRules::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (onEnter_)
            onEnter_();
        if (auto *w = qobject_cast<QWidget *>(parent()); w && w->isVisible()) {
            // A Tab press moves the focus to the next control of the window.
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QApplication::sendEvent(w, &tab);
        }
        return true;
    }
    if (rule_ == EnterOnly)
        return false;
    if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Paste))
        return true;
    const QString text = key->text();
    if (text.size() != 1)
        return false;   // navigation, Backspace, Delete and other keys without a character
    const QChar c = text.at(0);
    if (c.unicode() < 32 || c.unicode() == 127)
        return false;
    const QChar accepted = filterChar(rule_, c);
    if (accepted.isNull())
        return true;
    if (accepted != c) {
        // Insert the converted character in place of the typed one.
        if (auto *edit = qobject_cast<QLineEdit *>(watched)) {
            edit->insert(QString(accepted));
            return true;
        }
    }
    return false;
}
