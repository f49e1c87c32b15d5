#include "ImageDiff.h"

#include "CompareWords.h"
#include "DataFile.h"
#include "DtmfSettingsTable.h"
#include "KeyFunctionList.h"
#include "ModFun.h"
#include "Models.h"
#include "RadioImage.h"

#include <QFile>
#include <QStringList>

using namespace CompareWords;

QString Difference::text() const
{
    QString line = place + QStringLiteral(": ") + setting;
    if (!before.isEmpty() || !after.isEmpty())
        line += (setting.isEmpty() ? QString() : QStringLiteral(" ")) + before + QStringLiteral(" → ") + after;
    return line;
}

QStringList DifferenceLines(const QList<Difference> &list)
{
    QStringList lines;
    for (const Difference &d : list)
        lines << d.text();
    return lines;
}

namespace {

QString pick(const QStringList &list, int v)
{
    return v >= 0 && v < list.size() ? list.at(v) : QString::number(v);
}

class Collector {
public:
    QList<Difference> out;

    void add(const QString &key, const QString &place, const QString &setting, const QString &before,
             const QString &after)
    {
        out.append({key, place, setting, before, after});
    }
    // A number shown through `show` when it differs.
    template <typename Show>
    void value(const QString &key, const QString &place, const QString &setting, int a, int b, Show show)
    {
        if (a != b)
            add(key, place, setting, show(a), show(b));
    }
    void number(const QString &key, const QString &place, const QString &setting, int a, int b)
    {
        value(key, place, setting, a, b, [](int v) { return QString::number(v); });
    }
};

constexpr ChannelSetting kChannelSettings[] = {
    ChannelSetting::Scan, ChannelSetting::Offset, ChannelSetting::RxTone, ChannelSetting::TxTone,
    ChannelSetting::Duplex, ChannelSetting::ToneSquelch, ChannelSetting::HiCut, ChannelSetting::BusyLock,
    ChannelSetting::NoiseBlanker, ChannelSetting::Shift5k, ChannelSetting::Modulation, ChannelSetting::Power,
    ChannelSetting::Public, ChannelSetting::RogerBeep, ChannelSetting::DtmfBot, ChannelSetting::DtmfEot,
    ChannelSetting::DtmfCall,
};

void compareSettings(Collector &c, const QString &keyBase, const QString &place, const ChannelRecord &a,
                     const ChannelRecord &b, bool withScan)
{
    for (ChannelSetting s : kChannelSettings) {
        if (s == ChannelSetting::Scan && !withScan)
            continue;   // the common channel has no scan setting in the radio
        const int va = SettingValue(a, s), vb = SettingValue(b, s);
        if (va != vb)
            c.add(keyBase + SettingKey(s), place, SettingLabel(s), SettingText(s, va, a.AM_FM),
                  SettingText(s, vb, b.AM_FM));
    }
}

void compareChannels(Collector &c, const RadioImage &a, const RadioImage &b, const QString &nameA,
                     const QString &nameB)
{
    const int bandA = a.header.model.bandMode, bandB = b.header.model.bandMode;
    const QString onlyIn = Text(30123, "only in %1");
    for (int number = 1; number <= kLastMemChannel; ++number) {
        const ChannelRecord *ca = a.channel(number);
        const ChannelRecord *cb = b.channel(number);
        if (!ca && !cb)
            continue;
        const QString key = QStringLiteral("channel/%1/").arg(number);
        const QString place = ChannelPlace(number, ca ? bandA : bandB);
        if (!cb || !ca) {
            const QString freq = ca ? FrequencyText(*ca, bandA) : FrequencyText(*cb, bandB);
            c.add(key + QStringLiteral("inUse"), place,
                  onlyIn.arg(ca ? nameA : nameB) + QStringLiteral(" (") + freq + QLatin1Char(')'), QString(),
                  QString());
            continue;
        }
        if (TrimAtNul(ca->freqText()) != TrimAtNul(cb->freqText()))
            c.add(key + SettingKey(ChannelSetting::Frequency), place, SettingLabel(ChannelSetting::Frequency),
                  FrequencyText(*ca, bandA), FrequencyText(*cb, bandB));
        compareSettings(c, key, place, *ca, *cb, true);
    }
}

void compareOptions(Collector &c, const OptionBlock &a, const OptionBlock &b, int band)
{
    const QString place = OptionsPlace();
    for (int n = 1; n <= 19; ++n)
        c.value(QStringLiteral("option/%1").arg(n), place, OptionLabel(n), *a.option(n), *b.option(n),
                [n, band](int v) { return OptionText(n, v, band); });
    c.value(QStringLiteral("option/memSlot"), place, Text(30127, "selected MEM channel"), a.currentMemSlot,
            b.currentMemSlot, [](int v) { return QString::number(v + 1); });
    const auto plusOne = [](int v) { return QString::number(v + 1); };
    const auto amFm = [](int v) { return pick({QStringLiteral("FM"), QStringLiteral("AM")}, v); };
    for (int g = 0; g < kGroupFlags; ++g) {
        const QString key = QStringLiteral("group/%1/").arg(g);
        const QString gp = GroupPlace(g, band);
        c.value(key + QStringLiteral("valid"), gp, Text(14101, "group valid"), a.groupEnabled[g] > 0 ? 1 : 0,
                b.groupEnabled[g] > 0 ? 1 : 0, OnOff);
        c.value(key + QStringLiteral("current"), gp, Text(14052, "current channel"), a.groupCurrent[g],
                b.groupCurrent[g], plusOne);
        c.value(key + QStringLiteral("valueA"), gp, Text(14053, "setting A"), a.groupValueA[g], b.groupValueA[g],
                plusOne);
        c.value(key + QStringLiteral("valueB"), gp, Text(14054, "setting B"), a.groupValueB[g], b.groupValueB[g],
                plusOne);
        const QString mod = QLatin1Char(' ') + Text(15013, "modulation");
        c.value(key + QStringLiteral("modulationA"), gp, Text(14053, "setting A") + mod, a.groupModA[g],
                b.groupModA[g], amFm);
        c.value(key + QStringLiteral("modulationB"), gp, Text(14054, "setting B") + mod, a.groupModB[g],
                b.groupModB[g], amFm);
    }
}

void compareKeys(Collector &c, const KeyBlock &a, const KeyBlock &b)
{
    c.value(QStringLiteral("keys/modes"), Text(25000, "Key assignment"), Text(25007, "available key modes"),
            a.KeyModeSet, b.KeyModeSet, [](int v) { return pick(KeyModeSetEntries(), v); });
    for (int k = 0; k < kKeyFuncs; ++k)
        c.value(QStringLiteral("keys/%1").arg(k), KeyModePlace(k / kKeysPerMode + 1),
                QStringLiteral("P%1").arg(k % kKeysPerMode + 1), a.KeyFunc[k], b.KeyFunc[k],
                [](int v) { return pick(KeyFunctionEntries(), v - 1); });
}

QString dtmfDigits(const DtmfCode &code)
{
    if (code.length <= 0 || code.length > kDtmfDigits)
        return None();
    return TrimAtNul(code.digitsText()).left(code.length);
}

void compareDtmf(Collector &c, const DtmfBlock &a, const DtmfBlock &b)
{
    const QString place = DtmfPlace();
    for (int i = 0; i < 6; ++i) {
        const QString key = QStringLiteral("dtmf/setting/%1").arg(i);
        if (i == 5) {
            c.value(key, place, Text(18030, "DTMF display"), *a.setting(i), *b.setting(i), OnOff);
        } else if (i == kDtmfDKeySelector) {
            c.value(key, place, Text(DtmfSelectorCaptionId(i), "D key"), *a.setting(i), *b.setting(i),
                    [](int v) { return pick(DtmfSelectorEntries(kDtmfDKeySelector), v); });
        } else {
            const int unit = DtmfSelectorUnitMs(i);
            c.value(key, place, Text(DtmfSelectorCaptionId(i), "DTMF time (ms)"), *a.setting(i), *b.setting(i),
                    [unit](int v) { return QString::number(v * unit); });
        }
    }
    for (int k = 1; k <= kDtmfCodes; ++k) {
        const QString da = dtmfDigits(a.codes[k - 1]), db = dtmfDigits(b.codes[k - 1]);
        if (da != db)
            c.add(QStringLiteral("dtmf/code/%1").arg(k), DtmfCodePlace(k), QString(), da, db);
    }
}

void compareTips(Collector &c, const RadioImage &a, const RadioImage &b)
{
    const auto tens = [](int v) { return QString::number(v * 10); };
    const auto freq = [](int v) { return v == 0 ? Text(29201, "pause") : QString::number(v * 10); };
    for (int t = 1; t <= kToneTips; ++t) {
        const ToneTip &ta = a.header.tips[t - 1], &tb = b.header.tips[t - 1];
        const QString key = QStringLiteral("tip/%1/").arg(t);
        const QString place = ToneTipPlace(t);
        c.number(key + QStringLiteral("loopCount"), place, Text(29002, "repeat count"), ta.LoopCount, tb.LoopCount);
        c.value(key + QStringLiteral("interval"), place, Text(29003, "interval (ms)"), ta.LoopInterval,
                tb.LoopInterval, tens);
        for (int s = 0; s < kToneSteps; ++s) {
            const QString step = Text(29100 + s, "step") + QLatin1Char(' ');
            const QString stepKey = key + QStringLiteral("step/%1/").arg(s + 1);
            c.value(stepKey + QStringLiteral("frequency"), place, step + Text(29004, "frequency (Hz)"),
                    ta.steps[s].ToneFreq, tb.steps[s].ToneFreq, freq);
            c.value(stepKey + QStringLiteral("length"), place, step + Text(29005, "length (ms)"), ta.steps[s].ToneLen,
                    tb.steps[s].ToneLen, tens);
        }
    }
}

} // namespace

QList<Difference> CompareImages(const RadioImage &a, const RadioImage &b, const QString &nameA,
                                const QString &nameB)
{
    Collector c;
    const ModelRecord &ma = a.header.model, &mb = b.header.model;
    if (TrimAtNul(ma.nameText()) != TrimAtNul(mb.nameText()))
        c.add(QStringLiteral("model"), ModelPlace(), Text(13001, "model"), DisplayModelName(TrimAtNul(ma.nameText())),
              DisplayModelName(TrimAtNul(mb.nameText())));
    c.value(QStringLiteral("band"), ModelPlace(), Text(13003, "band"), ma.bandMode, mb.bandMode,
            [](int v) { return BandName(v) + QStringLiteral(" (") + BandText(v) + QLatin1Char(')'); });

    compareChannels(c, a, b, nameA, nameB);
    const int band = ma.bandMode;
    compareOptions(c, a.header.options, b.header.options, band);
    compareSettings(c, QStringLiteral("common/"), CommonChannelPlace(), a.header.common, b.header.common, false);
    compareKeys(c, a.header.keys, b.header.keys);
    compareDtmf(c, a.header.dtmf, b.header.dtmf);
    compareTips(c, a, b);
    return c.out;
}

QString ListMessage(const QString &head, const QStringList &lines, int shown)
{
    QStringList listed = lines.mid(0, shown);
    if (lines.size() > shown)
        listed << QStringLiteral("(%1 more)").arg(lines.size() - shown);
    return head + QStringLiteral("\r\n") + listed.join(QStringLiteral("\r\n"));
}

bool ReadComparable(const QString &path, RadioImage &img, QString *reason)
{
    constexpr int kModelRecordBytes = 13;   // model name, band and version lead a data file
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *reason = f.errorString();
        return false;
    }
    const QByteArray data = f.read(kDataFileBytes);
    // Only this model's data files compare; anything else says what it is not, as Open does.
    if (data.size() >= kModelRecordBytes && CheckFileIdentity(data, reason) != FileResult::Ok)
        return false;
    if (data.size() < kDataFileBytes) {
        *reason = QStringLiteral("too short for a data file (%1 of %2 bytes)").arg(data.size()).arg(kDataFileBytes);
        return false;
    }
    img = RadioImage::fromBytes(data);
    *reason = ImageProblem(img);
    return reason->isEmpty();
}
