#include "PackCheck.h"

#include "ChannelGroup.h"
#include "CompareWords.h"
#include "DtmfSettingsTable.h"
#include "FreqCodec.h"
#include "LangText.h"
#include "MemoryLayout.h"
#include "MemoryMap.h"
#include "ModFun.h"
#include "OptFeatureTable.h"
#include "RadioImage.h"

#include <functional>

using namespace MemoryLayout;

// Every line names the place and the value in the words of the windows: the captions of
// the language file and the channel number, never the field names of the code.
namespace {

// Captions of the channel edit dialog for the fields of a channel.
int channelFieldCaption(const char *name)
{
    static const struct {
        const char *name;
        int caption;
    } kCaptions[] = {
        {"OffSetFre", 15100}, {"DUP", 15006},       {"TSQ", 15007},       {"BUSY", 15010},
        {"HI_CUT", 15009},    {"NB", 15011},        {"Add_Sub_5K", 15012}, {"AM_FM", 15013},
        {"Tx_Power", 15014},  {"Public", 15005},    {"RBTone", 15015},    {"DTMF_BOT", 15016},
        {"DTMF_EOT", 15017},  {"DTMF_Call", 15018},
    };
    for (const auto &c : kCaptions) {
        if (qstrcmp(c.name, name) == 0)
            return c.caption;
    }
    return 0;
}

// "Channel 5 (A-5)", as the grid, the channel table and the compare window name it.
QString channelPlace(int number, int band)
{
    return CompareWords::ChannelPlace(number, band);
}

// The texts of a line are looked up only for a value out of range: a whole image is
// checked before every write and on every open, field by field.
using Words = std::function<QString()>;

Words text(int id)
{
    return [id] { return LangText(id); };
}

Words fixed(const QString &words)
{
    return [words] { return words; };
}

// Counts a problem; only the lines a message shows are worded (a damaged file may hold
// hundreds of problems, and every open checks the whole image).
template <typename Line>
void add(ProblemList &out, const Line &line)
{
    if (out.lines.size() < out.worded)
        out.lines << line();
    ++out.count;
}

void checkRange(ProblemList &out, const Words &where, const Words &what, int value, int max)
{
    if (value < 0 || value > max)
        add(out, [&] { return LangText(30010).arg(where(), what()).arg(value).arg(0).arg(max); });
}

void checkChannelSettings(ProblemList &out, const Words &where, const ChannelRecord &c)
{
    for (const ChannelField &f : kChannelFields) {
        if (f.bits == 16)
            continue;   // the stored 16-bit word holds any value of the field
        const int value = c.*f.field;
        const int max = (1 << f.bits) - 1;
        if (value < 0 || value > max)   // the caption is looked up only for a line
            checkRange(out, where, text(channelFieldCaption(f.name)), value, max);
    }
    checkRange(out, where, text(15019), c.RDCT, kMaxToneIndex);
    checkRange(out, where, text(15020), c.TDCT, kMaxToneIndex);
}

int optionCaption(int option)
{
    return option <= kOptionSelectors ? OptionCaptionId(option - 1) : 15600;   // 18, 19: SWR alarm
}

int dtmfSettingCaption(int setting)
{
    return setting < 5 ? DtmfSelectorCaptionId(setting) : 18030;
}

bool isDtmfDigit(QChar ch)
{
    const ushort u = ch.toUpper().unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'F') || u == '*' || u == '#';
}

void checkChannels(ProblemList &out, const RadioImage &img, bool withFrequencies)
{
    for (int s = 0; s < img.count(); ++s) {
        const ChannelRecord &c = img.at(s);
        const int number = c.number;
        const Words where = [number, band = img.header.model.bandMode] { return channelPlace(number, band); };
        if (channelAddress(c.number) < 0) {
            add(out, [&] { return LangText(30012).arg(where()); });
            continue;
        }
        std::array<uint8_t, 3> bytes{};
        bool empty = false;
        if (withFrequencies && !FrequencyBytes(c.freqText(), bytes, &empty))
            add(out, [&] { return LangText(30011).arg(where(), TrimAtNul(c.freqText())); });
        checkRange(out, where, text(15008), c.Scan, 1);
        checkChannelSettings(out, where, c);
    }
}

void checkSettings(ProblemList &out, const RadioImage &img)
{
    checkChannelSettings(out, text(16101), img.header.common);

    const OptionBlock &o = img.header.options;
    for (const MemoryLayout::OptionField &f : kOptionFields)
        checkRange(out, text(16000), text(optionCaption(f.option)), *o.option(f.option), (1 << f.bits) - 1);
    const int band = img.header.model.bandMode;
    checkRange(out, fixed(GroupName(MemGroupOf(band), band)), text(14052), o.currentMemSlot, 255);
    for (int g = 0; g < kGroupFlags; ++g) {
        const Words where = [g, band] {
            const QString name = GroupName(g, band);
            return name.isEmpty() ? LangText(15029) + QLatin1Char(' ') + QString::number(g + 1) : name;
        };
        checkRange(out, where, text(14052), o.groupCurrent[size_t(g)], 255);
        checkRange(out, where, text(14053), o.groupValueA[size_t(g)], 255);
        checkRange(out, where, text(14054), o.groupValueB[size_t(g)], 255);
    }

    const DtmfBlock &d = img.header.dtmf;
    for (int i = 0; i < 6; ++i)
        checkRange(out, text(18000), text(dtmfSettingCaption(i)), *d.setting(i), 255);
    for (int k = 1; k <= kDtmfCodes; ++k) {
        const DtmfCode &code = d.codes[size_t(k - 1)];
        if (code.length <= 0 || code.length > kDtmfDigits)
            continue;   // not sent as a code
        const QString digits = TrimAtNul(code.digitsText()).left(code.length);
        for (QChar ch : digits) {
            if (!isDtmfDigit(ch)) {
                add(out, [&] {
                    return LangText(30013).arg(LangText(18003) + QLatin1Char(' ') + QString::number(k), QString(ch));
                });
                break;
            }
        }
    }

    checkRange(out, text(25000), text(25008), img.header.keys.KeyModeSet, 255);
    for (int i = 0; i < kKeyFuncs; ++i)
        checkRange(out, text(25000), fixed(QString::number(i + 1)), img.header.keys.KeyFunc[size_t(i)], 255);

    for (int t = 1; t <= kToneTips; ++t) {
        const ToneTip &tip = img.header.tips[size_t(t - 1)];
        const Words where = [t] { return LangText(29001) + QLatin1Char(' ') + QString::number(t); };
        checkRange(out, where, text(29002), tip.LoopCount, 255);
        checkRange(out, where, text(29003), tip.LoopInterval, 255);
        for (int s = 0; s < kToneSteps; ++s) {
            const Words freq = [s] { return LangText(29100 + s) + QStringLiteral(", ") + LangText(29004); };
            const Words length = [s] { return LangText(29100 + s) + QStringLiteral(", ") + LangText(29005); };
            checkRange(out, where, freq, tip.steps[size_t(s)].ToneFreq, 255);
            checkRange(out, where, length, tip.steps[size_t(s)].ToneLen, 255);
        }
    }
}

} // namespace

ProblemList ValuesThatDoNotFit(const RadioImage &img)
{
    ProblemList out;
    checkChannels(out, img, true);
    checkSettings(out, img);
    return out;
}

ProblemList ProblemsOfOpenedImage(const RadioImage &img, int worded)
{
    ProblemList out;
    out.worded = worded;
    for (int s = 0; s < img.count(); ++s) {
        const ChannelRecord &c = img.at(s);
        if (!IsFrequencyDigits(c.freqText()))
            add(out, [&] { return LangText(30015).arg(channelPlace(c.number, img.header.model.bandMode)); });
    }
    checkChannels(out, img, false);
    checkSettings(out, img);
    return out;
}

QString ProblemListText(const QString &lead, const ProblemList &problems)
{
    QStringList shown = problems.lines;
    if (problems.count > shown.size())
        shown << LangText(30014).arg(problems.count - shown.size());
    return lead + QStringLiteral("\r\n") + shown.join(QStringLiteral("\r\n"));
}

QString WriteRefusedText(const ProblemList &problems)
{
    return ProblemListText(LangText(9067), problems);
}
