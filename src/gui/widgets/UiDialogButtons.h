#pragma once

class QBoxLayout;
class QDialog;
class QPushButton;

// The OK/Cancel row of the program's dialogs: CommandOK (the default button) and
// CommandCancel (rejects the dialog), captioned in the current language and aligned
// right, appended to `layout`. The caller decides what OK does.
QPushButton *AddOkCancelRow(QDialog *dialog, QBoxLayout *layout);
