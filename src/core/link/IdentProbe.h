#pragma once
#include <QSerialPort>
#include <QString>

class LinkTrace;

// Asks a radio who it is, without touching its memory: opens the port (9600,n,8,1),
// sends "PROGRAM", the identification request 02 and "END", and closes the port again.
// With `readSerialNumber` it also reads the one 16-byte block of the information area
// that holds the serial number (address 3E30); the channel memory is never read or
// written.
//
// The exchange runs on a local event loop, so a simulated radio served by the same
// thread answers; it takes about a second at most when nothing answers. Whether the
// line echoes is decided from what comes back after "PROGRAM": the exact echo of the
// command first (a single-wire cable), the entry answer alone, or nothing.
struct IdentProbeOptions {
    bool readSerialNumber = false;
    int attempts = 4;            // "PROGRAM" tries before giving up
    int replyTimeoutMs = 250;    // per command; a radio answers within 150 ms
    LinkTrace *trace = nullptr;  // every byte sent and received, when set
};

struct IdentProbeResult {
    enum class Outcome {
        Identified,     // the radio answered the identification request
        PortFailed,     // the port could not be opened (openError, openErrorText)
        Silent,         // nothing came back at all: no echo, no answer
        EchoOnly,       // the cable echoed, but no radio answered
        NoEntryAnswer,  // bytes came back, but never the entry answer
        NoIdent,        // the radio entered programming mode but sent no identification
        PortLost,       // the device vanished during the exchange
    };
    Outcome outcome = Outcome::Silent;
    QSerialPort::SerialPortError openError = QSerialPort::NoError;
    QString openErrorText;
    bool echo = false;           // the line echoes what is sent
    QByteArray firstBytes;       // the first bytes that came back after "PROGRAM" (up to 32)
    QString model;               // as the radio reports it, e.g. "TARVEN2"
    int band = -1;               // 0 CB, 1 HF, 2 HAM
    QString firmware;            // e.g. "V100"
    bool ctcssDcs = false;
    QString serialNumber;        // empty unless asked for and read
    bool endAcknowledged = false;

    bool identified() const { return outcome == Outcome::Identified; }
    // One line in plain words: "TARVEN II, CB, firmware V100" or what went wrong.
    QString summary() const;
};

IdentProbeResult ProbeRadioIdent(const QString &device, const IdentProbeOptions &options = {});
