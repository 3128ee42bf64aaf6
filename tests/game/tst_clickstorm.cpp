// Random events on every control in every phase of a round: handler calls,
// timer ticks, real mouse clicks (either button) on every visible control and
// the background, typing into the bet box. After each event the invariants
// are checked, among them a money ledger: the money moves only by a taken
// bet, a paid win, the bonus or a reset. FACEREEL_STORM_EVENTS and
// FACEREEL_STORM_SEED make longer or other storms.
#include "formstate.h"
#include "ledger.h"
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

// Every control a player can point at, passive ones included.
QList<QWidget *> controlsOf(Form1 &w)
{
    QList<QWidget *> all{w.Label1, w.Money,    w.Label3,  w.Label4,     w.Bet,
                         w.Label5, w.Winnings, w.Comment, w.Controller, w.Secret};
    for (ReelPicture *reel : w.Output)
        all << reel;
    return all;
}

// Clicks on these change nothing at all, counters included.
bool passive(const Form1 &w, const QWidget *target)
{
    return target == w.Label1 || target == w.Label3 || target == w.Label4 || target == w.Label5 || target == w.Comment
           || target == w.Bet;
}

// The amount texts the money may show after one event, starting from `money`.
QStringList moneyMoves(const Form1 &w, const QString &money, Phase before, const QString &betBefore)
{
    const amounts::NumberFormat format;
    const Ledger ledger;
    const double m = amounts::amountValue(money, format);
    QStringList allowed{money};
    allowed << ledger.text(m + 100); // the bonus, checked apart
    if (before == Phase::Idle) {
        if (const std::optional<double> bet = amounts::strictValue(betBefore, format))
            allowed << ledger.text(m - *bet);
    }
    if (before == Phase::Stopping) {
        const double bet = amounts::strictValue(w.Bet->text(), format).value_or(0);
        std::array<int, 4> faces{};
        for (std::size_t i = 0; i < 4; ++i)
            faces.at(i) = w.Output.at(i)->tag().toInt();
        allowed << ledger.text(m + bet * Ledger::factorOf(faces)) << QStringLiteral("1000");
    }
    return allowed;
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
    QList<int> kinds(17, 0);
    QString betAtSpin;
    std::array<int, 4> ticked{}; // reel ticks since the Spin
    void (Form1::*ticks[])() = {&Form1::Timer1_Timer, &Form1::Timer2_Timer, &Form1::Timer3_Timer, &Form1::Timer4_Timer};
    for (int n = 0; n < events; ++n) {
        p.answers = {answers[pick(4)], answers[pick(4)], answers[pick(4)]};
        p.draws = {float(pick(1000)) / 1000.0F};
        const int event = pick(17);
        QTimer *timers[] = {w->Timer1, w->Timer2, w->Timer3, w->Timer4};
        ++kinds[event];
        const Phase before = phaseOf(*w);
        const QString moneyBefore = w->Money->text();
        const QString betBefore = w->Bet->text();
        const QStringList stateBefore = stateOf(*w);
        const QList<int> countersBefore = countersOf(*w);
        bool nothingChanges = false;
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
            const int reel = pick(4);
            if (timers[reel]->isActive()) {
                (w.get()->*ticks[reel])();
                ++ticked[reel];
            }
            break;
        }
        case 10:
            if (w->Timer5->isActive()) {
                // A second's wait: every reel has ticked before the stop tick.
                for (int reel = 0; reel < 4; ++reel) {
                    if (ticked[reel] == 0) {
                        p.draws.append(float(pick(1000)) / 1000.0F);
                        (w.get()->*ticks[reel])();
                    }
                }
                w->Timer5_Timer();
            }
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
        case 14: { // a real click on any visible control; hidden ones cannot be pointed at
            const QList<QWidget *> controls = controlsOf(*w);
            QWidget *target = controls[pick(int(controls.size()))];
            if (!target->isVisibleTo(w.get()))
                break;
            const Qt::MouseButton button = pick(4) == 0 ? Qt::RightButton : Qt::LeftButton;
            nothingChanges = button == Qt::RightButton || passive(*w, target);
            QTest::mouseClick(target, button);
            break;
        }
        case 15: // typing, locked or not; Return presses nothing
            QTest::keyClicks(w->Bet, bets[pick(int(bets.size()))]);
            if (pick(2) == 0)
                QTest::keyClick(w->Bet, Qt::Key_Return);
            break;
        case 16: // the background, between the controls
            QTest::mouseClick(w.get(), Qt::LeftButton, {}, QPoint(5 + pick(20), 5 + pick(40)));
            nothingChanges = true;
            break;
        }

        const QString at = QStringLiteral("event %1 (kind %2), seed %3").arg(n).arg(event).arg(seed);
        const Phase now = phaseOf(*w);
        QVERIFY2(now != Phase::Broken, qPrintable(at + ": " + stateOf(*w).join(' ')));
        QVERIFY2(w->Steps.MoneyClicks <= 10, qPrintable(at));
        QVERIFY2(w->Cheat == 0 || w->Cheat == -1, qPrintable(at));
        QVERIFY2(w->Secret->isVisibleTo(w.get()) == (w->Cheat == -1), qPrintable(at));
        const double money = amounts::amountValue(w->Money->text(), {});
        QVERIFY2(money >= 0 && std::isfinite(money), qPrintable(at + ": money " + w->Money->text()));
        for (const ReelPicture *reel : w->Output)
            QVERIFY2(reelAgrees(*w, reel), qPrintable(at + ": " + reel->objectName()));
        if (nothingChanges) {
            QCOMPARE(stateOf(*w), stateBefore);
            QCOMPARE(countersOf(*w), countersBefore);
        }

        // The ledger: no money appears or vanishes but by the rules.
        const QString moneyNow = w->Money->text();
        const QStringList moves = moneyMoves(*w, moneyBefore, before, betBefore);
        QVERIFY2(moves.contains(moneyNow), qPrintable(at + ": money " + moneyBefore + " -> " + moneyNow + " allowed "
                                                      + moves.join(",") + " state " + stateOf(*w).join(" ")));
        if (moneyNow != moneyBefore && moneyNow == moves[1] && before == now)
            QVERIFY2(w->Comment->text() == u"You've got it!" && w->Winnings->text() == u"100", qPrintable(at));
        // The bet box is locked for the whole round.
        if (before == Phase::Idle && now == Phase::Spinning) {
            betAtSpin = w->Bet->text();
            ticked = {};
        }
        if (now != Phase::Idle)
            QVERIFY2(w->Bet->text() == betAtSpin, qPrintable(at + ": bet changed while locked"));

        if (p.ended) { // the player declined the reset: start the program again
            QVERIFY2(w->isHidden() && now == Phase::Idle, qPrintable(at));
            p.ended = 0;
            w = std::make_unique<Form1>(p);
            ++restarts;
        }
    }
    QStringList perKind;
    for (int k : kinds)
        perKind << QString::number(k);
    qInfo("%d events (per kind %s), %d boxes, %d restarts", events, qPrintable(perKind.join(' ')), int(p.boxes.size()),
          restarts);
}

QTEST_MAIN(TestClickStorm)
#include "tst_clickstorm.moc"
