#include "SimulatedRadio.h"

#include "LinkFrames.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <pty.h>
#include <sys/timerfd.h>
#include <termios.h>
#include <unistd.h>

namespace {
constexpr int kEntryLength = 7;
constexpr int kReadLength = 4;
constexpr int kEndLength = 3;
constexpr int kPasswordOffset = 0x1C;
} // namespace

SimulatedRadio::SimulatedRadio(QObject *parent)
    : QObject(parent)
{
}

SimulatedRadio::~SimulatedRadio()
{
    stop();
}

qint64 SimulatedRadio::nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

bool SimulatedRadio::start(QString *error)
{
    if (isRunning())
        return true;
    termios raw{};
    cfmakeraw(&raw);
    cfsetispeed(&raw, B9600);
    cfsetospeed(&raw, B9600);
    char name[256] = {};
    int master = -1, slave = -1;
    if (openpty(&master, &slave, name, &raw, nullptr) != 0) {
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    tcsetattr(slave, TCSANOW, &raw);
    tcsetattr(master, TCSANOW, &raw);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    fcntl(master, F_SETFD, FD_CLOEXEC);
    fcntl(slave, F_SETFD, FD_CLOEXEC);
    master_ = master;
    slaveKeeper_ = slave;
    path_ = QString::fromLocal8Bit(name);

    timerFd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    readNotifier_ = new QSocketNotifier(master_, QSocketNotifier::Read, this);
    connect(readNotifier_, &QSocketNotifier::activated, this, &SimulatedRadio::onReadable);
    writeNotifier_ = new QSocketNotifier(master_, QSocketNotifier::Write, this);
    writeNotifier_->setEnabled(false);
    connect(writeNotifier_, &QSocketNotifier::activated, this, &SimulatedRadio::onWritable);
    if (timerFd_ >= 0) {
        timerNotifier_ = new QSocketNotifier(timerFd_, QSocketNotifier::Read, this);
        connect(timerNotifier_, &QSocketNotifier::activated, this, &SimulatedRadio::onTimer);
    }
    rx_.clear();
    pendingWrite_.clear();
    txQueue_.clear();
    arriving_.clear();
    programming_ = false;
    return true;
}

void SimulatedRadio::stop()
{
    // Notifiers may be in the middle of their own signal (a hang-up decided while a
    // command is handled), so they are disabled now and deleted later.
    for (QSocketNotifier *n : {readNotifier_, writeNotifier_, timerNotifier_}) {
        if (n) {
            n->setEnabled(false);
            n->deleteLater();
        }
    }
    readNotifier_ = writeNotifier_ = timerNotifier_ = nullptr;
    if (master_ >= 0)
        ::close(master_);
    if (slaveKeeper_ >= 0)
        ::close(slaveKeeper_);
    if (timerFd_ >= 0)
        ::close(timerFd_);
    master_ = slaveKeeper_ = timerFd_ = -1;
}

void SimulatedRadio::hangUp()
{
    if (!isRunning())
        return;
    stop();
    emit hungUp();
}

void SimulatedRadio::setPassword(const QString &password)
{
    const QByteArray pw = password.toLatin1().left(4);
    for (int i = 0; i < 4; ++i)
        info[kPasswordOffset + i] = i < pw.size() ? pw.at(i) : (pw.isEmpty() ? char(0xFF) : '\0');
}

void SimulatedRadio::setDemoInfo()
{
    auto put = [this](int offset, int width, const char *text) {
        const QByteArray t(text);
        for (int i = 0; i < width; ++i)
            info[offset + i] = i < t.size() ? t.at(i) : '\0';
    };
    info[0] = char(band & 0x0F);
    put(0x20, 8, "05-1-E-1");
    put(0x28, 4, "001A");
    put(0x2C, 4, "EU01");
    put(0x30, 16, "TV2-0001234");
    put(0x40, 16, "2024-05-02");
    put(0x50, 16, "");
    put(0x60, 96, "");
    put(0xC0, 16, "DEMO DEALER");
    put(0xD0, 16, "2024-05-10");
    put(0xE0, 16, "2024-06-01");
    put(0xF0, 16, "SIMULATOR");
}

void SimulatedRadio::forgetSession()
{
    rx_.clear();
    arriving_.clear();
    programming_ = false;
}

int SimulatedRadio::countOf(char kind) const
{
    int n = 0;
    for (const QByteArray &c : commands_)
        n += (!c.isEmpty() && c.at(0) == kind) ? 1 : 0;
    return n;
}

void SimulatedRadio::onReadable()
{
    char buf[4096];
    for (;;) {
        const ssize_t n = ::read(master_, buf, sizeof buf);
        if (n > 0) {
            const QByteArray bytes(buf, int(n));
            commandDue_ = nowNs();
            if (echo)
                reply(bytes);
            if (!pace) {
                takeBytes(bytes);
                if (!isRunning())
                    return;
            } else {
                const qint64 now = nowNs();
                rxLineFree_ = std::max(rxLineFree_, now) + n * kByteNs;
                arriving_.emplace_back(rxLineFree_, bytes);
                armTimer();
            }
            continue;
        }
        // EAGAIN: all read. EIO only happens without any slave open, which the kept slave
        // descriptor prevents; either way wait for the next notification.
        return;
    }
}

void SimulatedRadio::onWritable()
{
    writeOut(QByteArray());
}

void SimulatedRadio::onTimer()
{
    uint64_t expirations = 0;
    if (::read(timerFd_, &expirations, sizeof expirations) < 0 && errno != EAGAIN)
        return;
    const qint64 now = nowNs();
    while (!arriving_.empty() && arriving_.front().first <= now) {
        const QByteArray bytes = arriving_.front().second;
        commandDue_ = arriving_.front().first;
        arriving_.pop_front();
        takeBytes(bytes);
        if (!isRunning())
            return;
    }
    pump();
    armTimer();
}

void SimulatedRadio::armTimer()
{
    if (timerFd_ < 0)
        return;
    qint64 due = 0;
    if (!arriving_.empty())
        due = arriving_.front().first;
    if (!txQueue_.isEmpty()) {
        const qint64 txDue = txLineFree_ + kByteNs;
        due = due ? std::min(due, txDue) : txDue;
    }
    itimerspec wake{};
    if (due) {
        wake.it_value.tv_sec = due / 1000000000LL;
        wake.it_value.tv_nsec = due % 1000000000LL;
    }
    timerfd_settime(timerFd_, TFD_TIMER_ABSTIME, &wake, nullptr);
}

void SimulatedRadio::takeBytes(const QByteArray &bytes)
{
    rx_.append(bytes);
    parseCommands();
}

void SimulatedRadio::parseCommands()
{
    using namespace LinkFrames;
    while (!rx_.isEmpty() && isRunning()) {
        const uint8_t first = uint8_t(rx_.at(0));
        int need = 0;
        if (first == 'P') {
            need = kEntryLength;
            if (!entryCommand().startsWith(rx_.left(need))) {
                rx_.remove(0, 1);
                continue;
            }
        } else if (first == kIdentRequest) {
            need = 1;
        } else if (first == kReadMark) {
            need = kReadLength;
        } else if (first == kDataMark) {
            if (rx_.size() < 4)
                return;
            need = uint8_t(rx_.at(3)) + kDataFrameOverhead;
        } else if (first == 'E') {
            need = kEndLength;
            if (!endCommand().startsWith(rx_.left(need))) {
                rx_.remove(0, 1);
                continue;
            }
        } else {
            rx_.remove(0, 1);   // line noise
            continue;
        }
        if (rx_.size() < need)
            return;
        const QByteArray command = rx_.left(need);
        rx_.remove(0, need);
        handle(command);
    }
}

bool SimulatedRadio::consume(QHash<int, int> &faults, int address)
{
    auto it = faults.find(address);
    if (it == faults.end() || it.value() <= 0)
        return false;
    if (--it.value() == 0)
        faults.erase(it);
    return true;
}

QByteArray SimulatedRadio::readBlock(int address, int length) const
{
    QByteArray data(length, char(0xFF));
    for (int i = 0; i < length; ++i) {
        const int a = address + i;
        if (a >= 0 && a < kMemoryBytes)
            data[i] = memory.at(a);
        else if (a >= kInfoBase && a < kInfoBase + kInfoBytes)
            data[i] = info.at(a - kInfoBase);
    }
    return data;
}

void SimulatedRadio::handle(const QByteArray &command)
{
    using namespace LinkFrames;
    commands_.append(command);
    emit commandReceived(command);
    if (hangUpAfterCommands >= 0 && commandsReceived() >= hangUpAfterCommands) {
        hangUp();
        return;
    }
    if (silent)
        return;
    const uint8_t kind = uint8_t(command.at(0));
    if (kind == 'P') {
        programming_ = true;
        if (dropEntryReplies > 0) {
            --dropEntryReplies;
            return;
        }
        reply(entryReply());
        return;
    }
    if (!programming_)
        return;
    if (kind == kIdentRequest) {
        if (dropIdentReplies > 0) {
            --dropIdentReplies;
            return;
        }
        reply(identRecord({model, band, firmware, ctcssDcs}));
    } else if (kind == kReadMark) {
        const int address = uint8_t(command.at(1)) * 256 + uint8_t(command.at(2));
        const int length = uint8_t(command.at(3));
        if (consume(dropReplyAt, address))
            return;
        QByteArray frame = dataFrame(address, readBlock(address, length));
        if (consume(badChecksumAt, address))
            frame[frame.size() - 2] = char(uint8_t(frame.at(frame.size() - 2)) + 1);
        if (consume(garbageAt, address)) {
            for (int i = 0; i < frame.size(); ++i)
                frame[i] = char(0xA5 ^ i);
        }
        reply(frame);
    } else if (kind == kDataMark) {
        const int address = uint8_t(command.at(1)) * 256 + uint8_t(command.at(2));
        if (consume(dropReplyAt, address))
            return;
        if (!parseDataFrame(command, 0, nullptr) || consume(sendAgainAt, address)) {
            reply(QByteArray(1, char(kSendAgain)));
            return;
        }
        const QByteArray data = command.mid(4, uint8_t(command.at(3)));
        for (int i = 0; i < data.size(); ++i) {
            if (address + i >= 0 && address + i < kMemoryBytes)
                memory[address + i] = data.at(i);
        }
        if (flipStoredAddress >= address && flipStoredAddress < address + data.size()
            && flipStoredAddress < kMemoryBytes) {
            memory[flipStoredAddress] = char(uint8_t(memory.at(flipStoredAddress)) ^ flipStoredMask);
            flipStoredAddress = -1;
        }
        reply(QByteArray(1, char(kAck)));
    } else if (kind == 'E') {
        programming_ = false;
        if (!loseEndAck)
            reply(QByteArray(1, char(endAnswersSendAgain ? kSendAgain : kAck)));
    }
}

void SimulatedRadio::reply(const QByteArray &bytes)
{
    if (!pace) {
        writeOut(bytes);
        return;
    }
    // The radio answers as soon as the command is complete on the line; a late wake-up of
    // this process must not count as time on the line, so the schedule starts there.
    if (txQueue_.isEmpty())
        txLineFree_ = std::max(txLineFree_, commandDue_);
    txQueue_.append(bytes);
    pump();
    armTimer();
}

void SimulatedRadio::pump()
{
    if (txQueue_.isEmpty())
        return;
    const qint64 now = nowNs();
    int due = 0;
    while (due < txQueue_.size() && txLineFree_ + kByteNs <= now) {
        txLineFree_ += kByteNs;
        ++due;
    }
    if (due > 0) {
        writeOut(txQueue_.left(due));
        txQueue_.remove(0, due);
    }
}

void SimulatedRadio::writeOut(const QByteArray &bytes)
{
    if (!isRunning())
        return;
    pendingWrite_.append(bytes);
    while (!pendingWrite_.isEmpty()) {
        const ssize_t n = ::write(master_, pendingWrite_.constData(), size_t(pendingWrite_.size()));
        if (n > 0) {
            pendingWrite_.remove(0, int(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;   // EAGAIN: the PC has not read yet; continue when writable
    }
    if (writeNotifier_)
        writeNotifier_->setEnabled(!pendingWrite_.isEmpty());
}
