// The window on a scripted platform: boxes are answered from a queue and
// recorded, draws come from a queue, ending the program throws Ended.
#pragma once

#include "window/form1.h"
#include "window/platform.h"

#include <QStringList>

#include <array>
#include <functional>
#include <utility>

struct Ended {
    int times;
};

struct ScriptedPlatform : Platform {
    amounts::NumberFormat format{u'.', u','};
    QStringList boxes;  // "prompt|style|title" of every box shown, in order
    QList<int> answers; // answers to give, in order; OK once empty
    QList<float> draws; // values to draw, in order; 0 once empty
    int ended = 0;
    std::function<void()> underBox; // runs once, while the next box is open

    int MsgBox(const QString &prompt, int style, const QString &title) override
    {
        boxes << QStringLiteral("%1|%2|%3").arg(prompt).arg(style).arg(title);
        if (const auto run = std::exchange(underBox, {}))
            run();
        return answers.isEmpty() ? msgbox::Ok : answers.takeFirst();
    }
    float Rnd() override { return draws.isEmpty() ? 0.0F : draws.takeFirst(); }
    [[noreturn]] void End() override { throw Ended{++ended}; }
    amounts::NumberFormat numberFormat() const override { return format; }
};

using Faces = std::array<int, 4>;
inline constexpr int W = -1, M = -2; // a click on Winnings, on Money; 0..3 are the pictures

struct Game {
    explicit Game(amounts::NumberFormat format = {u'.', u','})
        : w((p.format = format, p)) // the window reads the format once, when built
    {
    }
    ScriptedPlatform p;
    Form1 w;

    // What a player sees: texts, button enabled, bet box locked, Secret shown, running timers, reel tags.
    QString state() const
    {
        QString s;
        for (const QLabel *l : {w.Money, w.Winnings, w.Comment})
            s += l->text() + '|';
        s += w.Bet->text() + '|' + w.Controller->text() + '|';
        for (const bool on : {w.Controller->isEnabled(), w.Bet->isReadOnly(), w.Secret->isVisibleTo(&w)})
            s += on ? '+' : '-';
        s += '|';
        for (const QTimer *t : {w.Timer1, w.Timer2, w.Timer3, w.Timer4, w.Timer5})
            s += t->isActive() ? '1' : '0';
        for (const ReelPicture *r : w.Output)
            s += '|' + r->tag();
        return s;
    }
    QList<int> counters() const
    {
        const hidden::StepCounters &c = w.Steps;
        return {c.Reel0Step, c.Reel1Step, c.Reel2Step, c.Reel3Step, c.WinningsStep, c.MoneyClicks};
    }
    void spin(const QString &bet)
    {
        w.Bet->setText(bet);
        w.Controller_Click();
    }
    // Each reel ticks once with the given face, then Stop; stop() adds the stop tick.
    void stopping(Faces faces)
    {
        for (int face : faces)
            p.draws << (float(face) + 0.5F) / 4.0F;
        w.Timer1_Timer(), w.Timer2_Timer(), w.Timer3_Timer(), w.Timer4_Timer();
        w.Controller_Click();
    }
    void stop(Faces faces) { stopping(faces), w.Timer5_Timer(); }
    void click(const QList<int> &targets)
    {
        for (int target : targets)
            target == W ? w.Winnings_Click() : target == M ? w.Money_Click() : w.Output_Click(target);
    }
};
