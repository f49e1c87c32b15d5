#pragma once
#include "RadioImage.h"

#include <cstdint>

// Where every part of the memory image lies in the radio's 7424 bytes (0x0000..0x1CFF).
// PackImage, UnpackImage and the range check all walk these tables, so a change of the
// layout is made here once.
//
//   0000-18FF  channels 1..400, 16 bytes each, channel n at (n-1)*16
//   1900-1931  presence bits of channels 1..400: bit (n-1)%8 of byte 1900+(n-1)/8
//   1940-1971  scan bits of channels 1..400 (1 = "Add"), same positions
//   1980-19FF  MEM channels 402..409, channel n at 1980+(n-402)*16
//   1A00-1A0F  channel 401 (VFO)
//   1A11       option 2                  1A12  option 1 (written whole, bit 0 read back)
//   1A19-1A1A  DTMF code present bits    1A1B  current MEM slot
//   1A1C       MEM presence bits         1A1D  MEM scan bits
//   1A1E-1A1F  group enabled bits 0..9   1A20-1A29  group current[0..9]
//   1A30-1A3F  common channel settings (channel layout, frequency unused)
//   1A40-1A55  options 3..19, key setting 0, DTMF settings (table below)
//   1A80-1A91  key settings[0..17]
//   1AA0, 1AB0, 1AC0, 1AD0  group value A, group value B, option bytes A, B [0..9]
//   1B00-1BFF  tone tips 1..8, 30 bytes each, two per 64-byte row
//   1C00-1CFF  DTMF codes 1..16, 16 bytes each, one digit per byte, FF after the last
// Every other byte is written as 00 and ignored when read.
namespace MemoryLayout {

constexpr int kMemoryBytes = 7424;

// --- channels ----------------------------------------------------------------------
constexpr int kRadioChannelBytes = 16;
constexpr int kChannelBase = 0x0000;        // channels 1..400
constexpr int kPresenceBits = 0x1900;
constexpr int kScanBits = 0x1940;
constexpr int kChannelBitsEnd = 0x1980;     // 1900..197F are cleared before packing
constexpr int kMemChannelBase = 0x1980;     // channels 402..409
constexpr int kVfoChannelAddress = 0x1A00;  // channel 401
constexpr int kMemPresenceBits = 0x1A1C;
constexpr int kMemScanBits = 0x1A1D;

// Address of channel n, or -1 when n is no channel number.
constexpr int channelAddress(int n)
{
    if (n >= 1 && n <= kMaxMemoryChannel)
        return kChannelBase + (n - 1) * kRadioChannelBytes;
    if (n == kVfoChannel)
        return kVfoChannelAddress;
    if (n >= kFirstMemChannel && n <= kLastMemChannel)
        return kMemChannelBase + (n - kFirstMemChannel) * kRadioChannelBytes;
    return -1;
}

// Inside one channel (16 bytes):
//   0-2  frequency, 6 BCD digits (units of 100 Hz), byte 2 most significant; FF FF FF none
//   3-4  OffSetFre, little-endian
//   5    receive CTCSS (RDCT-1)     6  receive DCS (RDCT-39)
//   7    transmit CTCSS (TDCT-1)    8  transmit DCS (TDCT-39)
//   10   bits 0-1 DUP, 2 TSQ, 4-5 receive tone kind, 6-7 transmit tone kind
//   11   bit 0 BUSY, 1 HI_CUT, 2 NB, 3 Add_Sub_5K, 4 AM_FM, 5-6 Tx_Power, 7 Public
//   12   RBTone   13 DTMF_BOT   14 DTMF_EOT   15 DTMF_Call
constexpr int kFreqBytes = 3;
constexpr int kRxCtcss = 5;
constexpr int kRxDcs = 6;
constexpr int kTxCtcss = 7;
constexpr int kTxDcs = 8;
constexpr int kToneByte = 10;
constexpr int kRxToneKindShift = 4;
constexpr int kTxToneKindShift = 6;
constexpr int kToneKindNone = 0, kToneKindCtcss = 1, kToneKindDcs = 2;
constexpr int kFirstCtcss = 1;              // tone index 1..38 CTCSS, 39.. DCS
constexpr int kFirstDcs = 39;
constexpr int kMaxToneIndex = kFirstDcs + 255;   // the largest index a DCS byte holds

// A field stored in `bits` bits from bit `shift` of byte `byte` (16: a little-endian word).
struct ChannelField {
    const char *name;
    int16_t ChannelRecord::*field;
    int byte;
    int shift;
    int bits;
};
inline constexpr ChannelField kChannelFields[] = {
    {"OffSetFre", &ChannelRecord::OffSetFre, 3, 0, 16},
    {"DUP", &ChannelRecord::DUP, 10, 0, 2},
    {"TSQ", &ChannelRecord::TSQ, 10, 2, 1},
    {"BUSY", &ChannelRecord::BUSY, 11, 0, 1},
    {"HI_CUT", &ChannelRecord::HI_CUT, 11, 1, 1},
    {"NB", &ChannelRecord::NB, 11, 2, 1},
    {"Add_Sub_5K", &ChannelRecord::Add_Sub_5K, 11, 3, 1},
    {"AM_FM", &ChannelRecord::AM_FM, 11, 4, 1},
    {"Tx_Power", &ChannelRecord::Tx_Power, 11, 5, 2},
    {"Public", &ChannelRecord::Public, 11, 7, 1},
    {"RBTone", &ChannelRecord::RBTone, 12, 0, 8},
    {"DTMF_BOT", &ChannelRecord::DTMF_BOT, 13, 0, 8},
    {"DTMF_EOT", &ChannelRecord::DTMF_EOT, 14, 0, 8},
    {"DTMF_Call", &ChannelRecord::DTMF_Call, 15, 0, 8},
};

// --- option block, keys and DTMF settings --------------------------------------------
// An option (number 1..19 of the option block) stored in `bits` bits from `shift` at
// `address`; `readBits` are the bits read back (option 1 is written whole, read as bit 0).
struct OptionField {
    const char *name;
    int option;
    int address;
    int shift;
    int bits;
    int readBits;
};
inline constexpr OptionField kOptionFields[] = {
    {"RadioGroup", 2, 0x1A11, 0, 8, 8},
    {"UseMEM", 1, 0x1A12, 0, 8, 1},
    {"Beep", 3, 0x1A40, 0, 8, 8},
    {"TOT", 4, 0x1A41, 0, 8, 8},
    {"Backlight", 5, 0x1A42, 0, 8, 8},
    {"Volume", 6, 0x1A43, 0, 8, 8},
    {"SqlLevel", 7, 0x1A44, 0, 8, 8},
    {"AsqFun", 8, 0x1A45, 7, 1, 1},
    {"AsqValue", 9, 0x1A45, 0, 7, 7},
    {"RfGain", 10, 0x1A46, 0, 8, 8},
    {"ChDisplay", 11, 0x1A47, 0, 8, 8},
    {"ScanType", 12, 0x1A49, 0, 8, 8},
    {"ScanTime", 13, 0x1A4A, 0, 8, 8},
    {"SqlBack", 14, 0x1A4B, 0, 8, 8},
    {"AsqBack", 15, 0x1A4C, 0, 8, 8},
    {"AutoPowerOn", 16, 0x1A4D, 0, 8, 8},
    {"MaxSWR", 19, 0x1A54, 0, 8, 8},
    {"MemEdit", 17, 0x1A55, 0, 1, 1},
    {"MaxSWROn", 18, 0x1A55, 1, 1, 1},
};

constexpr int kCurrentMemSlot = 0x1A1B;
constexpr int kGroupEnabledBits = 0x1A1E;   // bit g%8 of byte 1A1E + g/8
constexpr int kGroupCurrent = 0x1A20;       // one byte per group 0..9
constexpr int kGroupValueA = 0x1AA0;
constexpr int kGroupValueB = 0x1AB0;
constexpr int kGroupModA = 0x1AC0;          // option bytes A
constexpr int kGroupModB = 0x1AD0;          // option bytes B
constexpr int kCommonChannel = 0x1A30;      // bytes 3..15 of the channel layout
constexpr int kKeyModeSet = 0x1A48;
constexpr int kKeyFuncRow = 0x1A80;           // key settings[0..17]

// DTMF settings 0..5 lie at 1A4E..1A53 in the order 0, 2, 1, 3, 4, 5.
constexpr int kDtmfSettings = 0x1A4E;
inline constexpr int kDtmfSettingOrder[6] = {0, 2, 1, 3, 4, 5};
inline constexpr const char *kDtmfSettingNames[6] = {
    "DtmfRate", "FirstDigitTime", "FirstDigitDelay", "StarHashTime", "DKey", "DtmfDisplay"};
constexpr int kDtmfPresentBits = 0x1A19;    // bit (k-1)%8 of byte 1A19 + (k-1)/8
constexpr int kDtmfCodeArea = 0x1C00;          // code k at 1C00 + (k-1)*16
constexpr int kDtmfCodeBytes = 16;
constexpr uint8_t kDtmfNoDigit = 0xFF;

// --- tone tips ------------------------------------------------------------------------
// Tip t at 1B00 + ((t-1)/2)*64 + ((t-1)%2)*30: LoopCount, LoopInterval, ToneFreq of steps
// 1..14, ToneLen of steps 1..14, one byte each.
constexpr int kToneTipArea = 0x1B00;
constexpr int kToneTipRow = 64;
constexpr int kToneTipBytes = 30;
constexpr int kTipLoopCount = 0;
constexpr int kTipLoopInterval = 1;
constexpr int kTipFreqs = 2;
constexpr int kTipLens = 16;
constexpr int toneTipAddress(int t)
{
    return kToneTipArea + ((t - 1) / 2) * kToneTipRow + ((t - 1) % 2) * kToneTipBytes;
}

} // namespace MemoryLayout
