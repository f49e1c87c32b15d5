#pragma once

class QWidget;

// Fields that only show values look it: the background of the window instead of the
// white of a field that takes typing, no drop-down arrow on a list, and a list neither
// opens nor takes the focus. Text stays selectable for copying.
void ShowReadOnly(QWidget *field);
