#include "CliDocument.h"

#include "CliUsage.h"
#include "ChannelGroup.h"
#include "ControlChars.h"
#include "DataFile.h"
#include "FreqCodec.h"
#include "ModFun.h"
#include "Models.h"
#include "NewImage.h"
#include "RadioImage.h"
#include "RunSettings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace {
int bandFromName(const QString &name)
{
    const QString n = name.toLower();
    return n == QLatin1String("cb") ? 0 : n == QLatin1String("hf") ? 1 : n == QLatin1String("ham") ? 2 : -1;
}

QString onOff(int v) { return v == 1 ? QStringLiteral("On") : v == 0 ? QStringLiteral("Off") : QString::number(v); }
QString pick(const QStringList &list, int v) { return v >= 0 && v < list.size() ? list.at(v) : QString::number(v); }

QJsonObject channelJson(const ChannelRecord &c, int group, int band)
{
    QJsonObject o;
    o[QStringLiteral("number")] = c.number;
    o[QStringLiteral("position")] = c.number - GroupStart(group, band);
    o[QStringLiteral("frequency")] = FreqDisplayText(c.freqText(), group, band);
    o[QStringLiteral("stored")] = c.freqText();
    o[QStringLiteral("scan")] = c.Scan;
    o[QStringLiteral("offset")] = c.OffSetFre;
    o[QStringLiteral("rxTone")] = ToneText(c.RDCT).isEmpty() ? QString::number(c.RDCT) : ToneText(c.RDCT);
    o[QStringLiteral("txTone")] = ToneText(c.TDCT).isEmpty() ? QString::number(c.TDCT) : ToneText(c.TDCT);
    o[QStringLiteral("duplex")] = c.DUP;
    o[QStringLiteral("hiCut")] = c.HI_CUT;
    o[QStringLiteral("busyLock")] = c.BUSY;
    o[QStringLiteral("noiseBlanker")] = c.NB;
    o[QStringLiteral("shift5k")] = c.Add_Sub_5K;
    o[QStringLiteral("modulation")] = c.AM_FM == 1 ? QStringLiteral("AM") : QStringLiteral("FM");
    o[QStringLiteral("power")] = c.Tx_Power;
    o[QStringLiteral("public")] = c.Public;
    o[QStringLiteral("rogerBeep")] = c.RBTone;
    o[QStringLiteral("dtmfBot")] = c.DTMF_BOT;
    o[QStringLiteral("dtmfEot")] = c.DTMF_EOT;
    o[QStringLiteral("dtmfCall")] = c.DTMF_Call;
    o[QStringLiteral("tsq")] = c.TSQ;
    return o;
}

QJsonObject imageJson(const RadioImage &img)
{
    const int band = img.header.model.bandMode;
    QJsonObject root;
    root[QStringLiteral("model")] = DisplayModelName(img.header.model.nameText());
    root[QStringLiteral("bandMode")] = band;
    root[QStringLiteral("band")] = BandName(band);
    root[QStringLiteral("bandText")] = BandText(band);
    root[QStringLiteral("version")] = img.header.model.versionText();
    root[QStringLiteral("channelCount")] = img.count();

    QJsonArray groups;
    for (int g = 0; g < GroupCount(band); ++g) {
        QJsonArray channels;
        for (int s = 0; s < img.count(); ++s) {
            if (IsInGroup(img.at(s).number, g, band))
                channels.append(channelJson(img.at(s), g, band));
        }
        QJsonObject group;
        group[QStringLiteral("index")] = g;
        group[QStringLiteral("name")] = GroupName(g, band);
        group[QStringLiteral("channels")] = channels;
        groups.append(group);
    }
    root[QStringLiteral("groups")] = groups;

    const OptionBlock &o = img.header.options;
    QJsonObject options;
    options[QStringLiteral("currentGroup")] = o.currentGroup;
    options[QStringLiteral("currentMemSlot")] = o.currentMemSlot;
    static const char *const names[] = {"", "UseMEM", "RadioGroup", "Beep", "TOT", "Backlight", "Volume", "SqlLevel",
                                        "AsqFun", "AsqValue", "RfGain", "ChDisplay", "ScanType", "ScanTime", "SqlBack",
                                        "AsqBack", "AutoPowerOn", "MemEdit", "MaxSWROn", "MaxSWR"};
    for (int n = 1; n <= 19; ++n)
        options[QString::fromLatin1(names[n])] = *o.option(n);
    QJsonArray enabled;
    for (int16_t v : o.groupEnabled)
        enabled.append(v);
    options[QStringLiteral("groupEnabled")] = enabled;
    root[QStringLiteral("options")] = options;
    root[QStringLiteral("common")] = channelJson(img.header.common, 0, band);

    QJsonArray keys;
    for (int16_t v : img.header.keys.KeyFunc)
        keys.append(v);
    root[QStringLiteral("keys")] = QJsonObject{{QStringLiteral("KeyModeSet"), img.header.keys.KeyModeSet},
                                              {QStringLiteral("KeyFunc"), keys}};
    const DtmfBlock &d = img.header.dtmf;
    QJsonArray codes;
    for (const DtmfCode &c : d.codes) {
        const int len = c.length >= 0 && c.length <= kDtmfDigits ? c.length : 0;
        codes.append(c.digitsText().left(len));
    }
    root[QStringLiteral("dtmf")] = QJsonObject{
        {QStringLiteral("DtmfRate"), d.DtmfRate}, {QStringLiteral("FirstDigitTime"), d.FirstDigitTime},
        {QStringLiteral("FirstDigitDelay"), d.FirstDigitDelay}, {QStringLiteral("StarHashTime"), d.StarHashTime},
        {QStringLiteral("DKey"), d.DKey}, {QStringLiteral("DtmfDisplay"), d.DtmfDisplay}, {QStringLiteral("codes"), codes}};
    QJsonArray tips;
    for (const ToneTip &t : img.header.tips) {
        QJsonArray steps;
        for (const ToneStep &s : t.steps)
            steps.append(QJsonArray{s.ToneFreq * 10, s.ToneLen * 10});
        tips.append(QJsonObject{{QStringLiteral("loopCount"), t.LoopCount},
                                {QStringLiteral("intervalMs"), t.LoopInterval * 10},
                                {QStringLiteral("stepsHzMs"), steps}});
    }
    root[QStringLiteral("toneTips")] = tips;
    return root;
}

void printText(const RadioImage &img)
{
    const int band = img.header.model.bandMode;
    std::printf("Model %s, band %s (%s), version %s, %d channels\n",
                qPrintable(DisplayModelName(img.header.model.nameText())), qPrintable(BandName(band)),
                qPrintable(BandText(band)), qPrintable(img.header.model.versionText()), img.count());
    const QStringList dup{QStringLiteral("Off"), QStringLiteral("+"), QStringLiteral("-")};
    for (int g = 0; g < GroupCount(band); ++g) {
        bool header = false;
        for (int s = 0; s < img.count(); ++s) {
            const ChannelRecord &c = img.at(s);
            if (!IsInGroup(c.number, g, band))
                continue;
            if (!header) {
                std::printf("\n[%s]\n   #  Frequency  Mod Public Scan Dup Offset RxTone          TxTone          Power RB\n",
                            qPrintable(GroupName(g, band)));
                header = true;
            }
            std::printf("%4d  %-9s  %-3s %-6s %-4s %-3s %6d %-15s %-15s %5d %2d\n", c.number - GroupStart(g, band),
                        qPrintable(FreqDisplayText(c.freqText(), g, band)), c.AM_FM == 1 ? "AM" : "FM",
                        qPrintable(onOff(c.Public)), c.Scan == 1 ? "Add" : "Del", qPrintable(pick(dup, c.DUP)),
                        c.OffSetFre, qPrintable(ToneText(c.RDCT)), qPrintable(ToneText(c.TDCT)), c.Tx_Power, c.RBTone);
        }
    }
    const QJsonObject root = imageJson(img);
    for (const char *part : {"options", "common", "keys", "dtmf"}) {
        std::printf("\n[%s]\n", part);
        const QJsonObject o = root.value(QString::fromLatin1(part)).toObject();
        for (auto it = o.begin(); it != o.end(); ++it) {
            const QString value = it->isArray() ? QString::fromUtf8(QJsonDocument(it->toArray()).toJson(QJsonDocument::Compact))
                                                : it->toVariant().toString();
            std::printf("  %-16s %s\n", qPrintable(it.key()), qPrintable(EscapeControls(value)));
        }
    }
    std::printf("\n[tone tips]\n");
    for (int t = 0; t < kToneTips; ++t) {
        const ToneTip &tip = img.header.tips[t];
        std::printf("  %d: loops %d, interval %d ms:", t + 1, tip.LoopCount, tip.LoopInterval * 10);
        for (const ToneStep &s : tip.steps) {
            if (s.ToneLen > 0)
                std::printf(" %d Hz/%d ms", s.ToneFreq * 10, s.ToneLen * 10);
        }
        std::printf("\n");
    }
}
}

int runNewCommand(const CliArgs &args)
{
    const QString bandName = optionValue(args, QStringLiteral("--band"));
    const QString out = optionValue(args, QStringLiteral("--out"));
    const int band = bandFromName(bandName);
    if (band < 0 || out.isEmpty())
        return usageError(QStringLiteral("new needs --band cb|hf|ham and --out FILE.dat"));
    SetCurrentBand(band);
    Doc().FactoryInitRequest = args.contains(QStringLiteral("--factory"));
    BuildNewImage();
    return SaveDataFile(out) == FileResult::Ok ? 0 : 1;
}

int runDumpCommand(const CliArgs &args)
{
    const QStringList files = positionalArgs(args);
    if (files.size() != 1)
        return usageError(QStringLiteral("dump needs one FILE.dat"));
    if (OpenDataFile(files.first()) != FileResult::Ok)
        return 1;
    if (args.contains(QStringLiteral("--json")))
        std::printf("%s", QJsonDocument(imageJson(Image())).toJson(QJsonDocument::Indented).constData());
    else
        printText(Image());
    return 0;
}
