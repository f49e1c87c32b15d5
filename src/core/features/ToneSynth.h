#pragma once
#include <QByteArray>
#include <QVector>
#include <cstdint>

struct ToneTip;

// Sound of the tone tips as 16-bit signed mono samples.

constexpr double kToneAmplitude = 0.4;      // of full scale
constexpr int kToneFadeMs = 5;              // raised-cosine fade at each end of a tone

// A sine tone of hz lasting ms, faded in and out so that it starts and stops without a
// click. Empty for a length of 0 or less or a sample rate below 1.
QVector<int16_t> RenderTone(int hz, int ms, int sampleRate);
QVector<int16_t> RenderSilence(int ms, int sampleRate);
// The whole tone tip as it plays: its loop count of repetitions, each the steps in order
// (steps of 5 ms or less left out, tones below 50 Hz as pauses) and then the interval.
QVector<int16_t> RenderToneTip(const ToneTip &tip, int sampleRate);
// Little-endian bytes of the samples, each repeated for every channel.
QByteArray SamplesToPcm(const QVector<int16_t> &samples, int channels);
