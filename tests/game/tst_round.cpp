// Rounds played through the window's handlers, each row a script of moves and
// what the window shows after it: Spin's refusals and debit, the Stop, the
// payout at the stop tick, the bankruptcy box, and what a screen reader hears.
// A script that begins with ',' plays with ',' as the decimal separator.
#include "controls/announcer.h"
#include "game.h"

#include <QAccessible>
#include <QTest>

namespace {
const QString Number = "Enter a number for your bet.|0|Stop!", Funds = "You don't have enough money.|0|Stop!",
              TooBig = "That bet is too big to pay out.|0|Stop!",
              Bankrupt = "You are out of money. Reset the game?|36|Bankrupt";
} // namespace

class TestRound : public QObject
{
    Q_OBJECT

private slots:
    void rounds_data()
    {
        QTest::addColumn<Row>("r");
        QTest::newRow("zero") << Row{"$0 C", "1000|0||0|&Spin|+--|00000||||", {Greedy}};
        QTest::newRow("negative") << Row{"$-5 C", "1000|0||-5|&Spin|+--|00000||||", {Greedy}};
        QTest::newRow("empty") << Row{"$ C", "1000|0|||&Spin|+--|00000||||", {Number}};
        QTest::newRow("dot under comma") << Row{", $0.5 C", "1000|0||0.5|&Spin|+--|00000||||", {Number}};
        QTest::newRow("a cent too many") << Row{"¥999.5 $999.51 C", "999.5|0||999.51|&Spin|+--|00000||||", {Funds}};
        QTest::newRow("jackpot unpayable")
            << Row{"¥1E+308 $1E+307 C", "1E+308|0||1E+307|&Spin|+--|00000||||", {TooBig}};
        QTest::newRow("ten") << Row{"$10 C", "990|0||10|&Stop|++-|11110||||"};
        QTest::newRow("all") << Row{"$1000 C", "0|0||1000|&Stop|++-|11110||||"};
        QTest::newRow("grouped") << Row{"$1,000 C", "0|0||1,000|&Stop|++-|11110||||"};
        QTest::newRow("comma decimal") << Row{", $0,5 C", "999,5|0||0,5|&Stop|++-|11110||||"};
        QTest::newRow("stop") << Row{"$10 C =1230 C", "990|0||10|&Stop|-+-|11111|1|2|3|0"};
        QTest::newRow("jackpot") << Row{"$10 C =0000 C T", "1490|500|Jackpot!!!|10|&Spin|+--|00000|0|0|0|0"};
        QTest::newRow("tough luck") << Row{"$10 C =3012 C T", "990|0|Tough Luck!|10|&Spin|+--|00000|3|0|1|2"};
        QTest::newRow("fraction") << Row{"$2.5 C =2011 C T", "1010|12.5|Double!|2.5|&Spin|+--|00000|2|0|1|1"};
        QTest::newRow("bankrupt, reset") << Row{
            "$1000 C =3012 C ?6 T", "1000|0|Tough Luck!|1000|&Spin|+--|00000|3|0|1|2", {Bankrupt}};
        QTest::newRow("bankrupt, end") << Row{
            "$1000 C =3012 C ?7 T", "0|0|Tough Luck!|1000|&Spin|+--|00000|3|0|1|2", {Bankrupt}};
        QTest::newRow("a half left") << Row{"$999.5 C =3012 C T", "0.5|0|Tough Luck!|999.5|&Spin|+--|00000|3|0|1|2"};
        QTest::newRow("win too big to pay")
            << Row{"¥1E+306 $1E+305 C ¥1.797E+308 =0000 C T",
                   "1.797E+308|0|Jackpot!!!|1E+305|&Spin|+--|00000|0|0|0|0",
                   {"That win is too big to pay out. Your money stays as it was.|0|Stop!"}};
    }
    void rounds()
    {
        QFETCH(Row, r);
        const bool comma = r.script.startsWith(',');
        Game g(comma ? amounts::NumberFormat{u',', u'.'} : amounts::NumberFormat{u'.', u','});
        g.w.show();
        g.steps = {1, 2, 3, 4, 5, 6};
        bool ended = false;
        try {
            g.play(r.script.mid(comma));
        } catch (const Ended &) {
            ended = true;
        }
        QCOMPARE(g.state(), r.seen);
        QCOMPARE(g.p.boxes, r.boxes);
        QCOMPARE(ended, g.w.isHidden());              // ended at once, the window gone
        QVERIFY(g.steps == hidden::StepCounters{});   // every click of Spin or Stop clears them, refused or not
        for (const ReelPicture *reel : g.ui.Output) { // each tick put the picture its tag names
            QCOMPARE(reel->pixmap().cacheKey(),
                     reel->tag().isEmpty() ? 0 : g.ui.Images.picture(reel->tag().toInt() + 1).cacheKey());
            // described once as spinning, not at every tick; at rest by its face
            QCOMPARE(reel->accessibleDescription(), g.ui.Timer1->isActive() ? "Spinning" : reel->describe(reel->tag()));
        }
        // A screen reader hears the round as it closed, before any box.
        const QAccessibleInterface *said = QAccessible::queryAccessibleInterface(g.w.findChild<Announcer *>());
        const QStringList seen = r.seen.split('|');
        QCOMPARE(said->role(), QAccessible::Notification);
        QCOMPARE(said->text(QAccessible::Name),
                 r.script.contains("?6")  ? "Money 1000."
                 : r.script.contains('T') ? QStringLiteral("%1 Winnings %2. Money %3.").arg(seen[2], seen[1], seen[0])
                                          : QString());
    }
};

QTEST_MAIN(TestRound)
#include "tst_round.moc"
