// A channel table from outside: read as a CSV file import (by the channels it names, or
// placed into a group's free positions) or as rows pasted into the grid. The first byte
// picks the band, the way in and the group; the rest is the table. A refused table
// changes nothing and says why in bounded, escaped lines; an accepted one is stored so
// that both export formats bring it back unchanged.
#include "FuzzSupport.h"

#include "ChannelExport.h"
#include "ChannelGroup.h"
#include "ChannelImport.h"
#include "Models.h"
#include "NewImage.h"
#include "RadioImage.h"
#include "RunSettings.h"

namespace {
// One new document per band, built once: building one costs more than most inputs.
const RadioImage &newImage(int band)
{
    static RadioImage images[3];
    static bool built[3] = {};
    if (!built[band]) {
        SetCurrentBand(band);
        BuildNewImage();
        images[band] = Image();
        built[band] = true;
    }
    return images[band];
}

bool isQuiet(const QString &line)
{
    for (QChar c : line) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || (c.unicode() >= 0x80 && c.unicode() < 0xA0))
            return false;
    }
    return true;
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Prepare();
    const uint8_t choice = size > 0 ? data[0] : 0;
    const int band = choice % 3;
    const int way = (choice / 3) % 4;
    const QByteArray table = size > 0 ? Fuzz::Bytes(data + 1, size - 1) : QByteArray();
    const RadioImage &fresh = newImage(band);
    SetCurrentBand(band);
    Image() = fresh;
    const int group = (choice / 12) % GroupCount(band);
    const RadioImage before = Image();

    ImportOutcome out;
    switch (way) {
    case 0: out = ImportChannelTable(table); break;
    case 1: out = ImportChannelTable(table, RowPlacement{group}); break;
    case 2: out = PasteChannelRows(QString::fromUtf8(table), group, {1, 2, 3}); break;
    default: out = PasteChannelRowsIntoFreePositions(QString::fromUtf8(table), group); break;
    }

    if (!out.ok) {
        Fuzz::Require(Image() == before, "a refused table changes nothing");
        Fuzz::Require(!out.errors.isEmpty(), "a refused table says why");
        for (const QString &line : out.errorReport().split(QLatin1Char('\n'))) {
            Fuzz::Require(isQuiet(line), "error lines carry no control characters");
            Fuzz::Require(line.size() < 4000, "error lines are bounded");
        }
        return 0;
    }
    const RadioImage stored = Image();
    for (ChannelCsvFormat format : {ChannelCsvFormat::Tarven, ChannelCsvFormat::Chirp}) {
        const ImportOutcome again = ImportChannelTable(ExportChannelTable(stored, band, format));
        Fuzz::Require(again.ok, "what was stored exports and imports again");
        Fuzz::Require(Image() == stored, "export and import give back what was stored");
    }
    return 0;
}
