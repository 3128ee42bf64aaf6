// Everything a player can see of the window, as comparable lines, so a test
// can say "nothing changed" and show what did when it fails.
#pragma once

#include "window/form1.h"

#include <QStringList>

inline QStringList stateOf(const Form1 &w)
{
    QStringList s;
    s << "Money=" + w.Money->text() << "Bet=" + w.Bet->text() << "Winnings=" + w.Winnings->text()
      << "Comment=" + w.Comment->text() << "Controller=" + w.Controller->text()
      << QStringLiteral("enabled=%1").arg(w.Controller->isEnabled())
      << QStringLiteral("locked=%1").arg(w.Bet->isReadOnly())
      << QStringLiteral("Secret=%1").arg(w.Secret->isVisibleTo(&w));
    for (const QTimer *t : {w.Timer1, w.Timer2, w.Timer3, w.Timer4, w.Timer5})
        s << QStringLiteral("%1=%2").arg(t->objectName()).arg(t->isActive());
    for (const ReelPicture *r : w.Output)
        s << QStringLiteral("%1=%2").arg(r->objectName(), r->tag());
    return s;
}

inline QList<int> countersOf(const Form1 &w)
{
    const hidden::StepCounters &c = w.Steps;
    return {c.Reel0Step, c.Reel1Step, c.Reel2Step, c.Reel3Step, c.WinningsStep, c.MoneyClicks};
}

#include "scriptedplatform.h"

// A window on a scripted platform, with the moves most tests make.
struct Game {
    explicit Game(amounts::NumberFormat format = {})
        : p(format)
    {
    }
    ScriptedPlatform p;
    Form1 w{p};

    void spin(const QString &bet)
    {
        w.Bet->setText(bet);
        w.Controller_Click();
    }
    // Stop and fire the stop tick at once, the reels showing the given faces.
    void stop(std::array<int, 4> faces)
    {
        tickFaces(w, p, faces);
        w.Controller_Click();
        w.Timer5_Timer();
    }
    void round(const QString &bet, std::array<int, 4> faces)
    {
        spin(bet);
        stop(faces);
    }
};
