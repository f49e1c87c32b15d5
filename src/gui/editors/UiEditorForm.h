#pragma once
#include <QList>
#include <QPair>
#include <QString>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class QHBoxLayout;
class QGridLayout;

// Small pieces every editor window shares.

// Closes the window, and its MDI frame when it has one.
void CloseEditorForm(QWidget *form);
// A list with its control name; Enter moves on like Tab.
QComboBox *MakeSelector(QWidget *parent, const QString &name);
// A caption label right-aligned against its control.
QLabel *MakeLabel(QWidget *parent, const QString &name);
// The whole text is selected whenever the box gets the focus.
void SelectAllOnFocus(QLineEdit *box);
// CommandClose (closes the form) and the hidden CommandHelp, right-aligned in a row.
QHBoxLayout *MakeCloseHelpRow(QWidget *form);
// Runs the action whenever the control loses the focus.
void OnFocusOut(QWidget *control, std::function<void()> action);
// Runs the action whenever the control gets the focus.
void OnFocusIn(QWidget *control, std::function<void()> action);
// Caption and control pairs laid out in rows, split over the given number of columns.
using CaptionRow = QPair<QWidget *, QWidget *>;
QGridLayout *MakeRowsGrid(const QList<CaptionRow> &rows, int columns);
