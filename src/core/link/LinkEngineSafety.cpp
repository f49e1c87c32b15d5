// The link engine's safety net: cancelling an operation between two exchanges, and
// reading a write back to prove the radio stored what was sent.
#include "LinkEngine.h"

#include "ImageDiff.h"
#include "LangText.h"
#include "LinkFrames.h"
#include "LinkUi.h"
#include "MSComm1.h"
#include "Prompts.h"
#include "RadioImage.h"
#include "StoredDiff.h"

#include <algorithm>

namespace {
constexpr int kShownDifferences = 40;
}

void LinkEngine::startOutcome(int operation)
{
    outcome_ = LinkOutcome{};
    outcome_.operation = operation;
    outcome_.writtenBytes = operation == LinkWrite ? 0 : -1;
    cancelRequested_ = false;
    verifying_ = false;
    sentBuffer_.clear();
}

void LinkEngine::Cancel()
{
    if (Link().LinkOperation == LinkIdle || cancelRequested_)
        return;
    cancelRequested_ = true;
    ui_.setPhase(LinkPhase::Cancelling);
    // With the port closed the transfer has not begun: nothing is in flight and the
    // radio has not been asked anything.
    if (!port_.PortOpen())
        finish(false);
    // Otherwise the reply in flight (or its time-out) comes first; the next command
    // then becomes "END" (beforeSend).
}

// Every command passes here before it goes out. It keeps count of how far a write
// got, and once a cancel is requested it turns the next command into "END".
bool LinkEngine::beforeSend(QByteArray &command, int &replyLength)
{
    LinkState &s = Link();
    if (s.LinkOperation == LinkWrite && (s.WriteState == 4 || s.WriteState == kStateEnd))
        outcome_.writtenBytes = std::max(outcome_.writtenBytes, std::clamp(int(s.BlockAddress), 0, kTransferBytes));
    if (!cancelRequested_ || operationState() == kStateEnd)
        return false;
    operationState() = kStateEnd;
    command = LinkFrames::endCommand();
    replyLength = LinkFrames::kAckLength;
    return true;
}

// After a write's "END": a second exchange from "PROGRAM" to "END" reads the memory
// back, on the port that is still open. The link state runs it as a read; finish()
// reports it as the write.
bool LinkEngine::beginVerify()
{
    LinkState &s = Link();
    if (!verifyAfterWrite_ || verifying_ || cancelRequested_ || s.LinkOperation != LinkWrite || portFailed_
        || !port_.PortOpen())
        return false;
    verifying_ = true;
    outcome_.writtenBytes = kTransferBytes;
    sentBuffer_ = s.TransferBuffer;
    s.LinkOperation = LinkRead;
    s.WriteState = 0;
    prepareOperation(LinkRead);
    s.TransferBuffer.fill('\0', kTransferBytes);
    ui_.setPhase(LinkPhase::Verifying);
    ui_.setProgress(0);
    s.EntryRetries = 0;
    sendEntry();
    return true;
}

// The final success of an operation that has ended: a cancelled one failed, a write
// that was read back succeeded only if the radio holds every bit that was sent.
bool LinkEngine::settleOutcome(bool success)
{
    if (cancelRequested_) {
        outcome_.cancelled = true;
        return false;
    }
    if (!verifying_ || !success)
        return success;
    const QList<Difference> differences =
        StoredDiff::Differences(sentBuffer_, Link().TransferBuffer, Image().header.model.bandMode);
    outcome_.differences = DifferenceLines(differences);
    outcome_.verified = differences.isEmpty();
    return outcome_.verified;
}

void LinkEngine::reportOutcome(int operation, bool success)
{
    if (success && (operation == LinkRead || operation == LinkWrite)) {
        // A write that was read back says so: the user knows the radio holds it.
        const bool verified = operation == LinkWrite && outcome_.verified;
        prompts().message(verified ? LangText(9010) + QLatin1Char('\n') + LangText(30600) : LangText(9008 + operation));
        return;
    }
    if (!outcome_.differences.isEmpty())
        prompts().message(ListMessage(LangText(30115), outcome_.differences, kShownDifferences), MsgIcon::Critical);
}

// The question after a block failed all its tries. During a write it says what the
// radio holds by now; during the read back of a verified write, that the write itself
// is complete and only its check failed.
QString LinkEngine::retryQuestion() const
{
    const int band = Image().header.model.bandMode;
    if (verifying_)
        return LangText(30821) + QStringLiteral("\r\n\r\n") + RadioHoldsText(outcome_, band);
    if (Link().LinkOperation == LinkWrite && outcome_.writtenBytes > 0)
        return LangText(9008) + QStringLiteral("\r\n\r\n") + RadioHoldsText(outcome_, band);
    return LangText(9008);
}
