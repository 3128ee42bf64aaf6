#include "window/platformchoice.h"

#include <QByteArray>

bool platformchoice::preferX11()
{
#ifdef Q_OS_WIN
    return false; // one platform only; a DISPLAY there is Wine's own
#else
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY")
        || qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return false; // the user's choice, or only one kind of display: Qt's own default
    // Qt tries them in turn, for this process only.
    return qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb;wayland"));
#endif
}
