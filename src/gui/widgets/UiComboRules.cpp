#include "UiComboRules.h"

#include "FreqCodec.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

QString FindComboText(const QComboBox *list, const QString &text)
{
    if (list->count() == 0)
        return QString();
    const int i = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return list->itemText(i >= 0 ? i : 0);
}

void SelectComboText(QComboBox *list, const QString &text)
{
    if (list->count() == 0)
        return;
    const int i = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    list->setCurrentIndex(i >= 0 ? i : 0);
}

QString ComboItemAt(const QComboBox *list, int position)
{
    if (list->count() == 0)
        return QString();
    return list->itemText(position >= 0 && position < list->count() ? position : 0);
}

void SelectComboIndex(QComboBox *list, int position)
{
    if (list->count() == 0)
        return;
    list->setCurrentIndex(position >= 0 && position < list->count() ? position : 0);
}

int16_t ComboNumberOr(const QComboBox *list, int16_t fallback)
{
    if (list->currentIndex() < 0 || !IsNumericText(list->currentText()))
        return fallback;
    const double v = NumericValue(list->currentText());
    return v < -32768 || v > 32767 ? fallback : int16_t(qRound(v));
}

void ComboIndexIfAny(const QComboBox *list, int16_t &variable)
{
    if (list->currentIndex() >= 0)
        variable = int16_t(list->currentIndex());
}

bool NotInComboList(const QComboBox *list, int position)
{
    return position < 0 || position >= list->count();
}

void FillCombo(QComboBox *list, const QStringList &entries)
{
    const QSignalBlocker block(list);
    list->clear();
    list->addItems(entries);
    list->setCurrentIndex(-1);
}

void SetTextBoxState(QLineEdit *box, const QString &text, const QColor &background, bool enabled)
{
    box->setEnabled(enabled);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, background);
    box->setPalette(pal);
    box->setText(text);
}

void SetCheckValue(QCheckBox *box, int16_t &value)
{
    if (value > 1)
        value = 0;
    box->setChecked(value == 1);
}
