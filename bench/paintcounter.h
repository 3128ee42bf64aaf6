// Counts the paint events an object receives, as an event filter.
#pragma once

#include <QEvent>
#include <QObject>

class PaintCounter : public QObject
{
public:
    long long paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};
