#include "RadioInfo.h"

#include "RunSettings.h"

#include <QDate>
#include <QLocale>

RadioInfo &CurrentRadioInfo()
{
    static RadioInfo info;
    return info;
}

void SetRadioInfoDefaults()
{
    RadioInfo &info = CurrentRadioInfo();
    const QString today = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    info = RadioInfo{};
    info.bandMode = Run().BandMode;
    info.model = Run().modelName.left(7);
    info.factoryDate = today;
    info.repairDate = today;
    info.versionInfo = QStringLiteral("V1.00");
    info.batchNumber = QDate::currentDate().toString(QStringLiteral("MM")) + QStringLiteral("-1-E-1");
    info.customerCode = QStringLiteral("001A");
    info.stockInDate = today;
    info.saleDate = today;
}

namespace {
QString areaText(const QByteArray &area, int from, int width)
{
    QString text;
    for (int i = from; i < from + width; ++i) {
        const uint8_t b = i < area.size() ? uint8_t(area.at(i)) : 0xFF;
        if (b == 0x00 || b == 0xFF)
            break;
        text += QChar(b);
    }
    return text;
}
} // namespace

RadioInfo DecodedRadioInfo(const QByteArray &area, const RadioInfo &base)
{
    RadioInfo info = base;
    info.bandMode = (area.isEmpty() ? 0xFF : uint8_t(area.at(0))) & 0x0F;
    info.batchNumber = areaText(area, 0x20, 8);
    info.customerCode = areaText(area, 0x28, 4);
    info.salesAreaCode = areaText(area, 0x2C, 4);
    info.serialNumber = areaText(area, 0x30, 16);
    info.factoryDate = areaText(area, 0x40, 16);
    info.repairDate = areaText(area, 0x50, 16);
    info.repairReason = areaText(area, 0x60, 96);
    info.dealerCode = areaText(area, 0xC0, 16);
    info.stockInDate = areaText(area, 0xD0, 16);
    info.saleDate = areaText(area, 0xE0, 16);
    info.handler = areaText(area, 0xF0, 16);
    return info;
}

void DecodeRadioInfo(const QByteArray &info256)
{
    CurrentRadioInfo() = DecodedRadioInfo(info256, CurrentRadioInfo());
}
