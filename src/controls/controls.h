// The window's controls as designed, by the names the handlers use. The
// window builds them; the round and the extras read and write their texts,
// which are the game's state.
#pragma once

#include "controls/clicklabel.h"
#include "controls/imagelist.h"
#include "controls/reelpicture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <array>

class Announcer;

struct Controls {
    std::array<ReelPicture *, 4> Output{};
    ClickLabel *Label1 = nullptr;
    ClickLabel *Money = nullptr;
    ClickLabel *Label3 = nullptr;
    ClickLabel *Label4 = nullptr;
    QLineEdit *Bet = nullptr;
    ClickLabel *Label5 = nullptr;
    ClickLabel *Winnings = nullptr;
    ClickLabel *Comment = nullptr;
    QPushButton *Controller = nullptr;
    QPushButton *Secret = nullptr;
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    QTimer *Timer3 = nullptr;
    QTimer *Timer4 = nullptr;
    QTimer *Timer5 = nullptr;
    ImageList Images;
    Announcer *Voice = nullptr; // says how a round ended to a screen reader
};
