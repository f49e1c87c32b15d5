#pragma once
#include <QByteArray>
#include <QString>
#include <QVector>
#include <cstdint>

// State of the radio link: one instance for the run, owned by the link engine while an
// operation runs. NoEchoMode and ProgPassword keep their values from one operation to
// the next; everything else is set up again when an operation starts.

enum LinkOperationKind : int { LinkIdle = 0, LinkRead = 1, LinkWrite = 2, LinkRadioInfo = 3 };

constexpr int kTransferBytes = 7424;          // radio addresses 0x0000..0x1CFF
constexpr int kInfoBytes = 256;               // radio addresses 0x3E00..0x3EFF
constexpr int kInfoBase = 0x3E00;
constexpr int kInfoEnd = 0x4000;              // blocks at and above are dropped
constexpr int kPasswordBlock = 0x3E10;
constexpr int kBlockLength = 16;
constexpr int kMemoryEndAddress = 7423;       // EndAddress of read and write
constexpr int kInfoEndAddress = 16127;        // EndAddress of the radio-information read
constexpr int kBlockRetries = 3;
constexpr int kPasswordRetries = 3;
constexpr int kMaxEntryRetries = 3;           // "PROGRAM" goes out at most 3 + 1 times
constexpr int kStateEnd = 69;                 // "END" sent

// What the identification record says about the radio.
struct RadioIdentRecord {
    QString model;            // right-trimmed, cut at the first NUL
    int band = 0;             // band mode byte, 0 CB, 1 HF, 2 HAM
    QString version;          // firmware version text, e.g. "V100"
    bool ctcssDcs = false;    // bit 0 of the capability byte
};

struct LinkState {
    int LinkOperation = LinkIdle;
    int ReadState = 0;
    int WriteState = 0;
    int32_t BlockAddress = 0;
    int32_t BlockLength = kBlockLength;
    int32_t EndAddress = kMemoryEndAddress;
    QVector<int16_t> BlockRetries;
    int EntryRetries = 0;
    int PasswordRetries = kPasswordRetries;
    int LastPercent = 0;
    bool NoEchoMode = false;
    int EchoOffset = 0;
    bool ReceiveActive = false;
    QByteArray TransferBuffer = QByteArray(kTransferBytes, '\0');
    QByteArray InfoBuffer = QByteArray(kInfoBytes, '\0');
    RadioIdentRecord RadioIdent;
    RadioIdentRecord InfoIdent;   // what the last radio-information read was told
    QString ProgPassword;     // the password last confirmed by the user; never saved
};

LinkState &Link();
// A fresh state, as at program start (tests).
void ResetLinkState();
