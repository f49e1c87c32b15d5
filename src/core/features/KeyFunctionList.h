#pragma once
#include <QStringList>

// Programmable keys: three key modes of six keys P1..P6. A key stores its function as
// list position + 1, the key mode set its list position.
constexpr int kKeyModes = 3;
constexpr int kKeysPerMode = 6;

QStringList KeyModeSetEntries();     // "1&2", "1&3", "2&3", "1&2&3"
QStringList KeyFunctionEntries();    // 20 functions, "MOD" (1) to "NULL" (20)
