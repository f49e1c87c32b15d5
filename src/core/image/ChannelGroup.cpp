#include "ChannelGroup.h"

#include "RadioImage.h"

namespace {
struct GroupDef {
    const char *name;
    int start;
    int size;
};

// CB country modes: start and size of each group in channel numbers.
constexpr GroupDef kCbGroups[] = {
    {"EU", 0, 40}, {"CE", 40, 40}, {"U", 80, 40}, {"UK", 120, 40}, {"PL", 160, 40},
    {"I2", 200, 40}, {"DE", 240, 80}, {"IN", 320, 40}, {"MEM", 401, 8},
};

bool isBankBand(int band) { return band == 1 || band == 2; }
}

int GroupOfChannel(int number, int band)
{
    if (band == 0) {
        if (number > 360)
            return kCbMemGroup;
        if (number > 320)
            return 7;
        if (number > 240)
            return kCbGroupDe;
        return number <= 0 ? 0 : (number - 1) / 40;
    }
    if (isBankBand(band))
        return (number - 1) / 40;
    return -1;
}

int GroupCount(int band)
{
    return band == 0 ? 9 : (isBankBand(band) ? 12 : 0);
}

int GroupStart(int group, int band)
{
    if (band == 0)
        return group >= 0 && group < 9 ? kCbGroups[group].start : 0;
    if (isBankBand(band)) {
        if (group >= 0 && group <= 9)
            return 40 * group;
        if (group == kBankVfoGroup)
            return 400;
        if (group == kBankMemGroup)
            return 401;
    }
    return 0;
}

int GroupSize(int group, int band)
{
    if (band == 0)
        return group >= 0 && group < 9 ? kCbGroups[group].size : 0;
    if (isBankBand(band)) {
        if (group >= 0 && group <= 9)
            return 40;
        if (group == kBankVfoGroup)
            return 1;
        if (group == kBankMemGroup)
            return 8;
    }
    return 0;
}

QString GroupName(int group, int band)
{
    if (band == 0)
        return group >= 0 && group < 9 ? QString::fromLatin1(kCbGroups[group].name) : QString();
    if (isBankBand(band)) {
        if (group >= 0 && group <= 9)
            return QString(QChar('A' + group));
        if (group == kBankVfoGroup)
            return QStringLiteral("VFO");
        if (group == kBankMemGroup)
            return QStringLiteral("MEM");
    }
    return QString();
}

QStringList GroupNames(int band)
{
    QStringList names;
    for (int g = 0; g < GroupCount(band); ++g) {
        const QString n = GroupName(g, band);
        if (!n.isEmpty())
            names << n;
    }
    return names;
}

int GroupIndexByName(const QString &name, int band)
{
    for (int g = 0; g < GroupCount(band); ++g) {
        if (GroupName(g, band) == name)
            return g;
    }
    return -1;
}

bool IsMemGroup(int group, int band)
{
    return (band == 0 && group == kCbMemGroup) || (isBankBand(band) && group == kBankMemGroup);
}

bool IsVfoGroup(int group, int band)
{
    return isBankBand(band) && group == kBankVfoGroup;
}

int MemGroupOf(int band)
{
    return band == 0 ? kCbMemGroup : kBankMemGroup;
}

int EnableFlagsInUse(int band)
{
    return band == 0 ? 8 : 10;
}

bool IsInGroup(int number, int group, int band)
{
    const int offset = number - GroupStart(group, band);
    return GroupSize(group, band) > 0 && offset >= 1 && offset <= GroupSize(group, band);
}

int ChannelsInGroup(const RadioImage &img, int group, int band)
{
    int n = 0;
    for (int s = 0; s < img.count(); ++s)
        n += IsInGroup(img.at(s).number, group, band) ? 1 : 0;
    return n;
}

int ChannelsOutsideGroup(const RadioImage &img, int group, int band)
{
    int n = 0;
    for (int s = 0; s < img.count(); ++s) {
        const int number = img.at(s).number;
        n += (!IsInGroup(number, group, band) && number <= kMaxMemoryChannel) ? 1 : 0;
    }
    return n;
}

int PositionInGroup(const RadioImage &img, int group, int band, int position)
{
    const int start = GroupStart(group, band);
    int last = 0;
    for (int s = 0; s < img.count(); ++s) {
        const int number = img.at(s).number;
        if (!IsInGroup(number, group, band))
            continue;
        const int offset = number - start;
        if (offset == position)
            return position;
        last = offset;
    }
    return last;
}

void EnsureValidGroup(RadioImage &img, int band)
{
    const int flags = EnableFlagsInUse(band);
    OptionBlock &o = img.header.options;
    for (int g = 0; g < flags; ++g) {
        if (o.groupEnabled[g] > 0)
            return;
    }
    for (int s = 0; s < img.count(); ++s) {
        const int g = GroupOfChannel(img.at(s).number, band);
        if (g >= 0 && g < flags) {
            o.groupEnabled[g] = 1;
            return;
        }
    }
}
