// The time Spin takes to answer a bet text of a million characters: the
// handler alone, and the handler with the window repainted after it. Each
// case runs on a fresh window; boxes are answered at once and counted.
// Prints one line a run: "longbet CASE HANDLER_MS REPAINTED_MS ANSWER".
#include "autoplatform.h"
#include "window/form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

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

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int repeats = 5;

    QString grouped = QStringLiteral("1");
    while (grouped.size() + 4 <= Length)
        grouped += QStringLiteral(",000");
    const std::vector<Case> cases = {
        {"zeros_then_1", padded(u'0', QStringLiteral("1"))},
        {"blanks_then_5", padded(u' ', QStringLiteral("5"))},
        {"nines", QString(Length, u'9')},
        {"digits_then_x", padded(u'1', QStringLiteral("x"))},
        {"grouped", padded(u' ', grouped)},
        {"letters", QString(Length, u'x')},
    };

    for (const Case &c : cases) {
        for (int r = 0; r < repeats; ++r) {
            AutoPlatform platform;
            Form1 window(platform);
            window.show();
            auto *controller = window.findChild<QPushButton *>(QStringLiteral("Controller"));
            window.findChild<QLineEdit *>(QStringLiteral("Bet"))->setText(c.text);
            window.repaint();
            QCoreApplication::processEvents();

            QElapsedTimer clock;
            clock.start();
            controller->click();
            const double handler = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            window.repaint();
            const double painted = static_cast<double>(clock.nsecsElapsed()) / 1e6;

            const bool spinning = window.findChild<QTimer *>(QStringLiteral("Timer1"))->isActive();
            const char *answer = spinning == (platform.boxes == 0) ? (spinning ? "spinning" : "box") : "UNEXPECTED";
            std::printf("longbet %s %.3f %.3f %s\n", c.name, handler, painted, answer);
        }
    }
    return 0;
}
