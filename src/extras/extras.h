// The hidden extras: clicks on the reels, the money and the winnings step
// the hidden counters, which fire the message chain, the winnings bonus and
// the about box that turns the cheat on; Secret turns it off.
#pragma once

#include "core/hiddenrules.h"

struct Controls;
class Platform;

class Extras
{
public:
    Extras(Controls &ui, Platform &platform);

    void Output_Click(int index);
    void Money_Click();
    void Winnings_Click();
    void Secret_Click();

    // For the round: every Spin/Stop click clears the counters; the stop
    // tick forces the jackpot while the cheat is on.
    void FullReset() { Steps.fullReset(); }
    bool CheatOn() const { return Cheat == -1; }

private:
    void AboutBox();
    void MessageChain();
    void Bonus();

    Controls &ui;
    Platform &platform_;
    hidden::StepCounters Steps;
    qint16 Cheat = 0; // -1 on, 0 off

    friend struct Game; // the tests' fixture, tests/game.h
};
