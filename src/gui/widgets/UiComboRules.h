#pragma once
#include <QString>
#include <cstdint>

class QComboBox;
class QLineEdit;
class QCheckBox;
class QColor;

// Selection rules shared by every dialog. By position: the entry at the position, the
// first entry when the position is out of range. By text: the entry equal to the text,
// the first entry when none is. An empty list selects nothing.
QString FindComboText(const QComboBox *list, const QString &text);
void SelectComboText(QComboBox *list, const QString &text);
QString ComboItemAt(const QComboBox *list, int position);
void SelectComboIndex(QComboBox *list, int position);
int16_t ComboNumberOr(const QComboBox *list, int16_t fallback);   // selected text as a number
void ComboIndexIfAny(const QComboBox *list, int16_t &variable);    // selected position, if any
bool NotInComboList(const QComboBox *list, int position);
void FillCombo(QComboBox *list, const QStringList &entries);       // clears, then adds; no signals

void SetTextBoxState(QLineEdit *box, const QString &text, const QColor &background, bool enabled);
void SetCheckValue(QCheckBox *box, int16_t &value);                // above 1 becomes 0 first
