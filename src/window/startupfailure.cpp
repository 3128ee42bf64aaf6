#include "window/startupfailure.h"

#include <QRegularExpression>

namespace {

// Qt's message for a platform that failed, and what to say instead: %1 is
// what the pattern caught, %2 the variable the row names, or without one the
// platforms Qt has.
struct Cause {
    const char *pattern;
    const char *variable;
    const char *say;
};

constexpr Cause causes[] = {
    {R"re(^could not connect to display $)re", "", "cannot open a display to show the game window (is DISPLAY set?)"},
    {R"re(^could not connect to display (.+)$)re", "",
     "cannot open the X display %1: is DISPLAY right and its server running?"},
    {R"re(^Failed to create wl_display \((.*)\)$)re", "WAYLAND_DISPLAY",
     "cannot reach the Wayland display '%2' (%1): is WAYLAND_DISPLAY right?"},
    {R"re(^Could not find the Qt platform plugin "(wayland)")re", "",
     "Qt's Wayland platform is not installed: install qt6-wayland."},
    {R"re(^Could not find the Qt platform plugin "([^"]*)")re", "",
     "Qt has no platform '%1' (QT_QPA_PLATFORM); it has: %2"},
};

} // namespace

QString startup::failure(const QStringList &held, const std::function<QString(const char *)> &env)
{
    const QString fatal = held.isEmpty() ? QString() : held.last();
    const QString available = fatal.section(QLatin1String("Available platform plugins are: "), 1).trimmed();
    QString lines;
    for (const QString &message : held) {
        for (const Cause &c : causes) {
            const auto match = QRegularExpression(QLatin1String(c.pattern)).match(message);
            if (!match.hasMatch())
                continue;
            const QString said = QString::fromUtf8(c.say)
                                     .replace(QLatin1String("%1"), match.captured(1))
                                     .replace(QLatin1String("%2"), *c.variable ? env(c.variable) : available);
            lines += QStringLiteral("facereel: ") + said + u'\n';
            break;
        }
    }
    if (lines.isEmpty()) // a cause not in the table: Qt's own words
        lines = QStringLiteral("facereel: cannot show the game window: %1\n").arg(fatal.section(u'\n', 0, 0));
    return lines;
}
