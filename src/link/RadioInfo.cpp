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
