// The time Spin takes to answer a bet text of a million characters: the
// handler alone, and the handler with the window repainted after it. Each
// case runs on a fresh window; boxes are answered at once and counted.
#include "autoplatform.h"
#include "window/form1.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Length = 1'000'000;

struct Case {
    const char *name;
    QString text;
};

QString padded(QChar fill, const QString &tail)
{
    return QString(Length - tail.size(), fill) + tail;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int repeats = 5;

    QString grouped = QStringLiteral("1");
    while (grouped.size() + 4 <= Length)
        grouped += QStringLiteral(",000");
    const std::vector<Case> cases = {
        {"zeros then 1 (accepted)", padded(u'0', QStringLiteral("1"))},
        {"blanks then 5 (accepted)", padded(u' ', QStringLiteral("5"))},
        {"million nines (too big)", QString(Length, u'9')},
        {"digits then x (not a number)", padded(u'1', QStringLiteral("x"))},
        {"grouped thousands (too big)", padded(u' ', grouped)},
        {"letters (not a number)", QString(Length, u'x')},
    };

    double worstHandler = 0;
    double worstPainted = 0;
    for (const Case &c : cases) {
        std::vector<double> handler;
        std::vector<double> painted;
        QString answer;
        for (int r = 0; r < repeats; ++r) {
            AutoPlatform platform;
            Form1 window(platform);
            window.show();
            window.Bet->setText(c.text);
            window.repaint();
            QCoreApplication::processEvents();

            QElapsedTimer clock;
            clock.start();
            window.Controller->click();
            handler.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
            window.repaint();
            painted.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);

            answer = platform.boxes ? QStringLiteral("box") : QStringLiteral("reels started");
            if (window.Timer1->isActive() != (platform.boxes == 0))
                answer = QStringLiteral("UNEXPECTED STATE");
        }
        const double h = median(handler);
        const double p = median(painted);
        worstHandler = std::max(worstHandler, h);
        worstPainted = std::max(worstPainted, p);
        std::printf("%-30s handler %8.3f ms, with repaint %8.3f ms  -> %s\n", c.name, h, p, qPrintable(answer));
    }
    std::printf("longbet_ms handler=%.3f repainted=%.3f\n", worstHandler, worstPainted);
    return 0;
}
