#pragma once
#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>

class LinkTrace;

// The serial port of the link, with the operations of a classic serial-port control so
// that the protocol code reads in its terms:
//
//   CommPort        port number (informational; the device is given by setPortName)
//   Settings        "9600,n,8,1": baud, parity n/e/o, data bits, stop bits
//   Handshaking     0 none (the only kind used)
//   InputMode       1 binary (the only kind used)
//   InputLen        0: Input takes everything buffered
//   RThreshold      OnComm fires with CommEvent 2 only once this many bytes are buffered
//   InBufferCount   bytes waiting; setting 0 discards them
//   OutBufferCount  bytes not yet written; setting 0 discards them
//   PortOpen        open / close
//   Output, Input   send bytes / take the buffered bytes
//
// OnComm is raised from the event loop, never from inside the port's own notification,
// so a handler may run a modal dialog without losing later receive events.
// A port that fails while open (device removed, cable pulled) raises PortFailed once.
class MSComm1 : public QObject {
    Q_OBJECT
public:
    static constexpr int comEvReceive = 2;

    explicit MSComm1(QObject *parent = nullptr);
    ~MSComm1() override;

    void setCommPort(int n) { commPort_ = n; }
    int CommPort() const { return commPort_; }
    void setPortName(const QString &device) { device_ = device; }
    QString portName() const { return device_; }

    bool setSettings(const QString &settings);   // false when the text cannot be parsed
    QString Settings() const { return settings_; }
    void setHandshaking(int mode) { handshaking_ = mode; }
    void setInputMode(int mode) { inputMode_ = mode; }
    void setInputLen(int len) { inputLen_ = len; }
    void setRThreshold(int n) { rThreshold_ = n; }
    int RThreshold() const { return rThreshold_; }

    int InBufferCount() const;
    void setInBufferCount(int n);                // 0 discards pending input
    int OutBufferCount() const;
    void setOutBufferCount(int n);               // 0 discards pending output

    bool PortOpen() const;
    // Opens or closes; false when opening failed (see error() / errorString()).
    bool setPortOpen(bool open);
    void Output(const QByteArray &bytes);
    QByteArray Input();
    int CommEvent() const { return commEvent_; }

    QSerialPort::SerialPortError error() const { return lastError_; }
    QString errorString() const { return lastErrorText_; }

    void setTrace(LinkTrace *trace) { trace_ = trace; }
    LinkTrace *trace() const { return trace_; }

signals:
    void OnComm();
    void PortFailed(const QString &reason);

private:
    void onReadyRead();
    void deliverReceiveEvent();
    void onError(QSerialPort::SerialPortError error);

    QSerialPort port_;
    QString device_;
    QString settings_ = QStringLiteral("9600,n,8,1");
    int commPort_ = 1;
    int handshaking_ = 0;
    int inputMode_ = 1;
    int inputLen_ = 0;
    int rThreshold_ = 1;
    int commEvent_ = 0;
    bool eventQueued_ = false;
    bool failed_ = false;
    QSerialPort::SerialPortError lastError_ = QSerialPort::NoError;
    QString lastErrorText_;
    LinkTrace *trace_ = nullptr;
};
