#include "UiBenchClock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {
QString peakMemory()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return QString::fromLatin1(line.mid(6).simplified());
    }
    return QString();
}
}

BenchClock::BenchClock()
{
    enabled_ = qEnvironmentVariableIntValue("TARVEN_BENCH") == 1;
    bool ok = false;
    t0_ = qEnvironmentVariable("TARVEN_BENCH_T0").toLongLong(&ok);
    if (!ok)
        t0_ = QDateTime::currentMSecsSinceEpoch();
    lastMark_ = t0_;
}

void BenchClock::mark(const char *name)
{
    if (!enabled_)
        return;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    std::printf("bench %s %lld\n", name, static_cast<long long>(now - t0_));
    std::fflush(stdout);
    lastMark_ = now;
}

void BenchClock::watchFirstPaint(QWidget *w, const char *name, bool quitAfter)
{
    if (!enabled_ || !w)
        return;
    w->setProperty("benchName", QByteArray(name));
    w->setProperty("benchQuit", quitAfter);
    w->installEventFilter(this);
}

bool BenchClock::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        std::printf("bench %s %lld (since previous mark %lld)\n", watched->property("benchName").toByteArray().constData(),
                    static_cast<long long>(now - t0_), static_cast<long long>(now - lastMark_));
        if (watched->property("benchQuit").toBool()) {
            std::printf("bench peak-memory %s\n", qPrintable(peakMemory()));
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        std::fflush(stdout);
    }
    return false;
}
