#include "EditorTestSupport.h"
#include "TipGraph.h"
#include "ToneSynth.h"

#include <QTimer>
#include <cmath>

namespace {
struct Burst {
    int start = 0;   // sample index
    int end = 0;     // one past the last sample
};

// Stretches of sound separated by at least minGap silent samples.
QList<Burst> findBursts(const QVector<int16_t> &s, int minGap)
{
    QList<Burst> bursts;
    int lastLoud = -minGap - 1;
    for (int i = 0; i < s.size(); ++i) {
        if (std::abs(s[i]) < 200)
            continue;
        if (i - lastLoud > minGap)
            bursts.append({i, i + 1});
        bursts.last().end = i + 1;
        lastLoud = i;
    }
    return bursts;
}

double zeroCrossingHz(const QVector<int16_t> &s, const Burst &b, int rate)
{
    int crossings = 0;
    for (int i = b.start + 1; i < b.end; ++i) {
        if ((s[i - 1] < 0) != (s[i] < 0))
            ++crossings;
    }
    return crossings / 2.0 / (double(b.end - b.start) / rate);
}

struct Recorded {
    int hz;
    int ms;
};

QList<Recorded> &beeps()
{
    static QList<Recorded> list;
    return list;
}

void recordBeep(int hz, int ms)
{
    beeps().append({hz, ms});
}

void setSteps(ToneTip &tip, std::initializer_list<ToneStep> steps, int loops, int interval = 0)
{
    tip = ToneTip{};
    int i = 0;
    for (const ToneStep &s : steps)
        tip.steps[i++] = s;
    tip.LoopCount = int16_t(loops);
    tip.LoopInterval = int16_t(interval);
}
}

class TestModBeep : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        UseNewImage(0);
        beeps().clear();
        SetBeepFunction(recordBeep);
    }

    void newImageToneTipsAndDurations()
    {
        const auto &tips = Image().header.tips;
        QCOMPARE(tips[0].steps[0].ToneFreq, int16_t(210));
        QCOMPARE(tips[0].steps[1].ToneFreq, int16_t(0));
        QCOMPARE(tips[0].steps[6].ToneLen, int16_t(10));
        QCOMPARE(tips[0].steps[7].ToneLen, int16_t(0));
        QCOMPARE(tips[1].steps[13].ToneLen, int16_t(4));
        QCOMPARE(tips[4].steps[5].ToneFreq, int16_t(70));
        QCOMPARE(TipDuration(1), 700);
        QCOMPARE(TipDuration(2), 560);
        QCOMPARE(TipDuration(4), 300);
        QCOMPARE(TipDuration(5), 1200);
        for (int n = 1; n <= 8; ++n)
            QCOMPARE(IsTipUsable(Image(), n), n <= 5 ? n : 0);
        QVERIFY(PrepareTip(1));
        QCOMPARE(Beeper().playLoops, 1);
        QVERIFY(!PrepareTip(6));
        QVERIFY(!PrepareTip(0));
        QVERIFY(!PrepareTip(9));
        QCOMPARE(TipDuration(9), 0);
    }

    void playbackFollowsTheSteps()
    {
        PrepareTip(1);
        PlayTip(1);
        QCOMPARE(beeps().size(), 4);
        for (const Recorded &b : beeps()) {
            QCOMPARE(b.hz, 2100);
            QCOMPARE(b.ms, 100);
        }

        // Pauses are waits, lengths of 0 leave the step out whatever its frequency,
        // 40 Hz is a pause, and the tip repeats its loop count.
        beeps().clear();
        setSteps(Image().header.tips[5], {{0, 5}, {100, 0}, {4, 2}, {50, 1}, {5, 3}}, 2);
        QVERIFY(PrepareTip(6));
        PlayTip(6);
        QCOMPARE(beeps().size(), 4);
        QCOMPARE(beeps()[0].hz, 500);
        QCOMPARE(beeps()[0].ms, 10);
        QCOMPARE(beeps()[1].hz, 50);
        QCOMPARE(beeps()[1].ms, 30);

        beeps().clear();
        Image().header.tips[5].LoopCount = 0;
        PrepareTip(6);
        PlayTip(6);
        QVERIFY(beeps().isEmpty());
    }

    void stopDuringALongPauseEndsBeforeTheNextTone()
    {
        // A pause of 327 s and an interval as long: the test only ends if the stop is
        // seen while waiting.
        setSteps(Image().header.tips[6], {{100, 1}, {0, 32767}, {200, 1}}, 10, 32767);
        QVERIFY(PrepareTip(7));
        QTimer::singleShot(50, [] { RequestStopTone(); });
        PlayTip(7);
        QCOMPARE(beeps().size(), 1);
        QCOMPARE(beeps()[0].hz, 1000);
        QVERIFY(Beeper().StopTone);
    }

    void waitsKeepTheEventLoopRunning()
    {
        bool fired = false;
        QTimer::singleShot(5, [&] { fired = true; });
        WaitSeconds(0.2);
        QVERIFY(fired);
        WaitSeconds(-1);   // returns at once
        WaitSeconds(std::nan(""));
    }

    void renderedToneTipOneIsFourBursts()
    {
        const int rate = 48000;
        const QVector<int16_t> s = RenderToneTip(Image().header.tips[0], rate);
        QCOMPARE(s.size(), rate * 700 / 1000);
        const QList<Burst> bursts = findBursts(s, rate / 100);   // 10 ms of quiet splits
        QCOMPARE(bursts.size(), 4);
        for (int i = 0; i < 4; ++i) {
            const double startMs = bursts[i].start * 1000.0 / rate;
            const double lengthMs = (bursts[i].end - bursts[i].start) * 1000.0 / rate;
            QVERIFY2(std::abs(startMs - 200.0 * i) < 2.0, qPrintable(QString::number(startMs)));
            QVERIFY2(std::abs(lengthMs - 100.0) < 2.0, qPrintable(QString::number(lengthMs)));
            const double hz = zeroCrossingHz(s, bursts[i], rate);
            QVERIFY2(std::abs(hz - 2100.0) < 25.0, qPrintable(QString::number(hz)));
            if (i > 0) {
                const double gapMs = (bursts[i].start - bursts[i - 1].end) * 1000.0 / rate;
                QVERIFY2(std::abs(gapMs - 100.0) < 2.0, qPrintable(QString::number(gapMs)));
            }
        }
    }

    void tonesFadeInAndOut()
    {
        const QVector<int16_t> tone = RenderTone(2100, 100, 48000);
        QCOMPARE(tone.size(), 4800);
        QVERIFY(std::abs(tone.first()) < 50 && std::abs(tone.last()) < 50);
        int peak = 0;
        for (int16_t v : tone)
            peak = std::max(peak, std::abs(int(v)));
        QVERIFY(peak > 12000 && peak < 14000);   // 0.4 of full scale
        QVERIFY(RenderTone(1000, 0, 48000).isEmpty());
        QVERIFY(RenderTone(1000, 3, 48000).size() == 144);   // shorter than both fades
        QCOMPARE(SamplesToPcm({1, -2}, 2).size(), 8);
    }

    void graphBarsShareTheWidthAndScaleTheHeight()
    {
        const QList<TipBar> bars = TipGraphBars(Image().header.tips[0], 3000, 1500);
        QCOMPARE(bars.size(), 7);
        QCOMPARE(bars[0].box.left(), 50);
        QCOMPARE(bars[0].box.width(), 414);               // 10 of 70 units of 2900
        QCOMPARE(bars[0].box.bottom() + 1, 1450);         // base line 50 above the bottom
        QCOMPARE(bars[0].box.height(), 1148);             // 210 * 1400 / 256
        QCOMPARE(bars[1].box.height(), 0);                // pause
        QVERIFY(bars[0].odd && !bars[1].odd && bars[2].odd);
        QCOMPARE(bars[6].box.right() + 1, 50 + 7 * 414);

        ToneTip empty;
        QVERIFY(TipGraphBars(empty, 3000, 1500).isEmpty());
        ToneTip damaged;
        setSteps(damaged, {{30000, 10}, {100, -500}, {100, 10}}, 1);
        const QList<TipBar> clipped = TipGraphBars(damaged, 3000, 1500);
        QCOMPARE(clipped.size(), 2);
        QCOMPARE(clipped[0].box.height(), 1400);
        QCOMPARE(clipped[1].box.right() + 1, 2950);
    }
};

QTEST_MAIN(TestModBeep)
#include "tst_ModBeep.moc"
