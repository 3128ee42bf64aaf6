// A label that reports a click: a left-button press and release on it. A
// double click counts once.
#pragma once

#include <QLabel>
#include <QMouseEvent>

class ClickLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        pressed_ = event->button() == Qt::LeftButton;
        QLabel::mousePressEvent(event);
    }

    // The second press of a double click is not a click of its own (the base
    // class would take it for a press).
    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        pressed_ = false;
        event->accept();
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        const bool click =
            pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
        pressed_ = false;
        QLabel::mouseReleaseEvent(event);
        if (click)
            emit clicked();
    }

private:
    bool pressed_ = false;
};
