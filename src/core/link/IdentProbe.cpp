#include "IdentProbe.h"

#include "LangText.h"
#include "LinkFrames.h"
#include "LinkTrace.h"
#include "Models.h"

#include <QEventLoop>
#include <QTimer>

using namespace LinkFrames;

namespace {
constexpr int kSerialBlock = 0x3E30;      // information area bytes 30..3F: the serial number
constexpr int kSerialLength = 16;

// The port and what has come back on it, read on a local event loop.
class ProbeLine {
public:
    ProbeLine(const QString &device, LinkTrace *trace) : trace_(trace)
    {
        port_.setPortName(device);
    }

    bool open()
    {
        if (!port_.open(QIODevice::ReadWrite))
            return false;
        port_.setBaudRate(9600);
        port_.setDataBits(QSerialPort::Data8);
        port_.setParity(QSerialPort::NoParity);
        port_.setStopBits(QSerialPort::OneStop);
        port_.setFlowControl(QSerialPort::NoFlowControl);
        port_.clear();
        return true;
    }
    QSerialPort &port() { return port_; }
    bool lost() const { return lost_; }

    void send(const QByteArray &bytes)
    {
        received_.clear();
        port_.clear(QSerialPort::Input);
        if (trace_)
            trace_->sent(bytes);
        port_.write(bytes);
        port_.flush();
    }

    // Waits until `count` bytes have come back, the time is up or the device is gone.
    QByteArray collect(int count, int timeoutMs)
    {
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        auto take = [&] {
            const QByteArray bytes = port_.readAll();
            if (!bytes.isEmpty() && trace_)
                trace_->received(bytes);
            received_ += bytes;
            if (received_.size() >= count)
                loop.quit();
        };
        QObject::connect(&port_, &QSerialPort::readyRead, &loop, take);
        QObject::connect(&port_, &QSerialPort::errorOccurred, &loop, [&](QSerialPort::SerialPortError e) {
            if (e == QSerialPort::ResourceError || e == QSerialPort::PermissionError) {
                lost_ = true;
                loop.quit();
            }
        });
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        take();
        if (received_.size() < count && !lost_) {
            timer.start(timeoutMs);
            loop.exec();
        }
        return received_;
    }

private:
    QSerialPort port_;
    LinkTrace *trace_;
    QByteArray received_;
    bool lost_ = false;
};

bool startsWith(const QByteArray &bytes, const QByteArray &head)
{
    return bytes.size() >= head.size() && bytes.left(head.size()) == head;
}
} // namespace

IdentProbeResult ProbeRadioIdent(const QString &device, const IdentProbeOptions &options)
{
    IdentProbeResult r;
    ProbeLine line(device, options.trace);
    if (!line.open()) {
        r.outcome = IdentProbeResult::Outcome::PortFailed;
        r.openError = line.port().error();
        r.openErrorText = line.port().errorString();
        return r;
    }

    // Programming entry: the answer tells whether the line echoes.
    const QByteArray entry = entryCommand();
    bool entered = false;
    bool anything = false;
    for (int attempt = 0; attempt < options.attempts && !entered && !line.lost(); ++attempt) {
        line.send(entry);
        const QByteArray got = line.collect(entry.size() + kEntryReplyLength, options.replyTimeoutMs);
        if (!got.isEmpty() && !anything) {
            anything = true;
            r.firstBytes = got.left(32);
        }
        if (startsWith(got, entry)) {
            r.echo = true;
            entered = isEntryAnswer(got.left(entry.size() + kEntryReplyLength), entry.size());
        } else if (startsWith(got, entryReply())) {
            r.echo = false;
            entered = true;
        }
    }
    if (line.lost()) {
        r.outcome = IdentProbeResult::Outcome::PortLost;
        return r;
    }
    if (!entered) {
        r.outcome = !anything ? IdentProbeResult::Outcome::Silent
            : r.echo          ? IdentProbeResult::Outcome::EchoOnly
                              : IdentProbeResult::Outcome::NoEntryAnswer;
        return r;
    }

    const int echo = r.echo ? 1 : 0;
    line.send(identCommand());
    const QByteArray ident = line.collect(echo + kIdentLength, options.replyTimeoutMs);
    if (isIdentRecord(ident.left(echo + kIdentLength), echo)) {
        const RadioIdentRecord rec = parseIdent(ident, echo);
        r.outcome = IdentProbeResult::Outcome::Identified;
        r.model = rec.model;
        r.band = rec.band;
        r.firmware = rec.version;
        r.ctcssDcs = rec.ctcssDcs;
    } else {
        r.outcome = IdentProbeResult::Outcome::NoIdent;
    }

    if (r.identified() && options.readSerialNumber && !line.lost()) {
        const QByteArray read = readCommand(kSerialBlock, kSerialLength);
        line.send(read);
        const int readEcho = r.echo ? int(read.size()) : 0;
        const QByteArray reply = line.collect(readEcho + kSerialLength + kDataFrameOverhead, options.replyTimeoutMs);
        DataReply data;
        if (parseDataFrame(reply, readEcho, &data) && data.address == kSerialBlock) {
            QString serial;
            for (char c : data.data) {
                if (c == '\0' || uint8_t(c) == 0xFF)
                    break;
                serial += QChar(uint8_t(c));
            }
            r.serialNumber = serial.trimmed();
        }
    }

    // Always leave programming mode, so the radio is usable again at once.
    if (!line.lost()) {
        const QByteArray end = endCommand();
        line.send(end);
        const int endEcho = r.echo ? int(end.size()) : 0;
        r.endAcknowledged = isAck(line.collect(endEcho + kAckLength, options.replyTimeoutMs).left(endEcho + kAckLength),
                                  endEcho);
    }
    if (line.lost())
        r.outcome = IdentProbeResult::Outcome::PortLost;
    return r;
}

QString IdentProbeResult::summary() const
{
    switch (outcome) {
    case Outcome::Identified: {
        QString text = LangText(30900).arg(DisplayModelName(model), BandName(band), firmware);
        if (!serialNumber.isEmpty())
            text += QStringLiteral(", ") + LangText(30901).arg(serialNumber);
        return text;
    }
    case Outcome::PortFailed:
        return LangText(30902).arg(openErrorText);
    case Outcome::Silent:
        return LangText(30903);
    case Outcome::EchoOnly:
        return LangText(30904);
    case Outcome::NoEntryAnswer:
        return LangText(30905);
    case Outcome::NoIdent:
        return LangText(30906);
    case Outcome::PortLost:
        return LangText(30907);
    }
    return QString();
}
