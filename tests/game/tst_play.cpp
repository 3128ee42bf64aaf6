// Random play through the real handlers: clicks, bets, reel ticks, stop ticks
// and box answers in any order, with the game's invariants checked after
// every step. FACEREEL_PLAY_STEPS asks for more than 20000 steps.
#include "game.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <memory>

class TestPlay : public QObject
{
    Q_OBJECT

private slots:
    void randomPlay();
};

void TestPlay::randomPlay()
{
    const int steps = std::max(20000, qEnvironmentVariableIntValue("FACEREEL_PLAY_STEPS"));
    QRandomGenerator random(20261207);
    const auto pick = [&](int n) { return int(random.bounded(n)); };
    const QStringList bets{"10", "0.5", "2.5", "1000", "0", "-5", "abc", "", "1,000", "250", "1E+400"};
    const QHash<QString, int> factors{{"Jackpot!!!", 50},     {"Four Heads!!", 25}, {"Double Double!!", 25},
                                      {"Triple Strike!", 10}, {"Double!", 5},       {"Double", 5},
                                      {"Tough Luck!", 0}};
    auto g = std::make_unique<Game>();
    double money = 1000; // the ledger: debits and payouts summed apart from the game
    for (int n = 0; n < steps; ++n) {
        Form1 &w = g->w;
        g->p.answers = {QList{1, 2, 6, 7}[pick(4)], QList{1, 2, 6, 7}[pick(4)]};
        const bool idle = w.Controller->text() == "&Spin";
        const qsizetype boxes = g->p.boxes.size();
        const bool stopping = w.Timer5->isActive();
        w.Comment->setText("?"); // never read by the game: shows what a step wrote
        const int kind = pick(9);
        try {
            switch (kind) {
            case 0: w.Output_Click(pick(6) - 1); break;
            case 1: w.Money_Click(); break;
            case 2: w.Winnings_Click(); break;
            case 3: w.Secret->isVisibleTo(&w) ? w.Secret_Click() : void(); break;
            case 4: w.Controller->isEnabled() ? w.Controller_Click() : void(); break;
            case 5:
                w.Bet->isReadOnly() ? void() : w.Bet->setText(pick(3) ? bets[pick(int(bets.size()))] : w.Money->text());
                break;
            case 6: g->click(pick(2) ? QList{1, 3, 3, 3, 1, 2, 1, 0} : QList{W, W, 1, 1, 3, 1, W}); break;
            case 7:
                if (stopping)
                    w.Timer5_Timer();
                break;
            default:
                g->p.draws = {float(pick(1000)) / 1000.0F};
                if (const int reel = pick(4); QList{w.Timer1, w.Timer2, w.Timer3, w.Timer4}[reel]->isActive())
                    (w
                     .*std::array{&Form1::Timer1_Timer, &Form1::Timer2_Timer, &Form1::Timer3_Timer,
                                  &Form1::Timer4_Timer}[reel])();
            }
        } catch (const Ended &) { // the player declined the reset: checked below
        }
        const double bet = amounts::strictValue(w.Bet->text(), {u'.', u','}).value_or(0);
        if (idle && w.Controller->text() == "&Stop")
            money -= bet;
        if (w.Comment->text() == "You've got it!")
            money += 100;
        else if (kind == 7 && stopping)
            money += bet * factors.value(w.Comment->text(), -1000);
        money = QString::number(money, 'g', 15).toDouble(); // as the money text shows it
        if (g->p.boxes.size() > boxes && g->p.boxes.last().endsWith("|Bankrupt")) {
            QCOMPARE(money, 0.0);
            money = 1000;
            if (g->p.ended) // the player declined: start the program again
                g = std::make_unique<Game>();
        }
        const QString at = QStringLiteral("step %1 (%2): %3").arg(n).arg(kind).arg(g->state());
        QVERIFY2(amounts::amountValue(g->w.Money->text(), {u'.', u','}) == money, qPrintable(at));
        QVERIFY2(g->counters().last() < 10 && g->w.Cheat == -g->w.Secret->isVisibleTo(&g->w), qPrintable(at));
        QVERIFY2(!stopping || kind != 7 || g->w.Money->text() != "0", qPrintable(at)); // bankrupt: reset or ended
        static const QRegularExpression phases(
            R"(\|(&Spin\|\+-.\|00000|&Stop\|\+\+.\|11110|&Stop\|-\+.\|11111)(\|[0-3]?){4}$)");
        QVERIFY2(phases.match(g->state()).hasMatch(), qPrintable(at)); // Idle, Spinning or Stopping
    }
}

QTEST_MAIN(TestPlay)
#include "tst_play.moc"
