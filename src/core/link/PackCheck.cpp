#include "PackCheck.h"

#include "LangText.h"
#include "MemoryLayout.h"
#include "MemoryMap.h"
#include "ModFun.h"
#include "RadioImage.h"

using namespace MemoryLayout;

namespace {

constexpr int kShownProblems = 10;

QString outOfRange(const QString &where, const QString &what, int value, int max)
{
    return QStringLiteral("%1: %2 = %3 (allowed 0..%4)").arg(where, what).arg(value).arg(max);
}

void checkRange(QStringList &out, const QString &where, const QString &what, int value, int max)
{
    if (value < 0 || value > max)
        out << outOfRange(where, what, value, max);
}

void checkChannelSettings(QStringList &out, const QString &where, const ChannelRecord &c)
{
    for (const ChannelField &f : kChannelFields) {
        if (f.bits == 16)
            continue;   // the stored 16-bit word holds any value of the field
        checkRange(out, where, QString::fromLatin1(f.name), c.*f.field, (1 << f.bits) - 1);
    }
    checkRange(out, where, QStringLiteral("RDCT"), c.RDCT, kMaxToneIndex);
    checkRange(out, where, QStringLiteral("TDCT"), c.TDCT, kMaxToneIndex);
}

bool isDtmfDigit(QChar ch)
{
    const ushort u = ch.toUpper().unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'F') || u == '*' || u == '#';
}

} // namespace

QStringList ValuesThatDoNotFit(const RadioImage &img)
{
    QStringList out;
    for (int s = 0; s < img.count(); ++s) {
        const ChannelRecord &c = img.at(s);
        const QString where = QStringLiteral("Channel %1").arg(c.number);
        if (channelAddress(c.number) < 0) {
            out << QStringLiteral("%1: the channel number is outside 1..409").arg(where);
            continue;
        }
        std::array<uint8_t, 3> bytes{};
        bool empty = false;
        if (!FrequencyBytes(c.freqText(), bytes, &empty))
            out << QStringLiteral("%1: frequency \"%2\" cannot be stored").arg(where, TrimAtNul(c.freqText()));
        checkRange(out, where, QStringLiteral("Scan"), c.Scan, 1);
        checkChannelSettings(out, where, c);
    }
    checkChannelSettings(out, QStringLiteral("Common channel settings"), img.header.common);

    const OptionBlock &o = img.header.options;
    for (const OptionField &f : kOptionFields) {
        checkRange(out, QStringLiteral("Optional features"),
                   QStringLiteral("%1 (option %2)").arg(QString::fromLatin1(f.name)).arg(f.option),
                   *o.option(f.option), (1 << f.bits) - 1);
    }
    checkRange(out, QStringLiteral("Optional features"), QStringLiteral("current MEM slot"),
               o.currentMemSlot, 255);
    for (int g = 0; g < kGroupFlags; ++g) {
        const QString where = QStringLiteral("Group %1").arg(g);
        checkRange(out, where, QStringLiteral("current channel"), o.groupCurrent[size_t(g)], 255);
        checkRange(out, where, QStringLiteral("value A"), o.groupValueA[size_t(g)], 255);
        checkRange(out, where, QStringLiteral("value B"), o.groupValueB[size_t(g)], 255);
    }

    const DtmfBlock &d = img.header.dtmf;
    for (int i = 0; i < 6; ++i)
        checkRange(out, QStringLiteral("DTMF settings"), QString::fromLatin1(kDtmfSettingNames[i]),
                   *d.setting(i), 255);
    for (int k = 1; k <= kDtmfCodes; ++k) {
        const DtmfCode &code = d.codes[size_t(k - 1)];
        if (code.length <= 0 || code.length > kDtmfDigits)
            continue;   // not sent as a code
        const QString digits = TrimAtNul(code.digitsText()).left(code.length);
        for (QChar ch : digits) {
            if (!isDtmfDigit(ch)) {
                out << QStringLiteral("DTMF code %1: \"%2\" is not a DTMF digit").arg(k).arg(ch);
                break;
            }
        }
    }

    checkRange(out, QStringLiteral("Key settings"), QStringLiteral("key mode"),
               img.header.keys.KeyModeSet, 255);
    for (int i = 0; i < kKeyFuncs; ++i)
        checkRange(out, QStringLiteral("Key settings"), QStringLiteral("key %1").arg(i + 1),
                   img.header.keys.KeyFunc[size_t(i)], 255);

    for (int t = 1; t <= kToneTips; ++t) {
        const ToneTip &tip = img.header.tips[size_t(t - 1)];
        const QString where = QStringLiteral("Tone tip %1").arg(t);
        checkRange(out, where, QStringLiteral("loop count"), tip.LoopCount, 255);
        checkRange(out, where, QStringLiteral("loop interval"), tip.LoopInterval, 255);
        for (int s = 0; s < kToneSteps; ++s) {
            checkRange(out, where, QStringLiteral("step %1 tone").arg(s + 1), tip.steps[size_t(s)].ToneFreq, 255);
            checkRange(out, where, QStringLiteral("step %1 length").arg(s + 1), tip.steps[size_t(s)].ToneLen, 255);
        }
    }
    return out;
}

QString WriteRefusedText(const QStringList &problems)
{
    QStringList shown = problems.mid(0, kShownProblems);
    if (problems.size() > kShownProblems)
        shown << QStringLiteral("(%1 more)").arg(problems.size() - kShownProblems);
    return LangText(9067) + QStringLiteral("\r\n") + shown.join(QStringLiteral("\r\n"));
}
