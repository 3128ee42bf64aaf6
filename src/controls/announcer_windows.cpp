#include "controls/announcer.h"

#include <QAccessible>

// Qt's UI Automation bridge forwards neither an object shown nor a name
// changed. It raises a notification, which Narrator and NVDA speak at once,
// for a value change whose value is a text; elsewhere that event would be
// dropped with a warning. Named and shown all the same, so that a walk through
// the window finds the last line.
void Announcer::say(const QString &line)
{
    setAccessibleName(line);
    show();
    QAccessibleValueChangeEvent spoken(this, line);
    QAccessible::updateAccessibility(&spoken);
}
