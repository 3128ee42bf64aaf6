// The stop wait, Stop click to stop tick, over real rounds in the real event
// loop: Spin, let the reels run a varying while, click Stop, and time until
// Timer5's tick. Prints one line per round: "stopwait_ms MS".
#include "autoplatform.h"
#include "window/form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    AutoPlatform platform;
    Form1 window(platform);
    window.show();
    auto *bet = window.findChild<QLineEdit *>(QStringLiteral("Bet"));
    auto *controller = window.findChild<QPushButton *>(QStringLiteral("Controller"));

    QElapsedTimer clock;
    int done = 0;
    auto spin = [&] {
        bet->setText(QStringLiteral("1"));
        controller->click();
        // Vary the spinning time so the Stop click falls at every phase of the reel ticks.
        QTimer::singleShot(150 + done * 37 % 250, &window, [&] {
            clock.start();
            controller->click();
        });
    };
    // Connected after the window's own connection, so this runs right after the stop tick.
    QObject::connect(window.findChild<QTimer *>(QStringLiteral("Timer5")), &QTimer::timeout, &window, [&] {
        std::printf("stopwait_ms %.3f\n", static_cast<double>(clock.nsecsElapsed()) / 1e6);
        if (++done < rounds)
            QTimer::singleShot(100, &window, spin);
        else
            QCoreApplication::exit(0);
    });
    QTimer::singleShot(300, &window, spin);
    return QApplication::exec();
}
