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
        Controls &w = g->ui;
        g->p.answers = {QList{1, 2, 6, 7}[pick(4)], QList{1, 2, 6, 7}[pick(4)]};
        const bool idle = w.Controller->text() == "&Spin";
        const qsizetype boxes = g->p.boxes.size();
        const bool stopping = w.Timer5->isActive();
        w.Comment->setText("?"); // never read by the game: shows what a step wrote
        QStringList moves{"M", "W", QString::number(pick(6) - 1), "1 3 3 3 1 2 1 0", "W W 1 1 3 1 W"};
        if (w.Secret->isVisibleTo(&g->w))
            moves << "S";
        if (w.Controller->isEnabled())
            moves << "C";
        if (!w.Bet->isReadOnly())
            moves << "$" + (pick(3) ? bets[pick(bets.size())] : w.Money->text());
        if (w.Timer1->isActive()) // the reels tick, and a second after Stop the stop tick comes
            moves << QStringLiteral("=%1%2%3%4").arg(pick(4)).arg(pick(4)).arg(pick(4)).arg(pick(4))
                  << (stopping ? "T" : "C");
        const QString move = moves[pick(moves.size())];
        bool ended = false;
        try {
            g->play(move);
        } catch (const Ended &) { // the player declined the reset
            ended = true;
        }
        const double bet = amounts::strictValue(w.Bet->text(), {u'.', u','}).value_or(0);
        if (idle && w.Controller->text() == "&Stop")
            money -= bet;
        if (w.Comment->text() == "You've got it!")
            money += 100;
        else if (move == "T")
            money += bet * factors.value(w.Comment->text(), -1000);
        money = QString::number(money, 'g', 15).toDouble(); // as the money text shows it
        if (g->p.boxes.size() > boxes && g->p.boxes.last().endsWith("|Bankrupt")) {
            QCOMPARE(money, 0.0);
            money = 1000;
            if (ended) // start the program again
                g = std::make_unique<Game>();
        }
        const QString at = QStringLiteral("step %1 (%2): %3").arg(n).arg(move, g->state());
        QVERIFY2(amounts::amountValue(g->ui.Money->text(), {u'.', u','}) == money && g->steps.MoneyClicks < 10
                     && g->cheat == -g->ui.Secret->isVisibleTo(&g->w) && (move != "T" || g->ui.Money->text() != "0"),
                 qPrintable(at)); // the ledger; counts in range; Secret shown while cheating; bankrupt: reset or ended
        static const QRegularExpression phases(
            R"(\|(&Spin\|\+-.\|00000|&Stop\|\+\+.\|11110|&Stop\|-\+.\|11111)(\|[0-3]?){4}$)");
        QVERIFY2(phases.match(g->state()).hasMatch(), qPrintable(at)); // Idle, Spinning or Stopping
    }
}

QTEST_MAIN(TestPlay)
#include "tst_play.moc"
