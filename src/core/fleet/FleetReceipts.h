#pragma once
#include "FleetSession.h"

#include <QString>

// A receipt recorder that keeps each radio a fleet session wrote in the radio history
// of `folder`: the image written, what it changed against the radio's last known
// contents (when the history has them) and the result of the check after writing.
FleetReceiptRecorder HistoryReceiptRecorder(const QString &folder);
