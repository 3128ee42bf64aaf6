// The stop wait, Stop click to stop tick, over real rounds in the real event
// loop: Spin, let the reels run a varying while, click Stop, and time until
// Timer5's tick. Prints one line per round, then the median, least and most.
#include "autoplatform.h"
#include "window/form1.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    AutoPlatform platform;
    Form1 window(platform);
    window.show();

    QElapsedTimer clock;
    std::vector<double> waits;

    auto spin = [&] {
        window.Bet->setText(QStringLiteral("1"));
        window.Controller->click();
        // Vary the spinning time so the Stop click falls at every phase of the reel ticks.
        const int spinning = 150 + static_cast<int>(waits.size() * 37 % 250);
        QTimer::singleShot(spinning, &window, [&] {
            clock.start();
            window.Controller->click();
        });
    };
    // Connected after Form1's own connection, so this runs right after the stop tick.
    QObject::connect(window.Timer5, &QTimer::timeout, &window, [&] {
        const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        waits.push_back(ms);
        std::printf("round %2zu: %.3f ms\n", waits.size(), ms);
        if (static_cast<int>(waits.size()) < rounds)
            QTimer::singleShot(100, &window, spin);
        else
            QCoreApplication::exit(0);
    });
    QTimer::singleShot(300, &window, spin);
    QApplication::exec();

    std::sort(waits.begin(), waits.end());
    const double median =
        waits.size() % 2 ? waits[waits.size() / 2] : (waits[waits.size() / 2 - 1] + waits[waits.size() / 2]) / 2;
    std::printf("stopwait_ms median=%.3f min=%.3f max=%.3f rounds=%zu boxes=%d\n", median, waits.front(), waits.back(),
                waits.size(), platform.boxes);
    return 0;
}
