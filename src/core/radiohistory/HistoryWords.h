#pragma once
#include "HistoryEntry.h"

#include <QString>

// The words in which the radio history and the outcome of a write are shown, in the
// user's language (English when no language file is loaded, as in the command-line
// tool).
namespace HistoryWords {

QString Kind(HistoryKind kind);                  // "read", "verified write", ...
QString Result(const HistoryEntry &e);           // "" for a read; "partial: new data up to 0A3F"
QString RadioTitle(const QString &serial);       // "Radio TV2-0001234", "Radio without a known serial number"
QString ChangeCount(int n);                      // "3 changes"
QString EntryTitle(const HistoryEntry &e);       // "2026-12-08 09:30:15 read (TV2-0001234)"

} // namespace HistoryWords
