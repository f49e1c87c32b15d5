#pragma once
#include <QObject>

class QWidget;

// Start-up timing for the benchmark script (TARVEN_BENCH=1): prints, on stdout, when a
// window is first painted, counted from TARVEN_BENCH_T0 (milliseconds since the epoch,
// taken by the script just before it starts the program) or from the previous mark, and
// the peak memory; quits after the last watched window. Does nothing otherwise.
class BenchClock : public QObject {
public:
    BenchClock();
    bool enabled() const { return enabled_; }
    void mark(const char *name);
    void watchFirstPaint(QWidget *w, const char *name, bool quitAfter);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool enabled_ = false;
    qint64 t0_ = 0;
    qint64 lastMark_ = 0;
};
