#pragma once
#include <QList>
#include <QString>

// The USB serial adapters found in programming cables, by vendor and product id, and
// what the ids (and for some chips the revision) say about the chip inside. The package's
// udev rule names exactly the ids marked as programming cables here.
struct AdapterChip {
    int vendorId = -1;
    int productId = -1;
    const char *chip = "";        // "CH340", "CP210x", "FTDI FT232R", "PL2303"
    bool programmingCable = false;
};

const QList<AdapterChip> &KnownAdapterChips();
// The chip the ids mean, with the revision's word where it tells more ("PL2303HXA, an
// old revision that clones copy"); empty for unknown ids.
QString AdapterChipName(int vendorId, int productId, int revision = -1, const QString &serial = QString());
bool IsProgrammingCableAdapter(int vendorId, int productId);
