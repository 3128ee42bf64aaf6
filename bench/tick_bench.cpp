// Per-call cost of a reel tick, from Timer1's signal to the handler's end:
// alone, and followed by the repaint it asks for.
#include "autoplatform.h"
#include "controls/reelpicture.h"
#include "paintcounter.h"
#include "window/form1.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMetaMethod>
#include <QTimer>
#include <QWindow>

#include <benchmark/benchmark.h>

namespace {

// Shows the window and waits until the platform has exposed it: before that,
// repaints are skipped.
void showExposed(Form1 &window)
{
    window.show();
    QElapsedTimer clock;
    clock.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
}

// Timer1's tick as the timer gives it: its timeout signal, emitted here.
struct Tick {
    explicit Tick(Form1 &window)
        : timer(window.findChild<QTimer *>(QStringLiteral("Timer1")))
        , timeout(QMetaMethod::fromSignal(&QTimer::timeout))
    {
    }
    void operator()() const { timeout.invoke(timer, Qt::DirectConnection); }
    QTimer *timer;
    QMetaMethod timeout;
};

void BM_ReelTick(benchmark::State &state)
{
    AutoPlatform platform;
    Form1 window(platform);
    showExposed(window);
    const Tick tick(window);
    for (auto _ : state)
        tick();
}
BENCHMARK(BM_ReelTick);

void BM_ReelTickRepainted(benchmark::State &state)
{
    AutoPlatform platform;
    Form1 window(platform);
    showExposed(window);
    const Tick tick(window);
    auto *reel = window.findChild<ReelPicture *>(QStringLiteral("Output(0)"));
    PaintCounter counter;
    reel->installEventFilter(&counter);
    for (auto _ : state) {
        tick();
        reel->repaint();
    }
    reel->removeEventFilter(&counter);
    state.counters["paints_per_tick"] = static_cast<double>(counter.paints) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ReelTickRepainted);

} // namespace
