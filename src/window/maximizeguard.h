// Keeps a window of fixed size whole when Qt's own Wayland title bar asks to
// maximise it: that bar offers maximise whatever the window's flags say, and
// a compositor that holds a maximised window to the size it configures ends
// the program when the window answers with its own size. So the window takes
// the maximised size for a moment, asks to be normal again and takes back its
// fixed size. Only on native Wayland: on X11 the desktop draws the title bar
// and honours the fixed size.
#pragma once

#include <QObject>
#include <QSize>

class QWidget;
class QWindow;

class MaximizeGuard : public QObject
{
public:
    // Watches window, which owns the guard; does nothing off Wayland.
    static void watch(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit MaximizeGuard(QWidget *window);
    void stateAsked(Qt::WindowState state); // by the title bar, before the compositor answers

    QWidget *window_;
    QWindow *handle_ = nullptr;
    QSize fixed_; // while lifted: the size to take back
    bool restore_ = false;
};
