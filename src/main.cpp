#include "window/form1.h"
#include "window/platform.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt aborts with a fatal message; say it in one line instead.
void noDisplay(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        return;
    }
    std::fprintf(stderr, "facereel: cannot open a display to show the game window (is DISPLAY set?)\n");
    std::_Exit(EXIT_FAILURE);
}

} // namespace

int main(int argc, char *argv[])
{
    const QtMessageHandler previous = qInstallMessageHandler(noDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    QApplication::setApplicationName(QStringLiteral("Facereel"));
    QApplication::setApplicationVersion(QStringLiteral(FACEREEL_VERSION));

    DesktopPlatform platform;
    Form1 window(platform);
    window.show();
    return QApplication::exec();
}
