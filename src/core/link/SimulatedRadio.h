#pragma once
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <deque>

class QSocketNotifier;

// The radio side of the serial protocol, served on a pseudo-terminal so that the real
// serial layer can open it like any serial device. It runs on the Qt event loop of the
// thread that owns it (no threads): bytes from the PC arrive through a socket notifier
// on the pty master, replies are written back to it.
//
// It holds its own 7424-byte memory and 256-byte information area and answers
// "PROGRAM", 02, "R" reads, "W" data frames and "END" as a radio does; commands other
// than "PROGRAM" are answered only in programming mode. With `pace` set, bytes move at
// 9600 baud in both directions (10 bits per byte, 1.0417 ms), timed by a timerfd.
//
// The fault settings let tests and demonstrations disturb the exchange: drop a reply,
// answer 0A, corrupt a checksum, send garbage, stay silent, lose the "END" acknowledge,
// hang up (the device vanishes) after a number of commands, or store a written byte
// wrongly while acknowledging it.
class SimulatedRadio : public QObject {
    Q_OBJECT
public:
    static constexpr int kMemoryBytes = 7424;
    static constexpr int kInfoBytes = 256;
    static constexpr int kInfoBase = 0x3E00;
    static constexpr qint64 kByteNs = 1041667;   // 10 bits at 9600 baud

    explicit SimulatedRadio(QObject *parent = nullptr);
    ~SimulatedRadio() override;

    bool start(QString *error = nullptr);
    void stop();
    bool isRunning() const { return master_ >= 0; }
    QString devicePath() const { return path_; }
    // Makes the device vanish now, as a pulled cable or removed adapter does.
    void hangUp();

    // What the radio holds and reports.
    QByteArray memory = QByteArray(kMemoryBytes, '\0');
    QByteArray info = QByteArray(kInfoBytes, char(0xFF));
    QString model = QStringLiteral("TARVEN2");
    int band = 0;
    QString firmware = QStringLiteral("V100");
    bool ctcssDcs = true;
    bool echo = false;          // the cable echoes every byte the PC sends
    bool pace = false;          // 9600-baud timing
    // Password of up to 4 characters in info bytes 1C..1F; empty stores FF FF FF FF.
    void setPassword(const QString &password);
    // A plausible information area: band, serial number, dates, codes.
    void setDemoInfo();

    // Faults, consumed as they happen. Addresses are block addresses.
    QHash<int, int> dropReplyAt;       // read or write of this block: no reply, n times
    QHash<int, int> sendAgainAt;       // data frame for this block: answer 0A, n times
    QHash<int, int> badChecksumAt;     // read of this block: wrong checksum, n times
    QHash<int, int> garbageAt;         // read of this block: bytes of the right length
                                       // that are no data frame, n times
    int dropEntryReplies = 0;          // leave this many "PROGRAM" unanswered
    int dropIdentReplies = 0;          // leave this many identification requests unanswered
    bool silent = false;               // answer nothing at all
    bool loseEndAck = false;           // leave "END" unanswered
    bool endAnswersSendAgain = false;  // answer "END" with 0A instead of 06
    int hangUpAfterCommands = -1;      // vanish once this many commands have arrived
    int flipStoredAddress = -1;        // the byte written here is stored XORed with
    uint8_t flipStoredMask = 0x01;     // this mask, once, and acknowledged as usual

    // What the PC sent, complete commands in order.
    int commandsReceived() const { return int(commands_.size()); }
    const QList<QByteArray> &commands() const { return commands_; }
    int countOf(char kind) const;      // commands starting with this byte ('P','R','W','E',2)
    void clearLog() { commands_.clear(); }
    // Whether "PROGRAM" has come and "END" not yet.
    bool inProgramming() const { return programming_; }
    // Forgets a half-received command and programming mode, as a radio just connected.
    void forgetSession();

signals:
    void commandReceived(const QByteArray &command);
    void hungUp();

private:
    void onReadable();
    void onWritable();
    void onTimer();
    void takeBytes(const QByteArray &bytes);
    void parseCommands();
    void handle(const QByteArray &command);
    void reply(const QByteArray &bytes);
    void writeOut(const QByteArray &bytes);
    void pump();
    void armTimer();
    QByteArray readBlock(int address, int length) const;
    static bool consume(QHash<int, int> &faults, int address);
    static qint64 nowNs();

    int master_ = -1;
    int slaveKeeper_ = -1;     // keeps the pty alive while the PC closes and reopens it
    int timerFd_ = -1;
    QSocketNotifier *readNotifier_ = nullptr;
    QSocketNotifier *writeNotifier_ = nullptr;
    QSocketNotifier *timerNotifier_ = nullptr;
    QString path_;
    QByteArray rx_;
    QByteArray pendingWrite_;
    bool programming_ = false;
    QList<QByteArray> commands_;
    // Pacing: bytes from the PC become visible when their last bit has arrived; bytes to
    // the PC leave one byte time apart.
    std::deque<std::pair<qint64, QByteArray>> arriving_;
    qint64 rxLineFree_ = 0;
    QByteArray txQueue_;
    qint64 txLineFree_ = 0;
    qint64 commandDue_ = 0;    // when the command being handled was complete on the line
};
