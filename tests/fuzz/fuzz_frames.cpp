// Replies from a radio: every recogniser on every echo length, and the engine's
// reaction to the frame in each state of read, write and radio-information read. No
// frame may break the engine's state or its buffers.
#include "FuzzSupport.h"

#include "HeadlessLinkUi.h"
#include "LinkEngine.h"
#include "LinkFrames.h"
#include "LinkState.h"
#include "MSComm1.h"

using namespace LinkFrames;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    Fuzz::PrepareNewDocument();
    // Byte 0: operation and state; byte 1: echo length and block; the rest is the frame.
    const int selector = data[0];
    const int echo = data[1] % 24;
    const QByteArray frame = Fuzz::Bytes(data + 2, size - 2);

    for (int e = 0; e <= 8; ++e) {
        isAck(frame, e);
        isSendAgain(frame, e);
        isEntryAnswer(frame, e);
        if (isIdentRecord(frame, e))
            parseIdent(frame, e);
        DataReply reply;
        if (parseDataFrame(frame, e, &reply)) {
            Fuzz::Require(reply.data.size() == reply.length, "a data frame's length matches its data");
            passwordOfBlock(reply.data);
        }
    }

    static const int kStates[] = {1, 2, 3, 4, 5, kStateEnd};
    MSComm1 port;
    HeadlessLinkUi ui;
    LinkEngine engine(port, ui);
    LinkState &s = Link();
    s.LinkOperation = 1 + selector % 3;
    const int state = kStates[(selector / 3) % 6];
    (s.LinkOperation == LinkWrite ? s.WriteState : s.ReadState) = state;
    s.BlockLength = 16;
    s.BlockAddress = s.LinkOperation == LinkRadioInfo ? 0x3E00 + 16 * (data[1] % 16) : 16 * data[1];
    s.EndAddress = s.LinkOperation == LinkRadioInfo ? 0x3F00 : 0x1D00;
    s.BlockRetries = QVector<int16_t>(465, 3);
    s.EchoOffset = echo;
    s.ReceiveActive = true;
    engine.feedReply(frame);

    Fuzz::Require(s.TransferBuffer.size() == kTransferBytes, "the transfer buffer keeps its size");
    Fuzz::Require(s.InfoBuffer.size() == kInfoBytes, "the information buffer keeps its size");
    Fuzz::Require(s.LinkOperation >= LinkIdle && s.LinkOperation <= LinkRadioInfo, "a known operation");
    return 0;
}
