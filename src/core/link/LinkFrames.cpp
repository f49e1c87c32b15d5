#include "LinkFrames.h"

#include "ModFun.h"

namespace LinkFrames {

namespace {
uint8_t byteAt(const QByteArray &a, int i)
{
    return static_cast<uint8_t>(a.at(i));
}

// Characters of a fixed field up to its first 00 byte.
QString textUntilNul(const QByteArray &bytes, int from, int count)
{
    QString s;
    for (int i = from; i < from + count && i < bytes.size(); ++i) {
        const uint8_t b = byteAt(bytes, i);
        if (b == 0)
            break;
        s += QChar(b);
    }
    return TrimAtNul(s);
}
} // namespace

int hiByte(int address)
{
    return (address >> 8) & 0xFF;
}

int loByte(int address)
{
    return address & 0xFF;
}

uint8_t checksum(const char *from, int count)
{
    unsigned sum = 0;
    for (int i = 0; i < count; ++i)
        sum += static_cast<uint8_t>(from[i]);
    return static_cast<uint8_t>(sum & 0xFF);
}

QByteArray entryCommand()
{
    return QByteArrayLiteral("PROGRAM");
}

QByteArray identCommand()
{
    return QByteArray(1, char(kIdentRequest));
}

QByteArray readCommand(int address, int length)
{
    QByteArray c;
    c.append(char(kReadMark));
    c.append(char(hiByte(address)));
    c.append(char(loByte(address)));
    c.append(char(length));
    return c;
}

QByteArray dataFrame(int address, const QByteArray &data)
{
    QByteArray f;
    f.append(char(kDataMark));
    f.append(char(hiByte(address)));
    f.append(char(loByte(address)));
    f.append(char(data.size()));
    f.append(data);
    f.append(char(checksum(f.constData() + 1, int(f.size()) - 1)));
    f.append(char(kAck));
    return f;
}

QByteArray endCommand()
{
    return QByteArrayLiteral("END");
}

QByteArray entryReply()
{
    return QByteArray("\x5A\x4A\x06", 3);
}

QByteArray identRecord(const RadioIdentRecord &ident)
{
    QByteArray r(kIdentLength, '\0');
    r[0] = char(kIdentMark);
    const QByteArray model = ident.model.toLatin1().left(7);
    for (int i = 0; i < model.size(); ++i)
        r[1 + i] = model.at(i);
    r[8] = char(ident.band);
    const QByteArray version = ident.version.toLatin1().left(4);
    for (int i = 0; i < version.size(); ++i)
        r[9 + i] = version.at(i);
    r[13] = ident.ctcssDcs ? 1 : 0;
    r[15] = char(kAck);
    return r;
}

bool isAck(const QByteArray &frame, int echo)
{
    return frame.size() == echo + kAckLength && byteAt(frame, echo) == kAck;
}

bool isSendAgain(const QByteArray &frame, int echo)
{
    return frame.size() == echo + kAckLength && byteAt(frame, echo) == kSendAgain;
}

bool isEntryAnswer(const QByteArray &frame, int echo)
{
    return frame.size() == echo + kEntryReplyLength && frame.mid(echo) == entryReply();
}

bool isIdentRecord(const QByteArray &frame, int echo)
{
    return frame.size() == echo + kIdentLength && byteAt(frame, echo) == kIdentMark
        && byteAt(frame, int(frame.size()) - 1) == kAck;
}

bool parseDataFrame(const QByteArray &frame, int echo, DataReply *out)
{
    const QByteArray f = frame.mid(echo);
    if (f.size() < kMinDataFrame || byteAt(f, 0) != kDataMark)
        return false;
    const int length = byteAt(f, 3);
    if (f.size() != length + kDataFrameOverhead || byteAt(f, int(f.size()) - 1) != kAck)
        return false;
    if (checksum(f.constData() + 1, length + 3) != byteAt(f, length + 4))
        return false;
    if (out) {
        out->address = byteAt(f, 1) * 256 + byteAt(f, 2);
        out->length = length;
        out->data = f.mid(4, length);
    }
    return true;
}

RadioIdentRecord parseIdent(const QByteArray &frame, int echo)
{
    const QByteArray r = frame.mid(echo);
    RadioIdentRecord ident;
    if (r.size() < kIdentLength)
        return ident;
    ident.model = textUntilNul(r, 1, 7);
    ident.band = byteAt(r, 8);
    ident.version = textUntilNul(r, 9, 4);
    ident.ctcssDcs = (byteAt(r, 13) & 0x01) != 0;
    return ident;
}

QString passwordOfBlock(const QByteArray &data16)
{
    QString pw;
    for (int i = 12; i < 16 && i < data16.size(); ++i) {
        const uint8_t b = byteAt(data16, i);
        if (b == 0x00 || b == 0xFF)
            break;
        pw += QChar(b);
    }
    return TrimAtNul(pw);
}

} // namespace LinkFrames
