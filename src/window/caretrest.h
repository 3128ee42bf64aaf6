// A focused text box blinks its caret for as long as it keeps the focus.
// Desktops let the caret rest after a while without input, and so does the
// game: an idle game then wakes the machine for nothing.
#pragma once

#include <QObject>
#include <QTimer>

class CaretRest : public QObject
{
public:
    explicit CaretRest(int restAfterMs = 10000, QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTimer rest_;
    int flashTime_;
};
