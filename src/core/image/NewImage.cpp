#include "NewImage.h"

#include "DataFile.h"
#include "EditState.h"
#include "FreqCodec.h"
#include "ImageCompare.h"
#include "RadioImage.h"
#include "RadioInfo.h"
#include "RunSettings.h"

namespace {
// The eight MEM channels of every new image, whatever the band.
const char *const kMemDefaults[8] = {"28.015000", "28.145000", "28.115000", "28.085000",
                                     "28.055000", "28.025000", "28.075000", "28.005000"};

struct TipStep {
    int hz;   // 0 for a pause
    int ms;
};

void setTip(ToneTip &tip, std::initializer_list<TipStep> steps, int loops)
{
    tip = ToneTip{};
    int s = 0;
    for (const TipStep &st : steps) {
        tip.steps[s].ToneFreq = int16_t(st.hz / 10);
        tip.steps[s].ToneLen = int16_t(st.ms / 10);
        ++s;
    }
    tip.LoopCount = int16_t(loops);
}
}

void SetDefaultToneTips()
{
    auto &tips = Image().header.tips;
    setTip(tips[0], {{2100, 100}, {0, 100}, {2100, 100}, {0, 100}, {2100, 100}, {0, 100}, {2100, 100}}, 1);
    setTip(tips[1], {{800, 40}, {0, 40}, {800, 40}, {0, 40}, {800, 40}, {0, 40}, {800, 40},
                     {0, 40}, {800, 40}, {0, 40}, {800, 40}, {0, 40}, {800, 40}, {0, 40}}, 1);
    setTip(tips[2], {{1700, 30}, {900, 30}, {1700, 30}, {900, 30}, {1700, 30}, {900, 30}, {1700, 30}}, 1);
    setTip(tips[3], {{640, 60}, {940, 60}, {1340, 60}, {1630, 60}, {1920, 60}}, 1);
    setTip(tips[4], {{1500, 200}, {700, 200}, {1500, 200}, {700, 200}, {1500, 200}, {700, 200}}, 1);
    for (int t = 5; t < kToneTips; ++t)
        tips[t] = ToneTip{};
}

QString NewImageFrequency(int number)
{
    if (number == 1 || number == kVfoChannel)
        return FreqTextToDigits(QString::number((Run().bandLow + Run().bandHigh) / 2));
    if (number >= kFirstMemChannel && number < kFirstMemChannel + 8)
        return FreqTextToDigits(QString::fromLatin1(kMemDefaults[number - kFirstMemChannel]));
    return QString();
}

void BuildBuiltInDefaults()
{
    RadioImage &img = Image();
    img.header = ImageHeader{};   // key, option and DTMF defaults are the field defaults

    for (int k = 0; k < kKeyFuncs; ++k)
        img.header.keys.KeyFunc[k] = int16_t(k + 1);

    ChannelRecord common;
    for (int col = ColPublic; col <= ColTdct; ++col)
        *common.fieldByColumn(col) = 0;
    common.Scan = 0;
    common.OffSetFre = 5;
    img.header.common = common;

    for (DtmfCode &code : img.header.dtmf.codes) {
        code.length = 0;
        code.setDigits(QString());
    }

    img.header.channelCount = 0;
    const QString middle = QString::number((Run().bandLow + Run().bandHigh) / 2);
    img.addChannel(1, middle);
    img.addChannel(kVfoChannel, middle);
    for (int i = 0; i < 8; ++i)
        img.addChannel(kFirstMemChannel + i, QString::fromLatin1(kMemDefaults[i]));

    img.header.model.setName(Run().modelName);
    img.header.model.bandMode = int16_t(Run().BandMode);
    img.header.model.setVersion(QStringLiteral("V100"));

    SetDefaultToneTips();
    SetRadioInfoDefaults();
}

void BuildNewImage()
{
    Doc().Untitled = true;
    Doc().DocumentPath = QStringLiteral("new.dat");
    Edit().lastEnteredRow = 1;
    Edit().ChGridOpen = false;   // the main window has closed every child window before
    Edit().ChEditOpen = false;
    BuildBuiltInDefaults();
    SaveToSavedCopy();
    LoadDefaultImage(Doc().FactoryInitRequest);
}
