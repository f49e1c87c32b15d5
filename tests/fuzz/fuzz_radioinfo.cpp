// The radio's information area: every text within its range, the band in its nibble.
#include "FuzzSupport.h"

#include "ControlChars.h"
#include "RadioInfo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Prepare();
    const QByteArray area = Fuzz::Bytes(data, size);
    const RadioInfo base;
    const RadioInfo info = DecodedRadioInfo(area, base);
    Fuzz::Require(info.bandMode >= 0 && info.bandMode <= 15, "the band is one nibble");
    Fuzz::Require(info.repairReason.size() <= 96, "the repair reason stays in its range");
    for (const QString *text : {&info.serialNumber, &info.factoryDate, &info.repairDate, &info.dealerCode,
                                &info.stockInDate, &info.saleDate, &info.handler}) {
        Fuzz::Require(text->size() <= 16, "a text stays in its range");
        Fuzz::Require(!EscapeControls(*text).contains(QChar(0x1B)), "escaped text holds no escape byte");
        Fuzz::Require(DropControls(*text).size() <= text->size(), "dropping controls only removes");
    }
    Fuzz::Require(info.model == base.model && info.versionInfo == base.versionInfo, "model and version kept");
    DecodeRadioInfo(area);
    return 0;
}
