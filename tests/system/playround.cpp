// Plays the game as a player would, on the real platform plugin with real
// timers and real message boxes: a refused bet, one round with the whole
// money, the about box, then the window is closed. The "stores nothing" test
// runs it under strace. Each box is answered with its default button.
#include "window/form1.h"
#include "window/platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

void answerTheBox()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (box != nullptr && box->defaultButton() != nullptr)
        box->defaultButton()->click();
    else
        QTimer::singleShot(50, answerTheBox);
}

// The desktop platform, with a hand that answers every box a moment later.
class AnsweringPlatform : public DesktopPlatform
{
public:
    int boxes = 0;

    int MsgBox(const QString &prompt, int style, const QString &title) override
    {
        ++boxes;
        QTimer::singleShot(200, answerTheBox);
        return DesktopPlatform::MsgBox(prompt, style, title);
    }
};

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool waitFor(const std::function<bool()> &done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms)
            return false;
        wait(20);
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Facereel"));
    QApplication::setApplicationVersion(QStringLiteral(FACEREEL_VERSION));

    AnsweringPlatform platform;
    Form1 window(platform);
    window.show();

    int status = 1;
    QTimer::singleShot(0, [&] {
        const bool shown = QTest::qWaitForWindowExposed(&window, 5000);
        QTest::mouseClick(window.Controller, Qt::LeftButton); // "0": refused

        window.Bet->selectAll();
        QTest::keyClicks(window.Bet, window.Money->text()); // everything in
        QTest::mouseClick(window.Controller, Qt::LeftButton);
        const bool spinning = waitFor([&] { return !window.Output[3]->tag().isEmpty(); }, 2000);
        QTest::mouseClick(window.Controller, Qt::LeftButton);
        const bool closed =
            waitFor([&] { return window.Controller->isEnabled() && window.Controller->text() == u"&Spin"; }, 5000);

        for (int picture : {1, 3, 3, 3, 1, 2, 1, 0}) // the about box
            QTest::mouseClick(window.Output.at(std::size_t(picture)), Qt::LeftButton);

        std::printf("shown %d, spinning %d, round closed %d: %s, money %s, %d boxes\n", shown, spinning, closed,
                    qPrintable(window.Comment->text()), qPrintable(window.Money->text()), platform.boxes);
        status = shown && spinning && closed && platform.boxes >= 2 && window.Cheat == -1 ? 0 : 1;
        window.close();
    });
    const int exitCode = QApplication::exec();
    return exitCode != 0 ? exitCode : status;
}
