// Random events on every control in every phase of a round: handler calls,
// timer ticks, real clicks with either button on every visible control and
// the background, typing into the bet box; the invariants hold after each.
// FACEREEL_STORM_EVENTS sets the count.
#include "formstate.h"
#include "ledger.h"

#include <QTest>

#include <memory>
#include <random>

enum class Phase { Idle, Spinning, Stopping, Broken };

static Phase phaseOf(const Form1 &w)
{
    const int reels = w.Timer1->isActive() + w.Timer2->isActive() + w.Timer3->isActive() + w.Timer4->isActive();
    const std::tuple s{w.Controller->text() == u"&Spin", w.Controller->isEnabled(), w.Bet->isReadOnly(), reels,
                       w.Timer5->isActive()};
    return s == std::tuple{true, true, false, 0, false}   ? Phase::Idle
           : s == std::tuple{false, true, true, 4, false} ? Phase::Spinning
           : s == std::tuple{false, false, true, 4, true} ? Phase::Stopping
                                                          : Phase::Broken;
}

class TestClickStorm : public QObject
{
    Q_OBJECT

private slots:
    void storm();
};

void TestClickStorm::storm()
{
    const int events = qEnvironmentVariable("FACEREEL_STORM_EVENTS", "3000").toInt();
    std::mt19937 random(20261206);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const QStringList bets{"10", "0.5", "0", "-5", "abc", "", "1E400", "1,000", "999999", "250", "1E+307", " 7 "};
    ScriptedPlatform p;
    auto w = std::make_unique<Form1>(p);
    QString betAtSpin;
    const std::array ticks{&Form1::Timer1_Timer, &Form1::Timer2_Timer, &Form1::Timer3_Timer, &Form1::Timer4_Timer};
    for (int n = 0; n < events; ++n) {
        p.answers = {QList{1, 2, 6, 7}[pick(4)], QList{1, 2, 6, 7}[pick(4)]}; // OK, Cancel, Yes, No
        p.draws = {float(pick(1000)) / 1000.0F};
        const Phase was = phaseOf(*w);
        const QStringList state = stateOf(*w);
        const QList<int> counters = countersOf(*w);
        QList<QWidget *> all{w->Label1, w->Label3, w->Label4, w->Label5, w->Comment, w->Bet}; // passive ones first
        all << w->Money << w->Winnings << w->Controller << w->Secret << w->Output[0] << w->Output[1] << w->Output[2]
            << w->Output[3];
        QWidget *target = all[pick(int(all.size()))];
        bool nothingChanges = false; // right clicks, passive controls, the background
        const int kind = pick(12);
        switch (kind) {
        case 0: w->Output_Click(pick(4)); break;
        case 1: w->Money_Click(); break;
        case 2: w->Winnings_Click(); break;
        case 3: w->Secret->isVisibleTo(w.get()) ? w->Secret_Click() : void(); break;
        case 4: w->Controller->isEnabled() ? w->Controller_Click() : void(); break;
        case 5:
            if (const std::size_t reel = pick(4); QList{w->Timer1, w->Timer2, w->Timer3, w->Timer4}[reel]->isActive())
                (w.get()->*ticks.at(reel))();
            break;
        case 6: // the stop tick comes a second after the Stop, when every reel has ticked
            if (w->Timer5->isActive())
                tickFaces(*w, p, {pick(4), pick(4), pick(4), pick(4)}), w->Timer5_Timer();
            break;
        case 7: w->Bet->isReadOnly() ? void() : w->Bet->setText(pick(2) ? bets[pick(12)] : w->Money->text()); break;
        case 8:
            for (int picture : {1, 3, 3, 3, 1, 2, 1, 0}) // the cheat
                w->Output_Click(picture);
            break;
        case 9: // a click with either button; hidden controls cannot be pointed at
            nothingChanges = pick(4) == 0;
            if (target->isVisibleTo(w.get()))
                QTest::mouseClick(target, nothingChanges ? Qt::RightButton : Qt::LeftButton);
            nothingChanges = nothingChanges || all.indexOf(target) < 6;
            break;
        case 10: // typing, locked or not; Return presses nothing
            QTest::keyClicks(w->Bet, bets[pick(12)]);
            pick(2) ? QTest::keyClick(w->Bet, Qt::Key_Return) : void();
            break;
        default:
            QTest::mouseClick(w.get(), Qt::LeftButton, {}, QPoint(5 + pick(20), 5 + pick(40))), nothingChanges = true;
        }
        const Phase now = phaseOf(*w);
        const QString at = QStringLiteral("event %1 (kind %2): ").arg(n).arg(kind) + stateOf(*w).join(' ');
        QVERIFY2(now != Phase::Broken && w->Steps.MoneyClicks <= 10 && (w->Cheat == 0 || w->Cheat == -1),
                 qPrintable(at));
        QVERIFY2(w->Secret->isVisibleTo(w.get()) == (w->Cheat == -1), qPrintable(at));
        for (const ReelPicture *r : w->Output) // empty, or the picture its tag names
            QVERIFY2(r->tag().isEmpty() ? r->picture().isNull()
                                        : r->picture().cacheKey() == w->Images.picture(r->tag().toInt() + 1).cacheKey(),
                     qPrintable(at));
        QVERIFY2(!nothingChanges || (stateOf(*w) == state && countersOf(*w) == counters), qPrintable(at));
        // Money moves only by a taken bet, the bonus, a paid win or the reset.
        const double before = amounts::amountValue(state[0].mid(6), {}),
                     after = amounts::amountValue(w->Money->text(), {});
        QVERIFY2(after == before || after == Ledger::shown(before + 100) || after == 1000
                     || (was == Phase::Idle && after < before) || (was == Phase::Stopping && after > before),
                 qPrintable(state[0] + " -> " + at));
        if (was == Phase::Idle && now == Phase::Spinning)
            betAtSpin = w->Bet->text();
        QVERIFY2(now == Phase::Idle || w->Bet->text() == betAtSpin, qPrintable("bet box not locked: " + at));
        if (p.ended) { // the player declined the reset: start the program again
            QVERIFY2(w->isHidden() && now == Phase::Idle, qPrintable(at));
            p.ended = 0;
            w = std::make_unique<Form1>(p);
        }
    }
    qInfo("%d events, %d boxes", events, int(p.boxes.size()));
}

QTEST_MAIN(TestClickStorm)
#include "tst_clickstorm.moc"
