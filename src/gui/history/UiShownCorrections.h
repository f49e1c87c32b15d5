#pragma once
#include "RadioImage.h"

class QWidget;

// Values a window stores merely by being shown: a damaged file's value the window cannot
// show as it is stored (a check box for an out-of-range flag, a power an AM channel does
// not have) is stored as the window shows it. Such a correction becomes an undo step of
// its own, and a warning names the values in the words of the open-time warning.
class ShownCorrections {
public:
    ShownCorrections();   // the image before the window is built
    // After the window has shown its values: records and reports what changed.
    void settle(const QWidget *window) const;

private:
    RadioImage before_;
};
