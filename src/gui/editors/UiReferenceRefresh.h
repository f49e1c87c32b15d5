#pragma once

class QComboBox;

// Keeps the open channel windows in step with the DTMF codes and tone tips they refer to.

// Refills a DTMF code selector with the defined codes and selects the entry it showed
// before (the first entry when that code is gone). Display only: nothing is stored.
void RefreshCodeList(QComboBox *selector);
// Refreshes Combo2(11)..Combo2(13) of every open FrmCHInfoEdit and FrmOptFeatures.
void RefreshDtmfCodeSelectors();
// Sets every roger-beep reference to a tone tip that is not usable to 0, then lets the
// open channel edit and optional features windows show their roger-beep lists again.
void ClearUnusableRB();
