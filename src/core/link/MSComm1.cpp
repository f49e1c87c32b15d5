#include "MSComm1.h"

#include "LinkTrace.h"

#include <QStringList>
#include <QTimer>

MSComm1::MSComm1(QObject *parent)
    : QObject(parent)
{
    connect(&port_, &QSerialPort::readyRead, this, &MSComm1::onReadyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, &MSComm1::onError);
}

MSComm1::~MSComm1()
{
    if (port_.isOpen())
        port_.close();
}

bool MSComm1::setSettings(const QString &settings)
{
    const QStringList parts = settings.split(QLatin1Char(','));
    if (parts.size() != 4)
        return false;
    bool okBaud = false, okBits = false;
    const int baud = parts[0].trimmed().toInt(&okBaud);
    const int bits = parts[2].trimmed().toInt(&okBits);
    const QString parity = parts[1].trimmed().toLower();
    const QString stop = parts[3].trimmed();
    if (!okBaud || baud <= 0 || !okBits || bits < 5 || bits > 8)
        return false;
    QSerialPort::Parity p;
    if (parity == QLatin1String("n"))
        p = QSerialPort::NoParity;
    else if (parity == QLatin1String("e"))
        p = QSerialPort::EvenParity;
    else if (parity == QLatin1String("o"))
        p = QSerialPort::OddParity;
    else
        return false;
    QSerialPort::StopBits s;
    if (stop == QLatin1String("1"))
        s = QSerialPort::OneStop;
    else if (stop == QLatin1String("2"))
        s = QSerialPort::TwoStop;
    else
        return false;
    port_.setBaudRate(baud);
    port_.setParity(p);
    port_.setDataBits(static_cast<QSerialPort::DataBits>(bits));
    port_.setStopBits(s);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    settings_ = settings;
    return true;
}

int MSComm1::InBufferCount() const
{
    return int(port_.bytesAvailable());
}

void MSComm1::setInBufferCount(int n)
{
    if (n != 0 || !port_.isOpen())
        return;
    const QByteArray dropped = port_.readAll();
    if (trace_)
        trace_->received(dropped);
    port_.clear(QSerialPort::Input);
}

int MSComm1::OutBufferCount() const
{
    return int(port_.bytesToWrite());
}

void MSComm1::setOutBufferCount(int n)
{
    if (n == 0 && port_.isOpen())
        port_.clear(QSerialPort::Output);
}

bool MSComm1::PortOpen() const
{
    return port_.isOpen();
}

bool MSComm1::setPortOpen(bool open)
{
    if (!open) {
        if (port_.isOpen()) {
            if (!failed_)
                port_.flush();   // a last "END" still goes out before the port closes
            port_.close();
        }
        return true;
    }
    if (port_.isOpen())
        return true;
    failed_ = false;
    lastError_ = QSerialPort::NoError;
    lastErrorText_.clear();
    commEvent_ = 0;
    port_.setPortName(device_);
    if (!port_.open(QIODevice::ReadWrite)) {
        lastError_ = port_.error();
        lastErrorText_ = port_.errorString();
        port_.clearError();
        return false;
    }
    setSettings(settings_);
    return true;
}

void MSComm1::Output(const QByteArray &bytes)
{
    if (!port_.isOpen() || failed_)
        return;
    if (trace_)
        trace_->sent(bytes);
    port_.write(bytes);
    port_.flush();   // out on the line now, not at the next turn of the event loop
}

QByteArray MSComm1::Input()
{
    const QByteArray bytes = port_.readAll();
    if (trace_)
        trace_->received(bytes);
    return bytes;
}

void MSComm1::onReadyRead()
{
    // Deliver from the event loop: the port does not announce new data while its own
    // readyRead is still being handled, and a receive handler may open a modal dialog.
    if (eventQueued_)
        return;
    eventQueued_ = true;
    QMetaObject::invokeMethod(this, &MSComm1::deliverReceiveEvent, Qt::QueuedConnection);
}

void MSComm1::deliverReceiveEvent()
{
    eventQueued_ = false;
    if (!port_.isOpen() || failed_ || rThreshold_ <= 0)
        return;
    if (port_.bytesAvailable() < rThreshold_)
        return;
    commEvent_ = comEvReceive;
    emit OnComm();
}

void MSComm1::onError(QSerialPort::SerialPortError error)
{
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError)
        return;
    if (!port_.isOpen() || failed_)
        return;   // open failures are reported by setPortOpen
    failed_ = true;
    lastError_ = error;
    lastErrorText_ = port_.errorString();
    // A vanished device cannot be used again; closing stops further notifications.
    QTimer::singleShot(0, this, [this] {
        if (port_.isOpen())
            port_.close();
    });
    emit PortFailed(lastErrorText_);
}
