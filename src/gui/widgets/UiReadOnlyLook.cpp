#include "UiReadOnlyLook.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>

void ShowReadOnly(QWidget *field)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    palette.setColor(QPalette::Button, palette.color(QPalette::Window));
    field->setPalette(palette);
    if (auto *line = qobject_cast<QLineEdit *>(field)) {
        line->setReadOnly(true);
    } else if (auto *text = qobject_cast<QPlainTextEdit *>(field)) {
        text->setReadOnly(true);
    } else if (auto *list = qobject_cast<QComboBox *>(field)) {
        list->setFocusPolicy(Qt::NoFocus);
        list->setAttribute(Qt::WA_TransparentForMouseEvents);
        list->setStyleSheet(QStringLiteral("QComboBox { background: palette(window); border: 1px solid palette(mid);"
                                           " padding: 1px 4px; } QComboBox::drop-down { width: 0; border: none; }"));
    }
}
