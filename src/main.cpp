#include "window/caretrest.h"
#include "window/form1.h"
#include "window/desktopplatform.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt aborts with a fatal message and a few lines of
// diagnostics; say it in one line instead. Messages from start-up are held
// back until it is known whether the start succeeded.
QStringList startupMessages;

void holdStartupMessage(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtFatalMsg) {
        startupMessages.append(message);
        return;
    }
    std::fprintf(stderr, "facereel: cannot open a display to show the game window (is DISPLAY set?)\n");
    std::_Exit(EXIT_FAILURE);
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(holdStartupMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    for (const QString &message : std::as_const(startupMessages))
        qWarning().noquote() << message;
    QApplication::setApplicationName(QStringLiteral("Facereel"));
    QApplication::setApplicationVersion(QStringLiteral(FACEREEL_VERSION));
    // Ties the running window to the menu entry and its icon (the app id on Wayland).
    QApplication::setDesktopFileName(QStringLiteral("org.facereel.Facereel"));

    CaretRest caretRest;
    DesktopPlatform platform;
    Form1 window(platform);
    platform.setWindow(&window);
    window.show();
    return QApplication::exec();
}
