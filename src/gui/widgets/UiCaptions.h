#pragma once

class QWidget;

// Button captions every dialog shares, found by control name on the form.
void ShowOkCancelCaptions(QWidget *form);      // CommandOK, CommandCancel
void ShowCloseHelpCaptions(QWidget *form);     // CommandClose, CommandHelp
