#include "ReadImage.h"

#include "LinkState.h"
#include "MemoryMap.h"
#include "RadioImage.h"
#include "RunSettings.h"

namespace {
constexpr int kFirstUnreportedCbChannel = 361;
}

bool ImageFromRead(RadioImage &out)
{
    RadioImage img = Image();
    if (!UnpackImageFrom(Link().TransferBuffer, Link().RadioIdent.band, img))
        return false;
    StampForFile(img);
    out = img;
    return true;
}

void StampForFile(RadioImage &img)
{
    img.header.model.setName(Run().modelName);
    img.header.model.setVersion(QStringLiteral("V100"));
}

bool ReadBringsChannel(int number, int band)
{
    return !(band == 0 && number >= kFirstUnreportedCbChannel && number <= kVfoChannel);
}

RadioImage ComparableWithRead(const RadioImage &doc, int band)
{
    RadioImage img = doc;
    for (int slot = img.count() - 1; slot >= 0; --slot) {
        if (!ReadBringsChannel(img.at(slot).number, band))
            img.removeChannel(slot);
    }
    return img;
}
