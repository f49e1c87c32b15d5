#include "SerialAdapters.h"

#include "LangText.h"

const QList<AdapterChip> &KnownAdapterChips()
{
    static const QList<AdapterChip> chips = {
        {0x1a86, 0x7523, "CH340", true},
        {0x1a86, 0x5523, "CH341", true},
        {0x1a86, 0x55d4, "CH9102", false},
        {0x10c4, 0xea60, "CP210x", true},
        {0x10c4, 0xea70, "CP2105", false},
        {0x10c4, 0xea71, "CP2108", false},
        {0x0403, 0x6001, "FTDI FT232R", true},
        {0x0403, 0x6015, "FTDI FT-X", true},
        {0x0403, 0x6010, "FTDI FT2232", false},
        {0x0403, 0x6014, "FTDI FT232H", false},
        {0x067b, 0x2303, "PL2303", true},
        {0x067b, 0x23a3, "PL2303GC", true},
        {0x067b, 0x23b3, "PL2303GB", false},
        {0x067b, 0x23c3, "PL2303GT", false},
        {0x067b, 0x23d3, "PL2303GL", false},
        {0x067b, 0x23e3, "PL2303GE", false},
        {0x067b, 0x23f3, "PL2303GS", false},
    };
    return chips;
}

QString AdapterChipName(int vendorId, int productId, int revision, const QString &serial)
{
    for (const AdapterChip &c : KnownAdapterChips()) {
        if (c.vendorId != vendorId || c.productId != productId)
            continue;
        QString name = QString::fromLatin1(c.chip);
        if (vendorId == 0x067b && productId == 0x2303) {
            // The revision tells the PL2303 generations apart; the oldest is the one
            // counterfeit chips copy, and current drivers of other systems refuse it.
            if (revision == 0x0300)
                name = QStringLiteral("PL2303HXA/XA, ") + LangText(30940);
            else if (revision == 0x0400)
                name = QStringLiteral("PL2303HXD/TA");
            else if (revision == 0x0500)
                name = QStringLiteral("PL2303TB");
        }
        // Many counterfeit FT232R chips share one serial number.
        if (vendorId == 0x0403 && productId == 0x6001 && serial == QLatin1String("A50285BI"))
            name += QStringLiteral(", ") + LangText(30941);
        return name;
    }
    return QString();
}

bool IsProgrammingCableAdapter(int vendorId, int productId)
{
    for (const AdapterChip &c : KnownAdapterChips()) {
        if (c.vendorId == vendorId && c.productId == productId)
            return c.programmingCable;
    }
    return false;
}
