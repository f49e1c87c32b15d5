#include "ChangeDescriptions.h"

#include "ChannelGroup.h"
#include "ComfortTextIds.h"
#include "DtmfSettingsTable.h"
#include "OptFeatureTable.h"
#include "LangText.h"
#include "RadioImage.h"
#include "RunSettings.h"

namespace {
// Caption ids of the channel edit dialog's option selectors: Combo2(i) is captioned
// 15005 + i, and carries column code 2 for i = 0, 3 for i = 1, i + 3 above.
int channelFieldCaptionId(int column)
{
    if (column == ColPublic)
        return 15005;
    if (column == ColDup)
        return 15006;
    if (column >= ColTsq && column <= ColTdct)
        return 15005 + column - 3;
    return 0;
}

QString channelFieldName(int column)
{
    if (column == ColFreq)
        return LangText(kTextFieldFrequency);
    if (column == ColOffset)
        return LangText(kTextFieldOffset);
    const int id = channelFieldCaptionId(column);
    return id ? LangText(id) : QString();
}

QString arg2(int id, const QString &a, const QString &b)
{
    return LangText(id).arg(a, b);
}
}

QString ChannelText(int group, int position)
{
    return LangText(kTextChannelOfGroup).arg(GroupName(group, Run().BandMode)).arg(position);
}

QString ChannelChangeText(int group, int position, int column)
{
    return ChannelText(group, position) + QLatin1Char(' ') + channelFieldName(column);
}

QString GroupSettingChangeText(int group, int captionId)
{
    return arg2(kTextGroupSetting, GroupName(group, Run().BandMode), LangText(captionId));
}

QString OptionChangeText(int index)
{
    return LangText(OptionCaptionId(index));
}

QString MaxSwrChangeText()
{
    return LangText(kTextFieldMaxSwr);
}

QString CommonChannelChangeText(int column)
{
    return LangText(kTextCommonChannel).arg(channelFieldName(column));
}

QString DtmfSettingChangeText(int index)
{
    return LangText(index < kDtmfDisplayIndex ? DtmfSelectorCaptionId(index) : 18030);
}

QString DtmfCodeChangeText(int code)
{
    return LangText(kTextDtmfCode).arg(code);
}

QString KeyModeSetChangeText()
{
    return LangText(25007);
}

QString KeyChangeText(int key)
{
    return LangText(kTextKeyOfMode).arg(key / 6 + 1).arg(key % 6 + 1);
}

QString ToneTipChangeText(int tip, int captionId)
{
    return LangText(kTextToneTipSetting).arg(tip).arg(LangText(captionId));
}

QString ToneStepChangeText(int tip, int step, bool frequency)
{
    return LangText(kTextToneTipSetting).arg(tip).arg(
        LangText(kTextToneStep).arg(step).arg(LangText(frequency ? 29004 : 29005)));
}
