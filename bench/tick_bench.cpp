// Per-call cost of a reel tick: the handler alone, and the handler followed
// by the repaint it asks for (the reel and the background under it).
#include "autoplatform.h"
#include "inside.h"
#include "paintcounter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
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

void BM_ReelTick(benchmark::State &state)
{
    AutoPlatform platform;
    Form1 window(platform);
    showExposed(window);
    Round &round = Inside::round(window);
    for (auto _ : state)
        round.Timer1_Timer();
}
BENCHMARK(BM_ReelTick);

void BM_ReelTickRepainted(benchmark::State &state)
{
    AutoPlatform platform;
    Form1 window(platform);
    showExposed(window);
    Round &round = Inside::round(window);
    ReelPicture *reel = Inside::ui(window).Output[0];
    PaintCounter counter;
    reel->installEventFilter(&counter);
    for (auto _ : state) {
        round.Timer1_Timer();
        reel->repaint();
    }
    reel->removeEventFilter(&counter);
    state.counters["paints_per_tick"] = static_cast<double>(counter.paints) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ReelTickRepainted);

} // namespace
