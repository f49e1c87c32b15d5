#pragma once
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

// The memory image of one radio: a 1071-byte settings header and 409 channel slots of
// 60 bytes, in the stored form of the data file (16-bit little-endian integers, text
// fields one byte per character, space padded). Every byte of the stored form has a
// field here, so an image read from a file writes back byte for byte.

constexpr int kChannelSlots = 409;        // indexes 0..408
constexpr int kMaxMemoryChannel = 400;    // 1..400 memory channels
constexpr int kVfoChannel = 401;
constexpr int kFirstMemChannel = 402;     // 402..409 the eight MEM channels
constexpr int kLastMemChannel = 409;
constexpr int kHeaderBytes = 1071;
constexpr int kChannelBytes = 60;
constexpr int kDataFileBytes = kHeaderBytes + kChannelSlots * kChannelBytes;   // 25611
constexpr int kDtmfCodes = 16;
constexpr int kDtmfDigits = 16;
constexpr int kToneTips = 8;
constexpr int kToneSteps = 14;
constexpr int kGroupFlags = 10;           // group tables of the option block
constexpr int kKeyFuncs = 18;

// Column codes of SetChannelCell / set channel value.
enum ChannelColumn : int {
    ColFreq = 1, ColPublic = 2, ColDup = 3, ColOffset = 4, ColTsq = 5, ColScan = 6,
    ColHiCut = 7, ColBusy = 8, ColNb = 9, ColAddSub5K = 10, ColAmFm = 11, ColTxPower = 12,
    ColRbTone = 13, ColDtmfBot = 14, ColDtmfEot = 15, ColDtmfCall = 16, ColRdct = 17, ColTdct = 18,
};

struct ChannelRecord {                    // offset in the 60-byte record
    int16_t number = 0;                   // 0
    int16_t emptyFlag = 0;                // 2
    int16_t Scan = 1;                     // 4
    std::array<char, 8> freq{};           // 6  eight digits, units of 10 Hz
    int16_t OffSetFre = 100;              // 14
    int16_t RDCT = 0;                     // 16
    int16_t TDCT = 0;                     // 18
    int16_t DUP = 0;                      // 20
    int16_t HI_CUT = 0;                   // 22
    int16_t BUSY = 0;                     // 24
    int16_t NB = 1;                       // 26
    int16_t Add_Sub_5K = 0;               // 28
    int16_t AM_FM = 0;                    // 30
    int16_t Tx_Power = 0;                 // 32
    int16_t Public = 1;                   // 34
    int16_t RBTone = 0;                   // 36
    int16_t DTMF_BOT = 0;                 // 38
    int16_t DTMF_EOT = 0;                 // 40
    int16_t DTMF_Call = 0;                // 42
    int16_t TSQ = 0;                      // 44
    std::array<int16_t, 7> reserved{};    // 46

    QString freqText() const;             // the 8 stored characters as text
    void setFreqText(const QString &digits);   // stored as 8 characters, space padded
    int16_t *fieldByColumn(int column);   // option field of a column code 2..18, else nullptr
    const int16_t *fieldByColumn(int column) const;
    bool operator==(const ChannelRecord &) const = default;
};

struct ModelRecord {
    std::array<char, 7> name{};           // 0
    int16_t bandMode = 0;                 // 7
    std::array<char, 4> version{};        // 9
    QString nameText() const;             // raw text of the 7 characters
    void setName(const QString &n);
    QString versionText() const;
    void setVersion(const QString &v);
    bool operator==(const ModelRecord &) const = default;
};

struct OptionBlock {                      // offset in the 158-byte block
    int16_t currentGroup = 0;             // 0
    int16_t UseMEM = 0;                   // 2   option 1
    int16_t RadioGroup = 0;               // 4   option 2
    int16_t currentMemSlot = 1;           // 6
    std::array<int16_t, kGroupFlags> groupEnabled{1};   // 8
    std::array<int16_t, kGroupFlags> groupCurrent{};    // 28
    std::array<int16_t, kGroupFlags> groupValueA{};     // 48
    std::array<int16_t, kGroupFlags> groupValueB{};     // 68
    int16_t Beep = 0;                     // 88  option 3
    int16_t TOT = 4;                      // 90  option 4
    int16_t Backlight = 1;                // 92  option 5
    int16_t Volume = 1;                   // 94  option 6
    int16_t SqlLevel = 3;                 // 96  option 7
    int16_t AsqFun = 0;                   // 98  option 8
    int16_t AsqValue = 3;                 // 100 option 9
    int16_t RfGain = 0;                   // 102 option 10
    int16_t ChDisplay = 0;                // 104 option 11
    int16_t ScanType = 0;                 // 106 option 12
    int16_t ScanTime = 1;                 // 108 option 13
    int16_t SqlBack = 1;                  // 110 option 14
    int16_t AsqBack = 1;                  // 112 option 15
    int16_t AutoPowerOn = 0;              // 114 option 16
    int16_t MemEdit = 0;                  // 116 option 17
    int16_t MaxSWROn = 1;                 // 118 option 18
    int16_t MaxSWR = 160;                 // 120 option 19, tenths
    std::array<uint8_t, kGroupFlags> groupModA{};       // 122 option bytes A
    std::array<uint8_t, kGroupFlags> groupModB{};       // 132 option bytes B
    std::array<uint8_t, 16> reserved{};   // 142

    int16_t *option(int n);               // options 1..19 by number, else nullptr
    const int16_t *option(int n) const;
    bool operator==(const OptionBlock &) const = default;
};

struct KeyBlock {
    int16_t KeyModeSet = 3;
    std::array<int16_t, kKeyFuncs> KeyFunc{};
    bool operator==(const KeyBlock &) const = default;
};

struct DtmfCode {
    int16_t length = 0;
    std::array<char, kDtmfDigits> digits{};
    QString digitsText() const;           // the 16 stored characters
    void setDigits(const QString &d);     // left-justified, space padded, cut at 16
    bool operator==(const DtmfCode &) const = default;
};

struct DtmfBlock {
    int16_t DtmfRate = 10;
    int16_t FirstDigitTime = 0;
    int16_t FirstDigitDelay = 2;
    int16_t StarHashTime = 0;
    int16_t DKey = 0;
    int16_t DtmfDisplay = 1;
    std::array<DtmfCode, kDtmfCodes> codes{};            // code k at codes[k - 1]
    std::array<int16_t, 10> reserved{};
    int16_t *setting(int i);              // settings 0..5
    const int16_t *setting(int i) const;
    bool operator==(const DtmfBlock &) const = default;
};

struct ToneStep {
    int16_t ToneFreq = 0;                 // units of 10 Hz, below 5 a pause
    int16_t ToneLen = 0;                  // units of 10 ms, 0 leaves the step out
    bool operator==(const ToneStep &) const = default;
};

struct ToneTip {
    std::array<ToneStep, kToneSteps> steps{};
    int16_t LoopCount = 0;
    int16_t LoopInterval = 0;             // units of 10 ms
    bool operator==(const ToneTip &) const = default;
};

struct ImageHeader {                      // offset in the 1071-byte header
    ModelRecord model;                    // 0
    int16_t channelCount = 0;             // 13
    OptionBlock options;                  // 15
    ChannelRecord common;                 // 173
    KeyBlock keys;                        // 233
    DtmfBlock dtmf;                       // 271
    std::array<ToneTip, kToneTips> tips{};   // 591, tip n at tips[n - 1]

    QByteArray toBytes() const;           // 1071 bytes
    void writeTo(char *out) const;        // the same bytes into a buffer of that size
    static ImageHeader fromBytes(const char *data);   // reads exactly 1071 bytes
    bool operator==(const ImageHeader &) const = default;
};

QByteArray channelToBytes(const ChannelRecord &c);
ChannelRecord channelFromBytes(const char *data);    // reads exactly 60 bytes

// The working image and the saved copy share this type.
struct RadioImage {
    ImageHeader header;
    std::array<ChannelRecord, kChannelSlots> records{};

    int count() const;                    // channel count, clamped to 0..409 for loops
    ChannelRecord &at(int slot) { return records[slot]; }
    const ChannelRecord &at(int slot) const { return records[slot]; }

    int findChannel(int number) const;    // slot of that number, -1 when absent
    ChannelRecord *channel(int number);
    const ChannelRecord *channel(int number) const;
    // Appends a new channel with the frequency normalised to 8 digits; false when the list is full or the number is present.
    bool addChannel(int number, const QString &freqText);
    void removeChannel(int slot);

    QByteArray toBytes() const;           // 25611 bytes: header and all 409 slots
    static RadioImage fromBytes(const QByteArray &data);   // needs 25611 bytes
    // Every field is stored, so equal images are exactly those with equal bytes.
    bool operator==(const RadioImage &) const = default;
};

// The image pair of the running program.
RadioImage &Image();
RadioImage &Saved();

// Text helpers of fixed-length fields (one byte per character, Latin-1).
QString fixedText(const char *data, int width);
void setFixedText(char *data, int width, const QString &text);
