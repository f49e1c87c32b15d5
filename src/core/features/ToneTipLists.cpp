#include "ToneTipLists.h"

#include "LangText.h"

namespace {
QStringList tens(int first, int last)
{
    QStringList list;
    for (int v = first; v <= last; ++v)
        list << QString::number(v * 10);
    return list;
}
}

QStringList LoopCountEntries()
{
    QStringList list{LangText(29200)};
    for (int n = 1; n <= 10; ++n)
        list << QString::number(n);
    return list;
}

QStringList TimeEntries() { return tens(0, 255); }
QStringList FrequencyEntries() { return QStringList{LangText(29201)} + tens(40, 255); }
QStringList FrequencyValueEntries() { return QStringList{LangText(29201)} + tens(1, 255); }
