// Random clicks on every control in every phase of a round, with the
// invariants checked after each event. FACEREEL_STORM_EVENTS and
// FACEREEL_STORM_SEED make longer or other storms.
#include "formstate.h"
#include "scriptedplatform.h"

#include <QTest>

#include <memory>
#include <random>

namespace {

enum class Phase { Idle, Spinning, Stopping, Broken };

Phase phaseOf(const Form1 &w)
{
    const bool reels = w.Timer1->isActive() && w.Timer2->isActive() && w.Timer3->isActive() && w.Timer4->isActive();
    const bool noReels =
        !w.Timer1->isActive() && !w.Timer2->isActive() && !w.Timer3->isActive() && !w.Timer4->isActive();
    const QString caption = w.Controller->text();
    const bool enabled = w.Controller->isEnabled();
    const bool locked = w.Bet->isReadOnly();
    const bool stopWait = w.Timer5->isActive();
    if (caption == u"&Spin" && enabled && !locked && noReels && !stopWait)
        return Phase::Idle;
    if (caption == u"&Stop" && enabled && locked && reels && !stopWait)
        return Phase::Spinning;
    if (caption == u"&Stop" && !enabled && locked && reels && stopWait)
        return Phase::Stopping;
    return Phase::Broken;
}

// Empty, or the picture at position tag + 1 with that tag.
bool reelAgrees(const Form1 &w, const ReelPicture *reel)
{
    const QString tag = reel->tag();
    if (tag.isEmpty())
        return reel->picture().isNull();
    const int face = tag.toInt();
    return tag.size() == 1 && face >= 0 && face <= 3
           && reel->picture().cacheKey() == w.Images.picture(face + 1).cacheKey();
}

int fromEnvironment(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

} // namespace

class TestClickStorm : public QObject
{
    Q_OBJECT

private slots:
    void storm();
};

void TestClickStorm::storm()
{
    const int events = fromEnvironment("FACEREEL_STORM_EVENTS", 3000);
    const auto seed = static_cast<unsigned>(fromEnvironment("FACEREEL_STORM_SEED", 20261206));
    std::mt19937 random(seed);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };

    const QStringList bets{"10", "0.5", "0", "-5", "abc", "", "1E400", "1,000", "999999", "250", "1E+307", " 7 "};
    const QList<int> answers{msgbox::Ok, msgbox::Cancel, msgbox::Yes, msgbox::No};
    const QList<int> cheat{1, 3, 3, 3, 1, 2, 1, 0};

    ScriptedPlatform p;
    auto w = std::make_unique<Form1>(p);
    int restarts = 0;
    for (int n = 0; n < events; ++n) {
        p.answers = {answers[pick(4)], answers[pick(4)], answers[pick(4)]};
        p.draws = {float(pick(1000)) / 1000.0F};
        const int event = pick(14);
        switch (event) {
        case 0:
        case 1:
        case 2:
        case 3: w->Output_Click(event); break;
        case 4: w->Money_Click(); break;
        case 5: w->Winnings_Click(); break;
        case 6:
            if (w->Secret->isVisibleTo(w.get()))
                w->Secret_Click();
            break;
        case 7:
        case 8:
            if (w->Controller->isEnabled())
                w->Controller_Click();
            break;
        case 9: {
            QTimer *timers[] = {w->Timer1, w->Timer2, w->Timer3, w->Timer4};
            void (Form1::*ticks[])() = {&Form1::Timer1_Timer, &Form1::Timer2_Timer, &Form1::Timer3_Timer,
                                        &Form1::Timer4_Timer};
            const int reel = pick(4);
            if (timers[reel]->isActive())
                (w.get()->*ticks[reel])();
            break;
        }
        case 10:
            if (w->Timer5->isActive())
                w->Timer5_Timer();
            break;
        case 11:
            if (!w->Bet->isReadOnly())
                w->Bet->setText(bets[pick(int(bets.size()))]);
            break;
        case 12:
            if (!w->Bet->isReadOnly())
                w->Bet->setText(w->Money->text()); // all in
            break;
        case 13:
            for (int target : cheat)
                w->Output_Click(target);
            break;
        }

        const QString at = QStringLiteral("event %1 (kind %2), seed %3").arg(n).arg(event).arg(seed);
        QVERIFY2(phaseOf(*w) != Phase::Broken, qPrintable(at + ": " + stateOf(*w).join(' ')));
        QVERIFY2(w->Steps.MoneyClicks <= 10, qPrintable(at));
        QVERIFY2(w->Cheat == 0 || w->Cheat == -1, qPrintable(at));
        QVERIFY2(w->Secret->isVisibleTo(w.get()) == (w->Cheat == -1), qPrintable(at));
        const double money = amounts::amountValue(w->Money->text(), {});
        QVERIFY2(money >= 0 && std::isfinite(money), qPrintable(at + ": money " + w->Money->text()));
        for (const ReelPicture *reel : w->Output)
            QVERIFY2(reelAgrees(*w, reel), qPrintable(at + ": " + reel->objectName()));

        if (p.ended) { // the player declined the reset: start the program again
            QVERIFY2(w->isHidden() && phaseOf(*w) == Phase::Idle, qPrintable(at));
            p.ended = 0;
            w = std::make_unique<Form1>(p);
            ++restarts;
        }
    }
    qInfo("%d events, %d boxes, %d restarts", events, int(p.boxes.size()), restarts);
}

QTEST_MAIN(TestClickStorm)
#include "tst_clickstorm.moc"
