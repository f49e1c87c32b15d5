#include "TipGraph.h"

#include "RadioImage.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kMargin = 50;      // around the drawing area, in scale units
constexpr int kFullScale = 256;  // frequency value drawn at full height
}

QList<TipBar> TipGraphBars(const ToneTip &tip, int scaleWidth, int scaleHeight)
{
    QList<TipBar> bars;
    const int w = scaleWidth - 2 * kMargin;
    const int h = scaleHeight - 2 * kMargin;
    // Only steps that are drawn share the width, so damaged (negative) lengths cannot
    // push the bars beyond the picture.
    int total = 0;
    for (const ToneStep &s : tip.steps)
        total += std::max<int>(0, s.ToneLen);
    if (total < 1 || w < 1 || h < 1)
        return bars;
    const int base = scaleHeight - kMargin;
    int x = kMargin;
    for (int i = 0; i < kToneSteps; ++i) {
        const ToneStep &s = tip.steps[i];
        if (s.ToneLen <= 0)
            continue;
        const int width = int(std::lround(double(s.ToneLen) * w / total));
        const int height = std::clamp(int(std::lround(double(s.ToneFreq) * h / kFullScale)), 0, h);
        bars.append({QRect(x, base - height, width, height), (i + 1) % 2 == 1});
        x += width;
    }
    return bars;
}
