#include "CompareWords.h"

#include "ChannelCsvFields.h"
#include "ChannelGroup.h"
#include "FreqCodec.h"
#include "LangText.h"
#include "ModFun.h"
#include "OptFeatureTable.h"
#include "RadioImage.h"

#include <QHash>

namespace CompareWords {

namespace {
struct SettingWords {
    ChannelSetting setting;
    const char *key;
    int labelId;
    const char *fallback;
};

// In the order of the enum.
const SettingWords kSettings[] = {
    {ChannelSetting::Frequency, "frequency", 15002, "frequency"},
    {ChannelSetting::InUse, "inUse", 30124, "in use"},
    {ChannelSetting::Scan, "scan", 15008, "scan"},
    {ChannelSetting::Offset, "offset", 15100, "offset"},
    {ChannelSetting::RxTone, "rxTone", 15019, "receive tone"},
    {ChannelSetting::TxTone, "txTone", 15020, "transmit tone"},
    {ChannelSetting::Duplex, "duplex", 15006, "duplex"},
    {ChannelSetting::ToneSquelch, "toneSquelch", 15007, "tone squelch"},
    {ChannelSetting::HiCut, "hiCut", 15009, "hi-cut"},
    {ChannelSetting::BusyLock, "busyLock", 15010, "busy lock"},
    {ChannelSetting::NoiseBlanker, "noiseBlanker", 15011, "noise blanker"},
    {ChannelSetting::Shift5k, "shift5k", 15012, "5 kHz shift"},
    {ChannelSetting::Modulation, "modulation", 15013, "modulation"},
    {ChannelSetting::Power, "power", 15014, "power"},
    {ChannelSetting::Public, "public", 15005, "common settings"},
    {ChannelSetting::RogerBeep, "rogerBeep", 15015, "roger beep"},
    {ChannelSetting::DtmfBot, "dtmfBot", 15016, "DTMF at transmit start"},
    {ChannelSetting::DtmfEot, "dtmfEot", 15017, "DTMF at transmit end"},
    {ChannelSetting::DtmfCall, "dtmfCall", 15018, "DTMF call"},
};

const SettingWords &wordsOf(ChannelSetting s)
{
    return kSettings[int(s)];
}

QString pick(const QStringList &list, int v)
{
    return v >= 0 && v < list.size() ? list.at(v) : QString::number(v);
}

// Labels of options 1..19: the captions of the optional features window.
const char *const kOptionFallbacks[] = {
    "", "use MEM channels", "active group", "key beep", "time-out timer", "backlight", "volume", "squelch level",
    "auto squelch", "ASQ level", "RF gain", "channel display", "scan type", "scan resume time",
    "squelch hysteresis", "ASQ hysteresis", "auto power-on", "MEM editing", "SWR alarm", "SWR alarm level",
};
constexpr int kMaxSwrOnOption = 18;
constexpr int kMaxSwrOption = 19;
constexpr int kSwrAlarmCaption = 15600;
} // namespace

QString Text(int id, const char *fallback)
{
    // A list of differences names the same few settings hundreds of times; the language
    // file is read once per text while it stays the current one.
    static QString cachedFile;
    static QHash<int, QString> cache;
    const QString file = LanguageFilePath();
    if (file != cachedFile) {
        cache.clear();
        cachedFile = file;
    }
    auto it = cache.find(id);
    if (it == cache.end())
        it = cache.insert(id, LangText(id));
    return it->isEmpty() ? QString::fromUtf8(fallback) : *it;
}

QString None()
{
    return Text(30126, "(none)");
}

QString OnOff(int value)
{
    return pick(OffOnEntries(), value);
}

QString ChannelPlace(int number, int band)
{
    // The channel as the grid and the channel table name it: "A-5", "EU 12", "MEM 1".
    const QString channel = Text(15001, "Channel") + QLatin1Char(' ') + QString::number(number);
    const QString label = ChannelLabel(number, band);
    return label.isEmpty() ? channel : QStringLiteral("%1 (%2)").arg(channel, label);
}

QString CommonChannelPlace() { return Text(16101, "Common channel settings"); }
QString OptionsPlace() { return Text(16000, "Optional features"); }
QString DtmfPlace() { return Text(18000, "DTMF settings"); }
QString ModelPlace() { return Text(13000, "Model information"); }

QString GroupPlace(int group, int band)
{
    const QString name = GroupName(group, band);
    return Text(14050, "Channel group") + QLatin1Char(' ') + (name.isEmpty() ? QString::number(group) : name);
}

QString KeyModePlace(int mode)
{
    return Text(25008, "Key mode") + QLatin1Char(' ') + QString::number(mode);
}

QString DtmfCodePlace(int code)
{
    return Text(30125, "DTMF code %1").arg(code);
}

QString ToneTipPlace(int tip)
{
    return Text(29001, "Tone tip") + QLatin1Char(' ') + QString::number(tip);
}

QString SettingKey(ChannelSetting s)
{
    return QString::fromLatin1(wordsOf(s).key);
}

QString SettingLabel(ChannelSetting s)
{
    return Text(wordsOf(s).labelId, wordsOf(s).fallback);
}

int SettingValue(const ChannelRecord &c, ChannelSetting s)
{
    switch (s) {
    case ChannelSetting::Scan: return c.Scan;
    case ChannelSetting::Offset: return c.OffSetFre;
    case ChannelSetting::RxTone: return c.RDCT;
    case ChannelSetting::TxTone: return c.TDCT;
    case ChannelSetting::Duplex: return c.DUP;
    case ChannelSetting::ToneSquelch: return c.TSQ;
    case ChannelSetting::HiCut: return c.HI_CUT;
    case ChannelSetting::BusyLock: return c.BUSY;
    case ChannelSetting::NoiseBlanker: return c.NB;
    case ChannelSetting::Shift5k: return c.Add_Sub_5K;
    case ChannelSetting::Modulation: return c.AM_FM;
    case ChannelSetting::Power: return c.Tx_Power;
    case ChannelSetting::Public: return c.Public;
    case ChannelSetting::RogerBeep: return c.RBTone;
    case ChannelSetting::DtmfBot: return c.DTMF_BOT;
    case ChannelSetting::DtmfEot: return c.DTMF_EOT;
    case ChannelSetting::DtmfCall: return c.DTMF_Call;
    case ChannelSetting::Frequency:
    case ChannelSetting::InUse: break;
    }
    return 0;
}

QString SettingText(ChannelSetting s, int value, int amFm)
{
    switch (s) {
    case ChannelSetting::Scan: return pick({QStringLiteral("Del"), QStringLiteral("Add")}, value);
    case ChannelSetting::RxTone:
    case ChannelSetting::TxTone: {
        const QString tone = ToneText(value);
        return tone.isEmpty() ? QString::number(value) : tone;
    }
    case ChannelSetting::Duplex: return pick(DupEntries(), value);
    case ChannelSetting::Modulation: return pick(AmFmEntries(), value);
    case ChannelSetting::Power: return pick(PowerEntries(int16_t(amFm <= 0 ? 0 : 1)), value);
    case ChannelSetting::RogerBeep: return value == 0 ? Text(15030, "Off") : QString::number(value);
    case ChannelSetting::DtmfBot:
    case ChannelSetting::DtmfEot:
    case ChannelSetting::DtmfCall: return value == 0 ? Text(14013, "None") : QString::number(value);
    case ChannelSetting::InUse:
    case ChannelSetting::ToneSquelch:
    case ChannelSetting::HiCut:
    case ChannelSetting::BusyLock:
    case ChannelSetting::NoiseBlanker:
    case ChannelSetting::Shift5k:
    case ChannelSetting::Public: return OnOff(value);
    case ChannelSetting::Offset:
    case ChannelSetting::Frequency: break;
    }
    return QString::number(value);
}

QString FrequencyText(const ChannelRecord &c, int band)
{
    const QString digits = TrimAtNul(c.freqText());
    if (IsNoFrequency(digits))
        return None();
    // A stored text that is not all digits is shown as it stands (the display
    // conversion would complain about it in a message box).
    bool digitsOnly = true;
    for (QChar ch : digits)
        digitsOnly = digitsOnly && ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
    if (!digitsOnly)
        return QLatin1Char('"') + digits + QLatin1Char('"');
    return FreqDisplayText(digits, GroupOfChannel(c.number, band), band);
}

QString OptionLabel(int option)
{
    if (option == kMaxSwrOnOption)
        return Text(kSwrAlarmCaption, kOptionFallbacks[option]);
    if (option == kMaxSwrOption)
        return Text(kSwrAlarmCaption, kOptionFallbacks[option]) + QStringLiteral(" (Max)");
    if (option < 1 || option > kMaxSwrOption)
        return QString::number(option);
    return Text(OptionCaptionId(option - 1), kOptionFallbacks[option]);
}

QString OptionText(int option, int value, int band)
{
    if (option == kMaxSwrOnOption)
        return OnOff(value);
    if (option == kMaxSwrOption)
        return QString::number(value / 10.0, 'f', 1);
    if (option < 1 || option > kMaxSwrOption)
        return QString::number(value);
    const OptionSelector sel = OptionSelectorAt(option - 1, band);
    return sel.storesNumber ? QString::number(value) : pick(sel.entries, value);
}

} // namespace CompareWords
