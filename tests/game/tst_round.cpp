// A round through the window's handlers: Spin's refusals and debit, the
// payout at the stop tick, what a screen reader hears of it, the bankruptcy box.
#include "game.h"
#include "window/announcer.h"

#include <QAccessible>
#include <QTest>

namespace {
const QString Number = "Enter a number for your bet.|0|Stop!", Funds = "You don't have enough money.|0|Stop!",
              Greedy = "Bet something greedy!|0|Stop!", TooBig = "That bet is too big to pay out.|0|Stop!";
struct Spin {
    QString money, bet, outcome; // a refusal's box, or the money left
    QChar decimal = u'.';
};
struct Stop {
    QString bet;
    Faces faces;
    QString seen;   // money|winnings|comment after the stop
    int answer = 0; // to the bankruptcy box; 0: no box
};
} // namespace
Q_DECLARE_METATYPE(Spin)
Q_DECLARE_METATYPE(Stop)

class TestRound : public QObject
{
    Q_OBJECT

private slots:
    void spin_data()
    {
        QTest::addColumn<Spin>("r");
        QTest::newRow("zero") << Spin{"1000", "0", Greedy};
        QTest::newRow("negative") << Spin{"1000", "-5", Greedy};
        QTest::newRow("empty") << Spin{"1000", "", Number};
        QTest::newRow("comma slip") << Spin{"1000", "0,5", Number};
        QTest::newRow("dot under comma") << Spin{"1000", "0.5", Number, u','};
        QTest::newRow("a cent too many") << Spin{"999.5", "999.51", Funds};
        QTest::newRow("funds before zero") << Spin{"-1", "0", Funds};
        QTest::newRow("jackpot unpayable") << Spin{"1E+308", "1E+307", TooBig};
        QTest::newRow("ten") << Spin{"1000", "10", "990"};
        QTest::newRow("all") << Spin{"1000", "1000", "0"};
        QTest::newRow("a half") << Spin{"1000", "0.5", "999.5"};
        QTest::newRow("grouped") << Spin{"1000", "1,000", "0"};
        QTest::newRow("comma decimal") << Spin{"1000", "0,5", "999,5", u','};
    }
    void spin()
    {
        QFETCH(Spin, r);
        Game g({r.decimal, r.decimal == u'.' ? u',' : u'.'});
        g.w.Money->setText(r.money);
        g.w.Comment->setText("Double!");
        g.w.Bet->setText(r.bet);
        g.w.Steps = {1, 2, 3, 4, 5, 6};
        const QString before = g.state();
        g.w.Controller_Click();
        QCOMPARE(g.counters(), QList<int>(6, 0)); // every click clears them, refused or not
        const bool refused = r.outcome.contains('|');
        QCOMPARE(g.p.boxes, refused ? QStringList{r.outcome} : QStringList());
        QCOMPARE(g.state(), refused ? before : r.outcome + "|0||" + r.bet + "|&Stop|++-|11110||||");
        g.w.Steps = {1, 2, 3, 4, 5, 6};
        g.w.Controller_Click(); // Stop, or Spin again
        QCOMPARE(g.counters(), QList<int>(6, 0));
        QVERIFY(refused || g.state() == r.outcome + "|0||" + r.bet + "|&Stop|-+-|11111||||");
    }

    void stop_data()
    {
        QTest::addColumn<Stop>("r");
        QTest::newRow("jackpot") << Stop{"10", {0, 0, 0, 0}, "1490|500|Jackpot!!!"};
        QTest::newRow("tough luck") << Stop{"10", {3, 0, 1, 2}, "990|0|Tough Luck!"};
        QTest::newRow("fraction") << Stop{"2.5", {2, 0, 1, 1}, "1010|12.5|Double!"};
        QTest::newRow("bankrupt, reset") << Stop{"1000", {3, 0, 1, 2}, "1000|0|Tough Luck!", msgbox::Yes};
        QTest::newRow("bankrupt, end") << Stop{"1000", {3, 0, 1, 2}, "0|0|Tough Luck!", msgbox::No};
        QTest::newRow("all bet, won") << Stop{"1000", {1, 1, 2, 3}, "5000|5000|Double!"};
        QTest::newRow("a half left") << Stop{"999.5", {3, 0, 1, 2}, "0.5|0|Tough Luck!"};
    }
    void stop()
    {
        QFETCH(Stop, r);
        Game g;
        g.p.answers = {r.answer};
        g.spin(r.bet);
        try {
            g.stop(r.faces);
        } catch (const Ended &) { // counted below
        }
        QString tags;
        for (int reel = 0; reel < 4; ++reel) { // each tick put the picture its tag names
            tags += '|' + QString::number(r.faces[reel]);
            QCOMPARE(g.w.Output[reel]->pixmap().cacheKey(), g.w.Images.picture(r.faces[reel] + 1).cacheKey());
        }
        QCOMPARE(g.state(), r.seen + '|' + r.bet + "|&Spin|+--|00000" + tags);
        QCOMPARE(g.p.boxes,
                 r.answer ? QStringList{"You are out of money. Reset the game?|36|Bankrupt"} : QStringList());
        QCOMPARE(g.p.ended, int(r.answer == msgbox::No));
        // A screen reader hears the round as it closed, before any box.
        const QAccessibleInterface *said = QAccessible::queryAccessibleInterface(g.w.findChild<Announcer *>());
        const QStringList seen = r.seen.split('|');
        QCOMPARE(said->role(), QAccessible::Notification);
        QCOMPARE(said->text(QAccessible::Name),
                 QStringLiteral("%1 Winnings %2. Money %3.").arg(seen[2], seen[1], r.answer ? "0" : seen[0]));
    }

    void winTooBigLosesNothing()
    {
        Game g;
        g.w.Money->setText("1E+306");
        g.spin("1E+305");
        g.w.Money->setText("1.797E+308"); // as only astronomic bonuses could leave it
        g.stop({0, 0, 0, 0});
        QCOMPARE(g.p.boxes, QStringList{"That win is too big to pay out. Your money stays as it was.|0|Stop!"});
        QCOMPARE(g.state().section('|', 0, 5), "1.797E+308|0|Jackpot!!!|1E+305|&Spin|+--");
    }
};

QTEST_MAIN(TestRound)
#include "tst_round.moc"
