#include "controls/announcer.h"

// Orca speaks an object of the notification role when it is shown, whether
// or not it has the focus.
void Announcer::say(const QString &line)
{
    hide();
    setAccessibleName(line);
    show();
}
