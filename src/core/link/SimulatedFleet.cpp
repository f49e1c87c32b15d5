#include "SimulatedFleet.h"

#include "LinkFrames.h"
#include "SimulatedRadio.h"

namespace {
constexpr int kSerialOffset = 0x30;
constexpr int kSerialWidth = 16;
constexpr int kBandCount = 3;
} // namespace

SimulatedFleet::SimulatedFleet(SimulatedRadio &radio, int count, QObject *parent)
    : QObject(parent), radio_(radio), count_(count)
{
    pause_.setSingleShot(true);
    gap_.setSingleShot(true);
    unwritten_.setSingleShot(true);
    connect(&unwritten_, &QTimer::timeout, this, &SimulatedFleet::onPauseOver);
    connect(&pause_, &QTimer::timeout, this, &SimulatedFleet::onPauseOver);
    connect(&gap_, &QTimer::timeout, this, [this] { connectRadio(lastNumber_ + 1); });
    connect(&radio_, &SimulatedRadio::commandReceived, this, &SimulatedFleet::onCommand);
}

QString SimulatedFleet::serialOf(int number)
{
    return QStringLiteral("TV2-%1").arg(1233 + number, 7, 10, QLatin1Char('0'));
}

void SimulatedFleet::begin()
{
    baseMemory_ = radio_.memory;
    baseInfo_ = radio_.info;
    baseBand_ = radio_.band;
    lastNumber_ = 0;
    connectRadio(1);
}

void SimulatedFleet::connectRadio(int number)
{
    lastNumber_ = number;
    written_ = false;
    leaveAtEnd_ = false;
    pause_.stop();
    unwritten_.stop();
    radio_.forgetSession();
    if (number > count_) {
        current_ = 0;
        radio_.silent = true;   // the fleet is done: no radio on the line
        return;
    }
    current_ = number;
    radio_.memory = baseMemory_;
    radio_.info = baseInfo_;
    radio_.band = otherBand.contains(number) ? (baseBand_ + 1) % kBandCount : baseBand_;
    radio_.info[0] = char((uint8_t(radio_.info.at(0)) & 0xF0) | radio_.band);
    const QByteArray serial = serialOf(number).toLatin1();
    for (int i = 0; i < kSerialWidth; ++i)
        radio_.info[kSerialOffset + i] = i < serial.size() ? serial.at(i) : '\0';
    radio_.flipStoredAddress = failsVerify.contains(number) ? kFaultAddress : -1;
    radio_.flipStoredMask = kFaultMask;
    radio_.silent = false;
    emit radioConnected(number, serialOf(number));
}

void SimulatedFleet::onCommand(const QByteArray &command)
{
    if (current_ == 0 || command.isEmpty())
        return;
    const char kind = command.at(0);
    if (kind == char(LinkFrames::kDataMark)) {
        written_ = true;
        unwritten_.stop();
    } else if (kind == 'E') {
        if (leaveAtEnd_) {
            leaveAtEnd_ = false;
            // After the radio has answered this "END".
            QTimer::singleShot(0, this, &SimulatedFleet::takeAway);
        } else if (written_ && !pause_.isActive()) {
            pause_.start(pauseMs);
        } else if (!written_ && !unwritten_.isActive()) {
            unwritten_.start(unwrittenMs);
        }
    }
}

void SimulatedFleet::onPauseOver()
{
    if (current_ == 0)
        return;
    if (radio_.inProgramming())
        leaveAtEnd_ = true;
    else
        takeAway();
}

void SimulatedFleet::takeAway()
{
    if (current_ == 0)
        return;
    const int number = current_;
    current_ = 0;
    radio_.silent = true;
    radio_.forgetSession();
    emit radioRemoved(number);
    gap_.start(gapMs);
}
