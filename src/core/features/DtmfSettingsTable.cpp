#include "DtmfSettingsTable.h"

#include "LangText.h"

namespace {
QStringList times(int first, int last, int step)
{
    QStringList list;
    for (int v = first; v <= last; v += step)
        list << QString::number(v);
    return list;
}
}

QStringList DtmfSelectorEntries(int index)
{
    switch (index) {
    case 0: return times(10, 500, 10);        // digit rate
    case 1: return times(0, 1000, 100);       // first digit time
    case 2: return times(100, 2500, 100);     // first digit delay
    case 3: return {QStringLiteral("0"), QStringLiteral("100"), QStringLiteral("500"), QStringLiteral("1000")};
    case 4: {
        QStringList list{LangText(18040)};
        for (int s = 1; s <= 16; ++s)
            list << QString::number(s) + QStringLiteral("s");
        return list;
    }
    default: return {};
    }
}

int DtmfSelectorUnitMs(int index)
{
    return index == 0 ? 10 : 100;
}

int DtmfSelectorCaptionId(int index)
{
    return 18005 + index;
}
