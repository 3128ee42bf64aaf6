#include "window/caretrest.h"

#include <QEvent>
#include <QGuiApplication>
#include <QStyleHints>

CaretRest::CaretRest(int restAfterMs, QObject *parent)
    : QObject(parent)
    , flashTime_(QGuiApplication::styleHints()->cursorFlashTime())
{
    rest_.setSingleShot(true);
    rest_.setTimerType(Qt::VeryCoarseTimer);
    rest_.setInterval(restAfterMs);
    // A flash time of 0 shows the caret steadily.
    connect(&rest_, &QTimer::timeout, this, [] { QGuiApplication::styleHints()->setCursorFlashTime(0); });
    QCoreApplication::instance()->installEventFilter(this);
    rest_.start();
}

bool CaretRest::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::InputMethod:
    case QEvent::FocusIn:
    case QEvent::WindowActivate:
        if (QGuiApplication::styleHints()->cursorFlashTime() != flashTime_)
            QGuiApplication::styleHints()->setCursorFlashTime(flashTime_);
        rest_.start();
        break;
    default: break;
    }
    return false;
}
