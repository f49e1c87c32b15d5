#include "ToneSynth.h"

#include "RadioImage.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
int sampleCount(int ms, int sampleRate)
{
    if (ms <= 0 || sampleRate < 1)
        return 0;
    return int(qint64(ms) * sampleRate / 1000);
}
}

QVector<int16_t> RenderTone(int hz, int ms, int sampleRate)
{
    const int n = sampleCount(ms, sampleRate);
    QVector<int16_t> out(n);
    const int fade = std::min(sampleCount(kToneFadeMs, sampleRate), n / 2);
    const double step = 2.0 * std::numbers::pi * hz / sampleRate;
    for (int i = 0; i < n; ++i) {
        double gain = kToneAmplitude;
        const int edge = std::min(i, n - 1 - i);
        if (edge < fade)
            gain *= 0.5 - 0.5 * std::cos(std::numbers::pi * edge / fade);
        out[i] = int16_t(std::lround(32767.0 * gain * std::sin(step * i)));
    }
    return out;
}

QVector<int16_t> RenderSilence(int ms, int sampleRate)
{
    return QVector<int16_t>(sampleCount(ms, sampleRate), 0);
}

QVector<int16_t> RenderToneTip(const ToneTip &tip, int sampleRate)
{
    QVector<int16_t> out;
    for (int loop = 0; loop < tip.LoopCount; ++loop) {
        for (const ToneStep &s : tip.steps) {
            const int ms = s.ToneLen * 10;
            if (ms <= 5)
                continue;
            const int hz = s.ToneFreq * 10;
            out += hz >= 50 ? RenderTone(hz, ms, sampleRate) : RenderSilence(ms, sampleRate);
        }
        out += RenderSilence(tip.LoopInterval * 10, sampleRate);
    }
    return out;
}

QByteArray SamplesToPcm(const QVector<int16_t> &samples, int channels)
{
    channels = std::max(1, channels);
    QByteArray pcm(samples.size() * channels * 2, Qt::Uninitialized);
    char *p = pcm.data();
    for (int16_t v : samples) {
        for (int c = 0; c < channels; ++c, p += 2)
            qToLittleEndian<int16_t>(v, p);
    }
    return pcm;
}
