#include "ModBeep.h"

#include "RadioImage.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {
// Tones shorter than this and steps of no length are left out.
constexpr int kShortestStepMs = 5;
// Tones below this frequency are played as pauses.
constexpr int kLowestToneHz = 50;

BeepFunction &beepFunction()
{
    static BeepFunction f;
    return f;
}

// The wait or tone in progress, so that a stop request can end it at once.
QList<QPointer<QEventLoop>> &activeLoops()
{
    static QList<QPointer<QEventLoop>> loops;
    return loops;
}

const ToneTip *tipOf(int n)
{
    if (n < 1 || n > kToneTips)
        return nullptr;
    return &Image().header.tips[n - 1];
}
}

void SetBeepFunction(BeepFunction beep)
{
    beepFunction() = std::move(beep);
}

bool HasBeepFunction()
{
    return bool(beepFunction());
}

void Beep(int hz, int ms)
{
    if (beepFunction())
        beepFunction()(hz, ms);
    else
        WaitSeconds(ms / 1000.0);
}

BeepState &Beeper()
{
    static BeepState state;
    return state;
}

void ResetBeeper()
{
    Beeper() = BeepState{};
    beepFunction() = nullptr;
}

int TipDuration(int n)
{
    const ToneTip *tip = tipOf(n);
    if (!tip)
        return 0;
    int total = 0;
    for (const ToneStep &s : tip->steps)
        total += s.ToneLen * 10;
    return total;
}

bool PrepareTip(int n)
{
    BeepState &b = Beeper();
    b.StopTone = false;
    b.playTip = n;
    const ToneTip *tip = tipOf(n);
    b.playLoops = tip ? tip->LoopCount : 0;
    b.playIntervalMs = tip ? tip->LoopInterval * 10 : 0;
    return TipDuration(n) > 4;
}

void PlayTip(int n)
{
    BeepState &b = Beeper();
    if (b.playLoops <= 0 || !tipOf(n))
        return;
    int played = 0;
    do {
        for (int s = 0; s < kToneSteps; ++s) {
            // Read afresh: the editor may change the tip while it plays.
            const ToneStep step = Image().header.tips[n - 1].steps[s];
            const int ms = step.ToneLen * 10;
            if (ms <= kShortestStepMs)
                continue;
            if (b.StopTone)
                return;
            const int hz = step.ToneFreq * 10;
            if (hz >= kLowestToneHz)
                Beep(hz, ms);
            else
                WaitSeconds(ms / 1000.0);
            QCoreApplication::processEvents();
        }
        if (b.StopTone)
            return;
        WaitSeconds(b.playIntervalMs / 1000.0);
        ++played;
    } while (played < b.playLoops && !b.StopTone);
}

void RequestStopTone()
{
    Beeper().StopTone = true;
    for (const QPointer<QEventLoop> &loop : activeLoops()) {
        if (loop)
            loop->quit();
    }
}

void RunStoppableLoop(QEventLoop &loop, int timeoutMs)
{
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(std::max(0, timeoutMs));
    activeLoops().append(QPointer<QEventLoop>(&loop));
    loop.exec();
    activeLoops().removeAll(QPointer<QEventLoop>(&loop));
    activeLoops().removeAll(QPointer<QEventLoop>());
}

void WaitSeconds(double seconds)
{
    if (!(seconds > 0)) {                      // also NaN
        QCoreApplication::processEvents();
        return;
    }
    const double ms = std::min(seconds * 1000.0, double(INT_MAX));
    QEventLoop loop;
    RunStoppableLoop(loop, int(std::lround(ms)));
}
