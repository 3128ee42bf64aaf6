#include "window/maximizeguard.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace {
constexpr Qt::WindowStates whole = Qt::WindowMaximized | Qt::WindowFullScreen;
}

void MaximizeGuard::watch(QWidget *window)
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        new MaximizeGuard(window);
}

MaximizeGuard::MaximizeGuard(QWidget *window)
    : QObject(window)
    , window_(window)
{
    window->installEventFilter(this); // its native window exists from the first show on
}

void MaximizeGuard::stateAsked(Qt::WindowState state)
{
    // The request is on its way already; the compositor's answer must fit.
    if ((state & whole) == 0 || fixed_.isValid())
        return;
    fixed_ = window_->maximumSize();
    window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

bool MaximizeGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window_ && event->type() == QEvent::Show && handle_ == nullptr) {
        handle_ = window_->windowHandle();
        handle_->installEventFilter(this);
        connect(handle_, &QWindow::windowStateChanged, this, &MaximizeGuard::stateAsked);
    } else if (watched == handle_ && event->type() == QEvent::WindowStateChange && event->spontaneous()) {
        // The compositor's answer: once it is applied, normal can be asked for.
        restore_ = (handle_->windowStates() & whole) != 0;
        if (restore_)
            window_->update(); // also when the size stayed, as a compositor's own maximise leaves it
        if (!restore_ && fixed_.isValid())
            window_->setMaximumSize(std::exchange(fixed_, QSize()));
    } else if (watched == window_ && event->type() == QEvent::Paint && restore_) {
        // Applied with the first picture at the new size; a compositor may
        // take no request to leave the state before that picture is shown.
        restore_ = false;
        QTimer::singleShot(0, this, [this] { handle_->setWindowStates(handle_->windowStates() & ~whole); });
    }
    return QObject::eventFilter(watched, event);
}
