#include "FileChooser.h"

namespace {
FileChooser *current = nullptr;
}

FileChooser &fileChooser()
{
    static CancellingFileChooser cancelling;
    return current ? *current : cancelling;
}

void setFileChooser(FileChooser *chooser)
{
    current = chooser;
}
