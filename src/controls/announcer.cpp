#include "controls/announcer.h"

#include <QAccessibleWidget>

namespace {

QAccessibleInterface *notificationRole(const QString &, QObject *object)
{
    auto *announcer = qobject_cast<Announcer *>(object);
    return announcer ? new QAccessibleWidget(announcer, QAccessible::Notification) : nullptr;
}

// The factory must be in place before anyone asks for the widget's interface,
// which is cached from then on.
QWidget *withRole(QWidget *parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(notificationRole);
        return true;
    }();
    Q_UNUSED(installed);
    return parent;
}

} // namespace

Announcer::Announcer(QWidget *parent)
    : QWidget(withRole(parent))
{
    setObjectName(QStringLiteral("Announcer"));
    // No size, no focus, no clicks: nothing a sighted player could meet.
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void Announcer::tell(const QString &outcome, const QString &winnings, const QString &money)
{
    say(QStringLiteral("%1 Winnings %2. Money %3.").arg(outcome, winnings, money));
}
