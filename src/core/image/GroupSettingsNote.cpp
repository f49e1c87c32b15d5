#include "GroupSettingsNote.h"

#include "ChannelGroup.h"
#include "GroupSettings.h"
#include "LangText.h"
#include "RadioImage.h"

#include <QStringList>

GroupSettingsWatch::GroupSettingsWatch(int group, int band)
    : group_(group), band_(band), before_(read(group, band))
{
}

GroupSettingsWatch::Values GroupSettingsWatch::read(int group, int band)
{
    Values v;
    const RadioImage &img = Image();
    v.current = StoredCurrentChannel(img, group, band) + 1;
    if (HasGroupTables(group, band)) {
        v.settingA = img.header.options.groupValueA[size_t(group)] + 1;
        v.settingB = img.header.options.groupValueB[size_t(group)] + 1;
    }
    return v;
}

QString GroupSettingsWatch::changes() const
{
    if (!HasGroupTables(group_, band_) && !IsMemGroup(group_, band_))
        return QString();
    const Values now = read(group_, band_);
    const struct {
        int textId, was, is;
    } settings[] = {{14052, before_.current, now.current},
                    {14053, before_.settingA, now.settingA},
                    {14054, before_.settingB, now.settingB}};
    const QString place = LangText(14050) + QLatin1Char(' ') + GroupName(group_, band_);
    QStringList parts;
    for (const auto &s : settings) {
        if (s.was != s.is)
            parts << LangText(30601).arg(place, LangText(s.textId)).arg(s.was).arg(s.is);
    }
    return parts.join(QStringLiteral("; "));
}
