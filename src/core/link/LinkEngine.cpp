#include "LinkEngine.h"

#include "LangText.h"
#include "LinkFrames.h"
#include "LinkTrace.h"
#include "LinkUi.h"
#include "MSComm1.h"
#include "MemoryMap.h"
#include "ModFun.h"
#include "Models.h"
#include "PackCheck.h"
#include "PortList.h"
#include "Prompts.h"
#include "RadioImage.h"
#include "RadioInfo.h"
#include "RunSettings.h"
#include "VersionTable.h"

#include <QRegularExpression>

#include <cmath>

using namespace LinkFrames;

namespace {
LinkState &st()
{
    return Link();
}

const char *const kPasswordFailure = "PassWord Failure!";
const char *const kCapabilityWarning =
    "CTCSS/DCS Function is invalid,\r\nSome features will not work.";

// Marks a modal prompt, during which receive events are ignored.
class PromptScope {
public:
    explicit PromptScope(bool &flag) : flag_(flag) { flag_ = true; }
    ~PromptScope() { flag_ = false; }
private:
    bool &flag_;
};
} // namespace

LinkEngine::LinkEngine(MSComm1 &port, LinkUi &ui, QObject *parent)
    : QObject(parent), port_(port), ui_(ui)
{
    waitTimer_.setSingleShot(true);
    waitTimer_.setTimerType(Qt::PreciseTimer);
    waitTimer_.setInterval(kWaitTimerMs);
    connect(&waitTimer_, &QTimer::timeout, this, &LinkEngine::onTimeout);
    connect(&port_, &MSComm1::OnComm, this, &LinkEngine::onComm);
    connect(&port_, &MSComm1::PortFailed, this, &LinkEngine::onPortFailed);
}

int &LinkEngine::operationState()
{
    return st().LinkOperation == LinkWrite ? st().WriteState : st().ReadState;
}

// ---------------------------------------------------------------------------------------
// Entry points

void LinkEngine::prepareOperation(int operation)
{
    LinkState &s = st();
    s.BlockLength = kBlockLength;
    if (operation == LinkRadioInfo) {
        s.BlockAddress = kInfoBase - kBlockLength;
        s.EndAddress = kInfoEndAddress;
    } else {
        s.BlockAddress = -kBlockLength;
        s.EndAddress = kMemoryEndAddress;
    }
    s.LastPercent = 0;
    waitTimer_.stop();
    const int last = int(std::lround(double(s.EndAddress) / s.BlockLength));
    s.BlockRetries = QVector<int16_t>(last + 1, kBlockRetries);
    s.PasswordRetries = kPasswordRetries;
    portFailed_ = false;
    portFailure_.clear();
    sendAgainInARow_ = 0;
}

bool LinkEngine::openLinkPort(int operation)
{
    prepareOperation(operation);
    return OpenLinkPort(port_);
}

bool LinkEngine::StartRead(Confirm confirm, Report report)
{
    if (refusedWhileBusy())
        return false;
    quietSuccess_ = report == Report::Quiet;
    st().LinkOperation = LinkRead;
    st().ReadState = 0;
    if (!openLinkPort(LinkRead)) {
        st().LinkOperation = LinkIdle;
        return false;
    }
    port_.setPortOpen(false);
    if (confirm == Confirm::Ask
        && prompts().ask(LangText(9004), AskButtons::OkCancel, MsgIcon::Question) != Answer::Ok) {
        st().LinkOperation = LinkIdle;
        return false;
    }
    st().TransferBuffer.fill('\0', kTransferBytes);
    startOutcome(LinkRead);
    emit transferConfirmed(LinkRead);
    const int token = ++transferToken_;
    ui_.openProgress(LinkRead, [this, token] {
        if (token == transferToken_)
            beginTransfer(LinkRead);
    });
    return true;
}

bool LinkEngine::StartWrite(Confirm confirm)
{
    if (refusedWhileBusy())
        return false;
    quietSuccess_ = false;
    // Nothing goes to the radio unless every value has its exact place there.
    const ProblemList problems = ValuesThatDoNotFit(Image());
    if (!problems.isEmpty()) {
        prompts().message(WriteRefusedText(problems), MsgIcon::Critical);
        return false;
    }
    st().LinkOperation = LinkWrite;
    st().WriteState = 0;
    if (!openLinkPort(LinkWrite)) {
        st().LinkOperation = LinkIdle;
        return false;
    }
    port_.setPortOpen(false);
    if (confirm == Confirm::Ask
        && prompts().ask(LangText(9005), AskButtons::OkCancel, MsgIcon::Question) != Answer::Ok) {
        st().LinkOperation = LinkIdle;
        return false;
    }
    st().TransferBuffer.fill('\0', kTransferBytes);
    PackImage();
    startOutcome(LinkWrite);
    emit transferConfirmed(LinkWrite);
    const int token = ++transferToken_;
    ui_.openProgress(LinkWrite, [this, token] {
        if (token == transferToken_)
            beginTransfer(LinkWrite);
    });
    return true;
}

bool LinkEngine::StartRadioInfoRead()
{
    if (refusedWhileBusy())
        return false;
    st().LinkOperation = LinkRadioInfo;
    if (!openLinkPort(LinkRadioInfo)) {
        st().LinkOperation = LinkIdle;
        return false;
    }
    st().TransferBuffer.fill('\0', kTransferBytes);
    // A fresh area, so nothing of an earlier read can pass for this radio's data.
    st().InfoBuffer.fill(char(0xFF), kInfoBytes);
    st().InfoIdent = RadioIdentRecord{};
    startOutcome(LinkRadioInfo);
    st().EntryRetries = 0;
    sendEntry();
    return true;
}

void LinkEngine::beginTransfer(int operation)
{
    if (st().LinkOperation != operation)
        return;
    ui_.setProgress(0);
    if (!port_.PortOpen() && !port_.setPortOpen(true)) {
        const QString detail = PortOpenFailureDetail(port_.portName(), port_.error(), port_.errorString());
        portFailed_ = true;   // nothing can be sent
        finish(false);
        prompts().message(LangText(9003) + QLatin1Char('\n') + detail, MsgIcon::Critical);
        return;
    }
    st().EntryRetries = 0;
    sendEntry();
}

bool LinkEngine::refusedWhileBusy()
{
    const int running = st().LinkOperation;
    if (running == LinkIdle)
        return false;
    // The name of the running command as its menu entry shows it.
    const int menuText = running == LinkRead ? 10301 : running == LinkWrite ? 10302 : 10207;
    QString name = LangText(menuText);
    name.remove(QRegularExpression(QStringLiteral("\\(&.\\)$"))).remove(QLatin1Char('&'));
    prompts().message(LangText(30005) + QLatin1Char(' ') + name, MsgIcon::Information);
    return true;
}

bool LinkEngine::ApplyReadToImage()
{
    return UnpackImage();
}

// ---------------------------------------------------------------------------------------
// Commands

void LinkEngine::send(const QByteArray &next, int replyLength, bool entry)
{
    if (portFailed_) {
        endOnPortFailure();
        return;
    }
    QByteArray command = next;
    if (beforeSend(command, replyLength))
        entry = false;   // a cancel sends "END" instead
    LinkState &s = st();
    s.EchoOffset = s.NoEchoMode ? 0 : int(command.size());
    waitTimer_.start();
    port_.setRThreshold(s.EchoOffset + replyLength);
    port_.setOutBufferCount(0);
    port_.setInBufferCount(0);
    if (entry)
        s.ReceiveActive = true;
    port_.Output(command);
}

void LinkEngine::sendEntry()
{
    if (st().LinkOperation == LinkWrite) {
        st().WriteState = 1;
        st().ReadState = 0;
    } else {
        st().ReadState = 1;
        st().WriteState = 0;
    }
    send(entryCommand(), kEntryReplyLength, true);
}

void LinkEngine::sendIdent()
{
    send(identCommand(), kIdentLength);
}

void LinkEngine::readPasswordBlock()
{
    send(readCommand(kPasswordBlock, kBlockLength), kBlockLength + kDataFrameOverhead);
}

void LinkEngine::nextReadBlock()
{
    st().BlockAddress += st().BlockLength;
    repeatReadBlock();
}

void LinkEngine::repeatReadBlock()
{
    const LinkState &s = st();
    if (s.BlockAddress >= s.EndAddress) {
        sendEnd();
        return;
    }
    send(readCommand(s.BlockAddress, s.BlockLength), s.BlockLength + kDataFrameOverhead);
}

void LinkEngine::nextWriteBlock()
{
    st().BlockAddress += st().BlockLength;
    repeatWriteBlock();
}

void LinkEngine::repeatWriteBlock()
{
    const LinkState &s = st();
    if (s.BlockAddress >= s.EndAddress) {
        sendEnd();
        return;
    }
    const QByteArray data = s.TransferBuffer.mid(s.BlockAddress, s.BlockLength);
    showProgress();
    send(dataFrame(s.BlockAddress, data), kAckLength);
}

void LinkEngine::sendEnd()
{
    operationState() = kStateEnd;
    send(endCommand(), kAckLength);
}

// ---------------------------------------------------------------------------------------
// Receiving

void LinkEngine::onComm()
{
    const LinkState &s = st();
    if (port_.CommEvent() != MSComm1::comEvReceive)
        return;
    if (!s.ReceiveActive || inPrompt_ || s.LinkOperation == LinkIdle)
        return;
    const int threshold = port_.RThreshold();
    if (threshold <= 0 || port_.InBufferCount() < threshold)
        return;   // not a whole reply yet
    recognise(port_.Input().left(threshold));
}

void LinkEngine::recognise(const QByteArray &frame)
{
    LinkState &s = st();
    const int echo = s.EchoOffset;
    if (isAck(frame, echo)) {
        advance();
        return;
    }
    if (isSendAgain(frame, echo)) {
        // Only a data frame of a write is sent again. Anywhere else (after "END") the
        // reply is ignored and the time-out stays armed, so the operation still ends.
        if (s.LinkOperation == LinkWrite && s.WriteState == 4) {
            waitTimer_.stop();
            // A radio that refuses the same frame again and again must not keep the
            // write going for ever: so many refusals in a row count as one failed try.
            if (++sendAgainInARow_ >= kMaxSendAgainInARow) {
                sendAgainInARow_ = 0;
                if (LinkTrace *t = port_.trace())
                    t->note(QStringLiteral("%1 send-again replies in a row, block %2")
                                .arg(kMaxSendAgainInARow).arg(s.BlockAddress));
                blockFailed();
                return;
            }
            repeatWriteBlock();
        }
        return;
    }
    if (isEntryAnswer(frame, echo)) {
        advance();
        return;
    }
    if (isIdentRecord(frame, echo)) {
        if (s.LinkOperation != LinkRadioInfo)
            s.RadioIdent = parseIdent(frame, echo);
        else
            s.InfoIdent = parseIdent(frame, echo);
        advance();
        return;
    }
    DataReply reply;
    if (!parseDataFrame(frame, echo, &reply))
        return;
    if (reply.address == kPasswordBlock && (s.ReadState == 3 || s.WriteState == 3)) {
        onPasswordBlock(reply.data);
        return;
    }
    if (reply.address == s.BlockAddress && reply.length == s.BlockLength) {
        storeBlock(reply.data);
        if (s.LinkOperation == LinkRead || s.LinkOperation == LinkWrite)
            showProgress();
        advance();
    }
}

void LinkEngine::storeBlock(const QByteArray &data)
{
    LinkState &s = st();
    for (int i = 0; i < data.size(); ++i) {
        const int a = s.BlockAddress + i;
        if (a >= 0 && a < kTransferBytes)
            s.TransferBuffer[a] = data.at(i);
        else if (a >= kInfoBase && a < kInfoBase + kInfoBytes)
            s.InfoBuffer[a - kInfoBase] = data.at(i);
    }
}

void LinkEngine::onPasswordBlock(const QByteArray &data)
{
    LinkState &s = st();
    if (cancelRequested_) {
        sendEnd();   // no password question for an operation being cancelled
        return;
    }
    const QString radioPassword = passwordOfBlock(data);
    if (radioPassword.isEmpty() || radioPassword == s.ProgPassword) {
        advance();
        return;
    }
    waitTimer_.stop();
    std::optional<QString> entered;
    {
        PromptScope scope(inPrompt_);
        entered = ui_.askPassword(s.ProgPassword);
    }
    if (portLostDuringPrompt())
        return;
    if (entered)
        s.ProgPassword = TrimAtNul(*entered);
    if (radioPassword == s.ProgPassword) {
        advance();
        return;
    }
    {
        PromptScope scope(inPrompt_);
        prompts().message(QString::fromLatin1(kPasswordFailure));
    }
    if (portLostDuringPrompt())
        return;
    finish(false);
}

// ---------------------------------------------------------------------------------------
// The state machine

void LinkEngine::advance()
{
    waitTimer_.stop();
    sendAgainInARow_ = 0;
    LinkState &s = st();
    switch (s.LinkOperation) {
    case LinkRead:
        switch (s.ReadState) {
        case 1: s.ReadState = 2; sendIdent(); return;
        case 2: s.ReadState = 3; readPasswordBlock(); return;
        case 3:
            if (!passesModelCheck())
                return;
            s.ReadState = 5;
            nextReadBlock();
            return;
        case 5: nextReadBlock(); return;
        case kStateEnd: finish(true); return;
        default: break;
        }
        break;
    case LinkWrite:
        switch (s.WriteState) {
        case 1: s.WriteState = 2; sendIdent(); return;
        case 2: s.WriteState = 3; readPasswordBlock(); return;
        case 3:
            if (!passesModelCheck())
                return;
            s.WriteState = 4;
            if (!s.RadioIdent.ctcssDcs) {
                {
                    PromptScope scope(inPrompt_);
                    prompts().message(QString::fromLatin1(kCapabilityWarning), MsgIcon::Warning);
                }
                if (portLostDuringPrompt())
                    return;
            }
            nextWriteBlock();
            return;
        case 4: nextWriteBlock(); return;
        case kStateEnd: finish(true); return;
        default: break;
        }
        break;
    case LinkRadioInfo:
        switch (s.ReadState) {
        case 1: s.ReadState = 3; sendIdent(); return;
        case 3:
        case 5: s.ReadState = 5; nextReadBlock(); return;
        case kStateEnd: finish(true); return;
        default: break;
        }
        break;
    default:
        return;
    }
    finish(false);
}

bool LinkEngine::passesModelCheck()
{
    const bool passed = checkRadioModel();
    if (portLostDuringPrompt())
        return false;
    if (!passed)
        finish(false);
    return passed;
}

bool LinkEngine::checkRadioModel()
{
    waitTimer_.stop();
    const LinkState &s = st();
    const RadioImage &img = Image();
    const bool bandOk = s.LinkOperation == LinkRead || img.header.model.bandMode == s.RadioIdent.band;
    const QString pcModel = TrimAtNul(img.header.model.nameText());
    const bool modelOk = pcModel == s.RadioIdent.model;
    const bool versionOk = IsPairListed(Run().ProgramVersion, s.RadioIdent.version);
    PromptScope scope(inPrompt_);
    if (modelOk && bandOk && versionOk) {
        // A band mode the program does not know would be rejected after the whole read.
        if (s.LinkOperation == LinkRead && !IsValidBand(s.RadioIdent.band)) {
            prompts().message(QString::fromLatin1(kCountryModeError), MsgIcon::Critical);
            return false;
        }
        return true;
    }
    if (!modelOk) {
        prompts().message(LangText(9012) + QStringLiteral("\r\nPC is ") + DisplayModelName(pcModel)
                              + QStringLiteral("\r\nRadio is ") + DisplayModelName(s.RadioIdent.model));
        return false;
    }
    if (versionOk) {
        prompts().message(LangText(9030), MsgIcon::Warning);
        return false;
    }
    const QString question = VersionMessage(Run().ProgramVersion, s.RadioIdent.version, 0);
    if (prompts().ask(question, AskButtons::YesNo, MsgIcon::Question) == Answer::Yes)
        RunVersionFor(s.RadioIdent.version);
    return false;
}

void LinkEngine::onTimeout()
{
    waitTimer_.stop();
    LinkState &s = st();
    const int state = operationState();
    if (LinkTrace *t = port_.trace())
        t->note(QStringLiteral("time-out, operation %1 state %2 block %3")
                    .arg(s.LinkOperation).arg(state).arg(s.BlockAddress));
    if (cancelRequested_ && state != kStateEnd) {
        sendEnd();   // no retry and no retry question once cancelled
        return;
    }
    if (s.LinkOperation == LinkRead || s.LinkOperation == LinkWrite) {
        if (state == 1) {
            if (++s.EntryRetries > kMaxEntryRetries) {
                askRetry();
            } else {
                s.NoEchoMode = !s.NoEchoMode;
                sendEntry();
            }
        } else if (state == 2) {
            askRetry();
        } else if (state == 3) {
            if (--s.PasswordRetries > 0)
                readPasswordBlock();
            else
                askRetry();
        } else if ((s.LinkOperation == LinkRead && (state == 4 || state == 5))
                   || (s.LinkOperation == LinkWrite && state == 4)) {
            blockFailed();
        } else if (state == kStateEnd) {
            finish(true);   // the acknowledge of "END" is not required
        }
    } else if (s.LinkOperation == LinkRadioInfo) {
        if (state == 1) {
            if (++s.EntryRetries > kMaxEntryRetries) {
                askRetryInfo();
            } else {
                s.NoEchoMode = !s.NoEchoMode;
                sendEntry();
            }
        } else if (state >= 2 && state <= 5) {
            // The block that timed out has not been stored: ask for it again after a retry.
            if (state == 5)
                s.BlockAddress -= s.BlockLength;
            askRetryInfo();
        } else if (state == kStateEnd) {
            finish(true);   // as read and write: the lost acknowledge of "END" is no failure
        }
    }
}

void LinkEngine::blockFailed()
{
    LinkState &s = st();
    sendAgainInARow_ = 0;
    const int k = s.BlockAddress / kBlockLength;
    if (k < 0 || k >= s.BlockRetries.size() || s.BlockRetries[k] < 1) {
        askRetry();
        return;
    }
    --s.BlockRetries[k];
    if (s.LinkOperation == LinkRead)
        repeatReadBlock();
    else
        repeatWriteBlock();
}

void LinkEngine::askRetry()
{
    LinkState &s = st();
    s.ReceiveActive = false;
    s.EntryRetries = 0;
    s.PasswordRetries = kPasswordRetries;
    Answer answer;
    {
        PromptScope scope(inPrompt_);
        answer = prompts().ask(retryQuestion(), AskButtons::OkCancel, MsgIcon::Question);
    }
    if (portLostDuringPrompt())
        return;
    if (answer != Answer::Ok) {
        finish(false);
        return;
    }
    // Start again from "PROGRAM"; the block retries stay spent, the buffer keeps its data.
    s.BlockAddress = -s.BlockLength;
    s.LastPercent = 0;
    ui_.setProgress(0);
    sendEntry();
}

void LinkEngine::askRetryInfo()
{
    st().ReceiveActive = false;
    Answer answer;
    {
        PromptScope scope(inPrompt_);
        answer = prompts().ask(LangText(9008), AskButtons::RetryCancel, MsgIcon::Question);
    }
    if (portLostDuringPrompt())
        return;
    if (answer != Answer::Retry) {
        finish(false);
        return;
    }
    sendEntry();
}

void LinkEngine::showProgress()
{
    LinkState &s = st();
    if (s.EndAddress <= 0)
        return;
    const int percent = int(std::nearbyint(double(s.BlockAddress) * 100.0 / s.EndAddress));
    if (percent - s.LastPercent < 1)
        return;
    s.LastPercent = percent;
    if (ui_.progressVisible())
        ui_.setProgress(percent);
}

// ---------------------------------------------------------------------------------------
// Ending

void LinkEngine::finish(bool success)
{
    LinkState &s = st();
    if (s.LinkOperation == LinkIdle)
        return;
    if (success && beginVerify())
        return;   // the write goes on with reading back what the radio stored
    const bool endAnswered = success;   // "END" went out (and was answered or timed out)
    const int operation = verifying_ ? int(LinkWrite) : s.LinkOperation;
    success = settleOutcome(success);
    if (!success && !endAnswered && !portFailed_ && port_.PortOpen()) {
        // Leave programming mode; the answer is not awaited.
        s.EchoOffset = s.NoEchoMode ? 0 : 3;
        port_.setOutBufferCount(0);
        port_.setInBufferCount(0);
        port_.Output(endCommand());
    }
    s.ReceiveActive = false;
    if (port_.PortOpen())
        port_.setPortOpen(false);
    if (operation == LinkRead || operation == LinkWrite)
        ui_.closeProgress();
    waitTimer_.stop();
    s.LinkOperation = LinkIdle;
    s.ReadState = 0;
    s.WriteState = 0;
    ++transferToken_;
    verifying_ = false;
    cancelRequested_ = false;
    sentBuffer_.clear();
    if (success && operation == LinkRadioInfo)
        DecodeRadioInfo(s.InfoBuffer);
    const bool quiet = success && quietSuccess_;
    quietSuccess_ = false;
    emit operationFinished(operation, success);
    if (!quiet)
        reportOutcome(operation, success);
}

void LinkEngine::onPortFailed(const QString &reason)
{
    if (st().LinkOperation == LinkIdle)
        return;
    portFailed_ = true;
    portFailure_ = reason;
    if (!inPrompt_)
        endOnPortFailure();
}

bool LinkEngine::portLostDuringPrompt()
{
    if (!portFailed_ || st().LinkOperation == LinkIdle)
        return false;
    endOnPortFailure();
    return true;
}

void LinkEngine::endOnPortFailure()
{
    const LinkState &s = st();
    if (s.LinkOperation == LinkIdle)
        return;
    // The system's reason ("Inappropriate ioctl for device" for a pulled cable) means
    // nothing to the user; it goes to the trace, the message says what happened.
    const QString reason = portFailure_.isEmpty() ? port_.errorString() : portFailure_;
    if (LinkTrace *t = port_.trace())
        t->note(QStringLiteral("device lost: %1").arg(reason));
    // A write that sent data (or is being read back) has changed the radio: say how.
    const bool radioChanged = verifying_ || (s.LinkOperation == LinkWrite && outcome_.writtenBytes > 0);
    QString text = LangText(9066) + QStringLiteral("\r\n") + port_.portName() + QStringLiteral(": ")
        + LangText(30003);
    if (radioChanged)
        text += QStringLiteral("\r\n") + RadioHoldsText(outcome_, Image().header.model.bandMode)
            + QStringLiteral("\r\n") + LangText(30004);
    finish(false);
    prompts().message(text, MsgIcon::Critical);
}
