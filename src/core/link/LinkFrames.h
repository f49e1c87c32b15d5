#pragma once
#include "LinkState.h"

#include <QByteArray>
#include <cstdint>

// The commands the PC sends and the recognisers of the radio's replies.
//
//   command                 bytes sent                          reply (after any echo)   length
//   programming entry       "PROGRAM"                           5A 4A 06 ("ZJ", ack)      3
//   identification          02                                  49 ... 06                16
//   read block              52 hi lo len                        57 hi lo len data sum 06  len + 6
//   data frame (write)      57 hi lo 10 data[16] sum 06         06 or 0A                  1
//   end                     "END"                               06                        1
//
// The checksum is the sum of hi, lo, len and the data bytes, modulo 256; it sits just
// before the trailing 06 in both directions. Every recogniser skips `echo` leading bytes
// (the cable's echo of the command) without comparing them.

namespace LinkFrames {

constexpr uint8_t kAck = 0x06;
constexpr uint8_t kSendAgain = 0x0A;
constexpr uint8_t kIdentRequest = 0x02;
constexpr uint8_t kIdentMark = 0x49;       // "I"
constexpr uint8_t kReadMark = 0x52;        // "R"
constexpr uint8_t kDataMark = 0x57;        // "W"

constexpr int kEntryReplyLength = 3;
constexpr int kIdentLength = 16;
constexpr int kAckLength = 1;
constexpr int kDataFrameOverhead = 6;       // mark, hi, lo, len, sum, 06
constexpr int kMinDataFrame = 22;

QByteArray entryCommand();                  // "PROGRAM"
QByteArray identCommand();                  // 02
QByteArray readCommand(int address, int length);
QByteArray dataFrame(int address, const QByteArray &data);   // a write of data (16 bytes)
QByteArray endCommand();                    // "END"
QByteArray entryReply();                    // 5A 4A 06
QByteArray identRecord(const RadioIdentRecord &ident);       // what a radio sends
uint8_t checksum(const char *from, int count);

int hiByte(int address);
int loByte(int address);

// Recognisers on a received frame whose first `echo` bytes are the echo.
bool isAck(const QByteArray &frame, int echo);
bool isSendAgain(const QByteArray &frame, int echo);
bool isEntryAnswer(const QByteArray &frame, int echo);
bool isIdentRecord(const QByteArray &frame, int echo);

// A well-formed data frame: mark 57, at least 22 bytes, length byte + 6 bytes long,
// trailing 06 and a matching checksum. Address and length are returned when it is.
struct DataReply {
    int address = -1;
    int length = 0;
    QByteArray data;
};
bool parseDataFrame(const QByteArray &frame, int echo, DataReply *out);

RadioIdentRecord parseIdent(const QByteArray &frame, int echo);
// The programming password held in a password block (its bytes 12..15): up to the first
// 00 or FF, right-trimmed and cut at a NUL.
QString passwordOfBlock(const QByteArray &data16);

} // namespace LinkFrames
