#include "OptFeatureTable.h"

#include "ChannelGroup.h"
#include "LangText.h"
#include "RadioImage.h"

namespace {
QStringList numbers(int first, int last, int step = 1, const QString &suffix = QString())
{
    QStringList list;
    for (int v = first; v <= last; v += step)
        list << QString::number(v) + suffix;
    return list;
}

OptionSelector byPosition(const QStringList &entries)
{
    return {entries, false, 0};
}

OptionSelector byNumber(const QStringList &entries, int16_t fallback)
{
    return {entries, true, fallback};
}

QStringList radioGroups(int band)
{
    QStringList names;
    for (int g = 0; g < GroupCount(band); ++g) {
        if (!IsMemGroup(g, band) && !GroupName(g, band).isEmpty())
            names << GroupName(g, band);
    }
    return names;
}
}

QStringList OffOnEntries() { return {QStringLiteral("Off"), QStringLiteral("On")}; }
QStringList DupEntries() { return {QStringLiteral("Off"), QStringLiteral("+"), QStringLiteral("-")}; }
QStringList AmFmEntries() { return {QStringLiteral("FM"), QStringLiteral("AM")}; }

QStringList PowerEntries(int16_t amFm)
{
    QStringList list{LangText(15044), LangText(15045)};
    if (amFm <= 0)
        list << LangText(15046);
    return list;
}

QStringList CbGroupTopEntries()
{
    return {QStringLiteral("EU"), QStringLiteral("CE"), QStringLiteral("U"), QStringLiteral("PL"),
            QStringLiteral("I2"), QStringLiteral("DE"), QStringLiteral("IN")};
}

QStringList CbGroupSubEntries()
{
    return {QStringLiteral("U"), QStringLiteral("UK")};
}

OptionSelector OptionSelectorAt(int index, int band)
{
    switch (index) {
    case 1: return byPosition(radioGroups(band));
    case 3: return byPosition(numbers(0, 30, 1, LangText(16061)));
    case 4: return byNumber(numbers(1, 3), 1);
    case 5: return byNumber(numbers(1, 56), 1);
    case 6: return byPosition(QStringList{LangText(16040)} + numbers(1, 28));
    case 8: return byNumber(numbers(1, 9), 1);
    case 9: return byPosition(QStringList{LangText(16040)} + numbers(3, 30, 3) + QStringList{LangText(16049)});
    case 10: return byPosition({LangText(17001), LangText(17002)});
    case 11: return byPosition({LangText(16059), LangText(16058)});
    case 12: return byPosition(numbers(5, 30, 5, LangText(16060)));
    case 13:
    case 14: return byNumber(numbers(1, 7), 1);
    default: return byPosition(OffOnEntries());   // 0, 2, 7, 15, 16
    }
}

int16_t &OptionField(OptionBlock &block, int index)
{
    int16_t *field = block.option(index + 1);
    Q_ASSERT(field && index >= 0 && index < kOptionSelectors);
    return *field;
}

int OptionCaptionId(int index)
{
    return 16001 + index;
}
