#include "CliDocument.h"

#include "CliUsage.h"
#include "ChannelGroup.h"
#include "ControlChars.h"
#include "DataFile.h"
#include "FreqCodec.h"
#include "JsonWriter.h"
#include "ModFun.h"
#include "Models.h"
#include "NewImage.h"
#include "RadioImage.h"
#include "RunSettings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
int bandFromName(const QString &name)
{
    const QString n = name.toLower();
    return n == QLatin1String("cb") ? 0 : n == QLatin1String("hf") ? 1 : n == QLatin1String("ham") ? 2 : -1;
}

QString onOff(int v) { return v == 1 ? QStringLiteral("On") : v == 0 ? QStringLiteral("Off") : QString::number(v); }
QString pick(const QStringList &list, int v) { return v >= 0 && v < list.size() ? list.at(v) : QString::number(v); }

// The keys of every object below are written in sorted order, as a QJsonObject keeps
// them, so the dump reads the same whichever way it was built.
void writeChannel(JsonWriter &w, const ChannelRecord &c, int group, int band)
{
    auto tone = [](int16_t index) {
        const QString t = ToneText(index);
        return t.isEmpty() ? QString::number(index) : t;
    };
    w.beginObject();
    w.key("busyLock").value(c.BUSY);
    w.key("dtmfBot").value(c.DTMF_BOT);
    w.key("dtmfCall").value(c.DTMF_Call);
    w.key("dtmfEot").value(c.DTMF_EOT);
    w.key("duplex").value(c.DUP);
    w.key("frequency").value(FreqDisplayText(c.freqText(), group, band));
    w.key("hiCut").value(c.HI_CUT);
    w.key("modulation").value(c.AM_FM == 1 ? QStringLiteral("AM") : QStringLiteral("FM"));
    w.key("noiseBlanker").value(c.NB);
    w.key("number").value(c.number);
    w.key("offset").value(c.OffSetFre);
    w.key("position").value(c.number - GroupStart(group, band));
    w.key("power").value(c.Tx_Power);
    w.key("public").value(c.Public);
    w.key("rogerBeep").value(c.RBTone);
    w.key("rxTone").value(tone(c.RDCT));
    w.key("scan").value(c.Scan);
    w.key("shift5k").value(c.Add_Sub_5K);
    w.key("stored").value(c.freqText());
    w.key("tsq").value(c.TSQ);
    w.key("txTone").value(tone(c.TDCT));
    w.endObject();
}

void writeDtmf(JsonWriter &w, const DtmfBlock &d)
{
    w.beginObject();
    w.key("DKey").value(d.DKey);
    w.key("DtmfDisplay").value(d.DtmfDisplay);
    w.key("DtmfRate").value(d.DtmfRate);
    w.key("FirstDigitDelay").value(d.FirstDigitDelay);
    w.key("FirstDigitTime").value(d.FirstDigitTime);
    w.key("StarHashTime").value(d.StarHashTime);
    w.key("codes").beginArray();
    for (const DtmfCode &c : d.codes) {
        const int len = c.length >= 0 && c.length <= kDtmfDigits ? c.length : 0;
        w.value(c.digitsText().left(len));
    }
    w.endArray();
    w.endObject();
}

void writeKeys(JsonWriter &w, const KeyBlock &k)
{
    w.beginObject();
    w.key("KeyFunc").beginArray();
    for (int16_t v : k.KeyFunc)
        w.value(v);
    w.endArray();
    w.key("KeyModeSet").value(k.KeyModeSet);
    w.endObject();
}

void writeOptions(JsonWriter &w, const OptionBlock &o)
{
    // Option numbers 1..19 by name, sorted by name.
    static const struct {
        const char *name;
        int option;
    } kOptions[] = {
        {"AsqBack", 15},  {"AsqFun", 8},     {"AsqValue", 9},    {"AutoPowerOn", 16}, {"Backlight", 5},
        {"Beep", 3},      {"ChDisplay", 11}, {"MaxSWR", 19},     {"MaxSWROn", 18},    {"MemEdit", 17},
        {"RadioGroup", 2}, {"RfGain", 10},   {"ScanTime", 13},   {"ScanType", 12},    {"SqlBack", 14},
        {"SqlLevel", 7},  {"TOT", 4},        {"UseMEM", 1},      {"Volume", 6},
    };
    w.beginObject();
    for (const auto &entry : kOptions)
        w.key(entry.name).value(*o.option(entry.option));
    w.key("currentGroup").value(o.currentGroup);
    w.key("currentMemSlot").value(o.currentMemSlot);
    w.key("groupEnabled").beginArray();
    for (int16_t v : o.groupEnabled)
        w.value(v);
    w.endArray();
    w.endObject();
}

void writeToneTips(JsonWriter &w, const RadioImage &img)
{
    w.beginArray();
    for (const ToneTip &t : img.header.tips) {
        w.beginObject();
        w.key("intervalMs").value(t.LoopInterval * 10);
        w.key("loopCount").value(t.LoopCount);
        w.key("stepsHzMs").beginArray();
        for (const ToneStep &s : t.steps) {
            w.beginArray();
            w.value(s.ToneFreq * 10);
            w.value(s.ToneLen * 10);
            w.endArray();
        }
        w.endArray();
        w.endObject();
    }
    w.endArray();
}

bool writeImageJson(const RadioImage &img, std::FILE *out)
{
    const int band = img.header.model.bandMode;
    JsonWriter w(out);
    w.beginObject();
    w.key("band").value(BandName(band));
    w.key("bandMode").value(band);
    w.key("bandText").value(BandText(band));
    w.key("channelCount").value(img.count());
    w.key("common");
    writeChannel(w, img.header.common, 0, band);
    w.key("dtmf");
    writeDtmf(w, img.header.dtmf);
    w.key("groups").beginArray();
    for (int g = 0; g < GroupCount(band); ++g) {
        w.beginObject();
        w.key("channels").beginArray();
        for (int s = 0; s < img.count(); ++s) {
            if (IsInGroup(img.at(s).number, g, band))
                writeChannel(w, img.at(s), g, band);
        }
        w.endArray();
        w.key("index").value(g);
        w.key("name").value(GroupName(g, band));
        w.endObject();
    }
    w.endArray();
    w.key("keys");
    writeKeys(w, img.header.keys);
    w.key("model").value(DisplayModelName(img.header.model.nameText()));
    w.key("options");
    writeOptions(w, img.header.options);
    w.key("toneTips");
    writeToneTips(w, img);
    w.key("version").value(img.header.model.versionText());
    w.endObject();
    return w.finishToSink();
}

// The settings the text dump lists key by key.
QJsonObject settingsJson(const RadioImage &img)
{
    JsonWriter w;
    w.beginObject();
    w.key("common");
    writeChannel(w, img.header.common, 0, img.header.model.bandMode);
    w.key("dtmf");
    writeDtmf(w, img.header.dtmf);
    w.key("keys");
    writeKeys(w, img.header.keys);
    w.key("options");
    writeOptions(w, img.header.options);
    w.endObject();
    return QJsonDocument::fromJson(w.finish()).object();
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
    const QJsonObject root = settingsJson(img);
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
    bool written = true;
    if (args.contains(QStringLiteral("--json")))
        written = writeImageJson(Image(), stdout);
    else
        printText(Image());
    // A dump into a full disk or a closed pipe is no success.
    if (std::fflush(stdout) != 0 || std::ferror(stdout) || !written) {
        std::fprintf(stderr, "tarven-cli: the dump could not be written: %s\n", std::strerror(errno));
        return 1;
    }
    return 0;
}
