// The game's one window, built from the design table. Its controls hold the
// game's state as texts; their events are wired to the handlers of the round
// (round/) and of the hidden extras (extras/), which are named after their
// control and event.
#pragma once

#include "controls/controls.h"
#include "extras/extras.h"
#include "round/round.h"

#include <QPixmap>
#include <QWidget>

namespace design {
struct Control;
}
class Platform;

class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(Platform &platform, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void Form_Load();
    QWidget *create(const design::Control &control);
    void wire();

    Controls ui;
    Extras extras_;
    Round round_;
    QPixmap background_;

    friend struct Game; // the tests' fixture, tests/game.h
};
