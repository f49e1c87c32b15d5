// Writes the default images of the Init directory for the three bands, ordinary
// ("_NEW.dat") and factory (".dat") variants. The CB images hold the country channel
// plans; in that band the user cannot type frequencies, so they are the only source.
#include "ChannelGroup.h"
#include "CountryPlans.h"
#include "DataFile.h"
#include "FreqCodec.h"
#include "Models.h"
#include "NewImage.h"
#include "RadioImage.h"
#include "RunSettings.h"

#include <QCoreApplication>
#include <algorithm>
#include <QDir>
#include <cstdio>

namespace {
// MEM channels of the CB images: EU channels 9 (emergency), 19 (road) and other
// commonly monitored channels.
const char *const kCbMem[8] = {"27.06500", "27.18500", "26.96500", "27.01500",
                               "27.07500", "27.13500", "27.20500", "27.40500"};

void addCountryPlans(RadioImage &img)
{
    img.removeChannel(img.findChannel(1));
    for (const CountryPlan &plan : CountryPlans()) {
        const int base = GroupStart(plan.group, 0);
        for (int i = 0; i < plan.frequencies.size(); ++i) {
            const int number = base + i + 1;
            img.addChannel(number, plan.frequencies.at(i));
            if (plan.amByDefault)
                img.channel(number)->AM_FM = 1;
        }
    }
    for (int i = 0; i < 8; ++i)
        img.channel(kFirstMemChannel + i)->setFreqText(FreqTextToDigits(QString::fromLatin1(kCbMem[i])));
    img.channel(kVfoChannel)->setFreqText(FreqTextToDigits(QStringLiteral("27.18500")));
}

// Orders the channel list by number so the grid and the radio see a tidy list.
void sortChannels(RadioImage &img)
{
    std::sort(img.records.begin(), img.records.begin() + img.count(),
              [](const ChannelRecord &a, const ChannelRecord &b) { return a.number < b.number; });
}
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tarven-mkinit INIT_DIRECTORY\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);
    for (int band = 0; band <= 2; ++band) {
        SetCurrentBand(band);
        BuildBuiltInDefaults();
        RadioImage &img = Image();
        if (band == 0)
            addCountryPlans(img);
        sortChannels(img);
        for (const char *suffix : {"", "_NEW"}) {
            const QString path = QStringLiteral("%1/%2_%3%4.dat").arg(dir, QString::fromLatin1(kModelName)).arg(band).arg(QString::fromLatin1(suffix));
            QString error;
            if (!WriteImageFile(path, img, &error)) {
                std::fprintf(stderr, "tarven-mkinit: %s: %s\n", qPrintable(path), qPrintable(error));
                return 1;
            }
        }
    }
    return 0;
}
