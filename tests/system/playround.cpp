// Plays as a player would, on the real platform plugin with real timers and
// real message boxes, each answered with its default button: a refused bet,
// one round with the whole money, the about box, then the window is closed.
// The "stores nothing" test runs it under strace.
#include "window/form1.h"
#include "window/platform.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Facereel"));
    QApplication::setApplicationVersion(QStringLiteral(FACEREEL_VERSION));
    DesktopPlatform platform;
    Form1 window(platform);
    int boxes = 0; // each answered a moment after it shows
    QTimer hand;
    QObject::connect(&hand, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()); box && box->defaultButton())
            box->defaultButton()->click(), ++boxes;
    });
    hand.start(200);
    window.show();
    int status = 1;
    QTimer::singleShot(0, [&] {
        const bool shown = QTest::qWaitForWindowExposed(&window, 5000);
        QTest::mouseClick(window.Controller, Qt::LeftButton); // "0": refused
        window.Bet->selectAll();
        QTest::keyClicks(window.Bet, window.Money->text()); // everything in
        QTest::mouseClick(window.Controller, Qt::LeftButton);
        const bool spinning = QTest::qWaitFor([&] { return !window.Output[3]->tag().isEmpty(); }, 2000);
        QTest::mouseClick(window.Controller, Qt::LeftButton);
        const bool closed = QTest::qWaitFor(
            [&] { return window.Controller->isEnabled() && window.Controller->text() == u"&Spin"; }, 5000);
        for (int picture : {1, 3, 3, 3, 1, 2, 1, 0}) // the about box
            QTest::mouseClick(window.Output.at(std::size_t(picture)), Qt::LeftButton);
        std::printf("shown %d, spinning %d, round closed %d: %s, money %s, %d boxes\n", shown, spinning, closed,
                    qPrintable(window.Comment->text()), qPrintable(window.Money->text()), boxes);
        status = shown && spinning && closed && boxes >= 2 && window.Cheat == -1 ? 0 : 1;
        window.close();
    });
    const int exitCode = QApplication::exec();
    return exitCode != 0 ? exitCode : status;
}
