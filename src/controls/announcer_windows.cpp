#include "controls/announcer.h"

#include <QAccessible>

// UI Automation has no event for an object shown or renamed. Qt raises a
// notification, which Narrator and NVDA speak at once, for a value change
// whose value is a text; elsewhere that event would be dropped with a warning.
void Announcer::say(const QString &line)
{
    setAccessibleName(line);
    show();
    QAccessibleValueChangeEvent spoken(this, line);
    QAccessible::updateAccessibility(&spoken);
}
