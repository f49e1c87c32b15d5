#pragma once
#include <QList>
#include <QRect>

struct ToneTip;

// Bars of the tone tip graph on a scale of width x height units: one bar per step with
// a length, standing on a base line 50 units above the bottom, widths sharing
// width - 100 units in proportion to the step lengths, heights reaching height - 100
// units at a frequency value of 256 (2560 Hz). Odd steps are red, even steps blue.
struct TipBar {
    QRect box;          // in scale units, y growing downwards
    bool odd = true;    // step 1, 3, 5... (drawn red)
};

QList<TipBar> TipGraphBars(const ToneTip &tip, int scaleWidth, int scaleHeight);
