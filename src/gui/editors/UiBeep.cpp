#include "UiBeep.h"

#include "ModBeep.h"
#include "ToneSynth.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMediaDevices>

namespace {
// A little longer than the tone, for the device's own start-up latency.
constexpr int kDeviceGraceMs = 1000;

bool chooseFormat(const QAudioDevice &device, QAudioFormat &format)
{
    format.setSampleFormat(QAudioFormat::Int16);
    format.setSampleRate(device.preferredFormat().sampleRate() > 0 ? device.preferredFormat().sampleRate() : 48000);
    for (int channels : {1, 2}) {
        format.setChannelCount(channels);
        if (device.isFormatSupported(format))
            return true;
    }
    return false;
}

// Plays the tone; false when the device could not play it at all.
bool playOnDevice(const QAudioDevice &device, int hz, int ms)
{
    QAudioFormat format;
    if (!chooseFormat(device, format))
        return false;
    QByteArray pcm = SamplesToPcm(RenderTone(hz, ms, format.sampleRate()), format.channelCount());
    QBuffer source(&pcm);
    source.open(QIODevice::ReadOnly);
    QAudioSink sink(device, format);
    QEventLoop loop;
    bool failed = false;
    QObject::connect(&sink, &QAudioSink::stateChanged, &loop, [&](QAudio::State state) {
        if (state == QAudio::IdleState) {
            loop.quit();                       // every sample has been played
        } else if (state == QAudio::StoppedState && sink.error() != QAudio::NoError) {
            failed = true;
            loop.quit();
        }
    });
    sink.start(&source);
    if (sink.error() != QAudio::NoError)
        return false;
    RunStoppableLoop(loop, ms + kDeviceGraceMs);
    sink.stop();
    return !failed;
}
}

void SoundDeviceBeep(int hz, int ms)
{
    if (ms <= 0)
        return;
    QElapsedTimer clock;
    clock.start();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (!device.isNull() && playOnDevice(device, hz, ms))
        return;
    // No sound: the tone still takes its time, so melodies keep their rhythm.
    if (!Beeper().StopTone)
        WaitSeconds((ms - clock.elapsed()) / 1000.0);
}

void InstallSoundDeviceBeep()
{
    if (!HasBeepFunction())
        SetBeepFunction(SoundDeviceBeep);
}
