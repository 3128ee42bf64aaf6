#include "window/caretrest.h"
#include "window/commandline.h"
#include "window/desktopplatform.h"
#include "window/form1.h"
#include "window/maximizeguard.h"
#include "window/platformchoice.h"
#include "window/startupfailure.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace {

// When no platform can show the window Qt aborts with a fatal message and a
// few lines of diagnostics; say what failed in a line or two instead.
// Messages from start-up are held back until it is known whether the start
// succeeded, unless the user asked Qt for its diagnostics.
QStringList startupMessages;

void holdStartupMessage(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    startupMessages.append(message);
    if (type != QtFatalMsg)
        return;
    if (qEnvironmentVariableIntValue("QT_DEBUG_PLUGINS") != 0)
        std::fprintf(stderr, "%s\n", qPrintable(startupMessages.join(u'\n')));
    const QString failure =
        startup::failure(startupMessages, [](const char *name) { return qEnvironmentVariable(name); });
    std::fputs(qPrintable(failure), stderr);
    std::_Exit(EXIT_FAILURE);
}

} // namespace

int main(int argc, char *argv[])
{
    if (const int status = commandline::handle(argc, argv); status >= 0)
        return status;
    const bool chosen = platformchoice::preferX11();
    qInstallMessageHandler(holdStartupMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    if (chosen && QGuiApplication::platformName() != u"xcb")
        startupMessages.clear(); // why X11 failed: native Wayland serves
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
    MaximizeGuard::watch(&window);
    window.show();
    return QApplication::exec();
}
