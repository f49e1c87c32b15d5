#include "KeyFunctionList.h"

QStringList KeyModeSetEntries()
{
    return {QStringLiteral("1&2"), QStringLiteral("1&3"), QStringLiteral("2&3"), QStringLiteral("1&2&3")};
}

QStringList KeyFunctionEntries()
{
    return {QStringLiteral("MOD"), QStringLiteral("RFG"), QStringLiteral("EMG"), QStringLiteral("VOL"),
            QStringLiteral("SQL"), QStringLiteral("POW"), QStringLiteral("DSP"), QStringLiteral("SCA"),
            QStringLiteral("MEM"), QStringLiteral("BND"), QStringLiteral("DW"), QStringLiteral("CAL"),
            QStringLiteral("NB"), QStringLiteral("RB"), QStringLiteral("HIC"), QStringLiteral("TSQ"),
            QStringLiteral("SPL"), QStringLiteral("5K"), QStringLiteral("DIM"), QStringLiteral("NULL")};
}
