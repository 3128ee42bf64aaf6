// The window on a scripted platform: boxes are answered from a queue and
// recorded, draws come from a queue, ending the program throws Ended.
#pragma once

#include "core/platform.h"
#include "window/form1.h"

#include <QMetaType>
#include <QStringList>

#include <functional>
#include <utility>

struct Ended {
};

// A table row of the scripted tests: moves (see Game::play), what the window
// shows after them (Game::state) and the boxes shown meanwhile.
struct Row {
    QString script;
    QString seen;
    QStringList boxes = {};
};
Q_DECLARE_METATYPE(Row)

inline const QString Greedy = "Bet something greedy!|0|Stop!";

struct ScriptedPlatform : Platform {
    amounts::NumberFormat format{u'.', u','};
    QStringList boxes;              // "prompt|style|title" of every box shown, in order
    QList<int> answers;             // answers to give, in order; OK once empty
    QList<float> draws;             // values to draw, in order; 0 once empty
    std::function<void()> underBox; // runs once, while the next box is open

    int MsgBox(const QString &prompt, int style, const QString &title) override
    {
        boxes << QStringLiteral("%1|%2|%3").arg(prompt).arg(style).arg(title);
        if (const auto run = std::exchange(underBox, {}))
            run();
        return answers.isEmpty() ? msgbox::Ok : answers.takeFirst();
    }
    float Rnd() override { return draws.isEmpty() ? 0.0F : draws.takeFirst(); }
    [[noreturn]] void End() override { throw Ended{}; }
    amounts::NumberFormat numberFormat() const override { return format; }
};

// The tests' one way inside the window: its controls, the round's and the
// extras' handlers, and the hidden state.
struct Game {
    explicit Game(amounts::NumberFormat format = {u'.', u','})
        : w((p.format = format, p))
    {
    }
    ScriptedPlatform p;
    Form1 w;
    Controls &ui = w.ui;
    hidden::StepCounters &steps = w.extras_.Steps;
    const qint16 &cheat = w.extras_.Cheat;

    // What a player sees: money|winnings|comment|bet|caption|button enabled, bet box locked, Secret
    // shown|running timers|reel tags.
    QString state() const
    {
        QString s;
        for (const QLabel *l : {ui.Money, ui.Winnings, ui.Comment})
            s += l->text() + '|';
        s += ui.Bet->text() + '|' + ui.Controller->text() + '|';
        for (const bool on : {ui.Controller->isEnabled(), ui.Bet->isReadOnly(), ui.Secret->isVisibleTo(&w)})
            s += on ? '+' : '-';
        s += '|';
        for (const QTimer *t : {ui.Timer1, ui.Timer2, ui.Timer3, ui.Timer4, ui.Timer5})
            s += t->isActive() ? '1' : '0';
        for (const ReelPicture *r : ui.Output)
            s += '|' + r->tag();
        return s;
    }
    // Plays a script of moves: W M S click Winnings, Money, Secret; C the Spin/Stop button; a number that
    // picture; $B types the bet B; ¥M sets the money M; =FFFF ticks each reel once, showing faces F; T is
    // the stop tick; ?A answers A to the next box.
    void play(const QString &script)
    {
        for (const QString &t : script.split(' ', Qt::SkipEmptyParts)) {
            if (t[0] == u'$')
                ui.Bet->setText(t.mid(1));
            else if (t[0] == u'¥')
                ui.Money->setText(t.mid(1));
            else if (t[0] == u'?')
                p.answers << t.mid(1).toInt();
            else if (t[0] == u'=') {
                for (const QChar face : t.mid(1))
                    p.draws << (float(face.digitValue()) + 0.5F) / 4.0F;
                w.round_.Timer1_Timer(), w.round_.Timer2_Timer(), w.round_.Timer3_Timer(), w.round_.Timer4_Timer();
            } else
                t == "T"   ? w.round_.Timer5_Timer()
                : t == "W" ? w.extras_.Winnings_Click()
                : t == "M" ? w.extras_.Money_Click()
                : t == "S" ? w.extras_.Secret_Click()
                : t == "C" ? w.round_.Controller_Click()
                           : w.extras_.Output_Click(t.toInt());
        }
    }
};
