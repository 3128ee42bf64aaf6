// One round, from the Spin click to the payout: Spin checks and takes the
// bet and starts the reels, each reel tick shows a freshly drawn face, Stop
// starts the one-second wait, and the stop tick settles the round and checks
// for bankruptcy.
#pragma once

#include <QString>
#include <QtGlobal>

struct Controls;
class Extras;
class Platform;

class Round
{
public:
    // The round's phase is the button's caption.
    static inline const QString SpinCaption = QStringLiteral("&Spin");
    static inline const QString StopCaption = QStringLiteral("&Stop");

    Round(Controls &ui, Platform &platform, Extras &extras);

    void Controller_Click();
    void Timer1_Timer() { ReelTick(0); }
    void Timer2_Timer() { ReelTick(1); }
    void Timer3_Timer() { ReelTick(2); }
    void Timer4_Timer() { ReelTick(3); }
    void Timer5_Timer();

private:
    void ReelTick(int reel);
    void PutFace(int reel, int face); // the picture at position face + 1, then the tag text
    bool Settle();
    void CheckBankruptcy();

    Controls &ui;
    Platform &platform_;
    Extras &extras_;
    quint8 LoopIndex = 0; // the stop tick's
};
