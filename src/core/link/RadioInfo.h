#pragma once
#include <QByteArray>
#include <QString>

// The radio's information area (serial number, dates, codes), decoded from the 256 bytes
// at radio addresses 0x3E00..0x3EFF. Texts are kept without padding.
struct RadioInfo {
    int bandMode = 0;
    QString model;                 // not read from the radio
    QString serialNumber;          // 16 characters, 0x30..0x3F
    QString factoryDate;           // 16, 0x40..0x4F
    QString repairDate;            // 16, 0x50..0x5F
    QString repairReason;          // 96, 0x60..0xBF
    QString versionInfo;           // not read from the radio
    QString salesAreaCode;         // 4, 0x2C..0x2F
    QString batchNumber;           // 8, 0x20..0x27
    QString customerCode;          // 4, 0x28..0x2B
    QString dealerCode;            // 16, 0xC0..0xCF
    QString stockInDate;           // 16, 0xD0..0xDF
    QString saleDate;              // 16, 0xE0..0xEF
    QString handler;               // 16, 0xF0..0xFF
};

RadioInfo &CurrentRadioInfo();
// New-document values: current band and model, today's dates, "V1.00", batch "MM-1-E-1".
void SetRadioInfoDefaults();

// Fills a record from the 256 bytes of the information area: band mode = low 4 bits of
// byte 00, each text up to the first 00 or FF byte of its range. Model and version
// information are not in the area and keep the values of `base`. A short area reads as
// if padded with FF.
RadioInfo DecodedRadioInfo(const QByteArray &info256, const RadioInfo &base);
// Decodes into the current record (after a successful radio-information read).
void DecodeRadioInfo(const QByteArray &info256);
