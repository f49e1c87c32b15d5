// Processor time used while tone playback waits: a 2 s pause, and a 2 s tone tip (pause,
// tone, pause) with the tone played as a silent wait. Both waits sleep in the event loop,
// so each should cost a few milliseconds of processor time, not seconds.
#include "ModBeep.h"
#include "Models.h"
#include "NewImage.h"
#include "RadioImage.h"

#include <QCoreApplication>
#include <cstdio>
#include <sys/resource.h>

namespace {
double processorMs()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000.0 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1000.0;
}
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    SetCurrentBand(0);
    BuildBuiltInDefaults();
    SetBeepFunction(nullptr);   // tones as silent waits of their length

    const double before = processorMs();
    WaitSeconds(2.0);
    const double afterWait = processorMs();

    ToneTip &tip = Image().header.tips[7];
    tip = ToneTip{};
    tip.steps[0] = {0, 100};     // 1 s pause
    tip.steps[1] = {210, 50};    // 0.5 s tone of 2100 Hz
    tip.steps[2] = {0, 50};      // 0.5 s pause
    tip.LoopCount = 1;
    PrepareTip(8);
    PlayTip(8);
    const double afterTip = processorMs();

    std::printf("WaitSeconds(2.0):              %.1f ms of processor time\n", afterWait - before);
    std::printf("2 s tone tip (pause/tone/pause): %.1f ms of processor time\n", afterTip - afterWait);
    return 0;
}
