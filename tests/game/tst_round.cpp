// A round through the window's handlers: Spin's refusals and debit, the
// payout at the stop tick and the bankruptcy box, and one round on real timers.
#include "game.h"
#include "window/announcer.h"

#include <QAccessible>

#include <QTest>

namespace {
const QString Number = "Enter a number for your bet.|0|Stop!", Funds = "You don't have enough money.|0|Stop!",
              Greedy = "Bet something greedy!|0|Stop!", TooBig = "That bet is too big to pay out.|0|Stop!";
struct Round {
    QString bet;
    Faces faces;
    QString seen;   // money|winnings|comment after the stop
    int answer = 0; // to the bankruptcy box; 0: no box
};
} // namespace
Q_DECLARE_METATYPE(Round)

class TestRound : public QObject
{
    Q_OBJECT

private slots:
    void spin_data()
    {
        QTest::addColumn<QChar>("decimal");
        QTest::addColumn<QString>("money");
        QTest::addColumn<QString>("bet");
        QTest::addColumn<QString>("outcome"); // a refusal's box, or the money left
        QTest::newRow("zero") << QChar('.') << "1000"
                              << "0" << Greedy;
        QTest::newRow("empty") << QChar('.') << "1000"
                               << "" << Number;
        QTest::newRow("one too many") << QChar('.') << "1000"
                                      << "1001" << Funds;
        QTest::newRow("a cent too many") << QChar('.') << "999.5"
                                         << "999.51" << Funds;
        QTest::newRow("funds before zero") << QChar('.') << "-1"
                                           << "0" << Funds;
        QTest::newRow("negative") << QChar('.') << "1000"
                                  << "-5" << Greedy;
        QTest::newRow("out of range") << QChar('.') << "1000"
                                      << "1E400" << Number;
        QTest::newRow("comma slip") << QChar('.') << "1000"
                                    << "0,5" << Number;
        QTest::newRow("dot under comma") << QChar(',') << "1000"
                                         << "0.5" << Number;
        QTest::newRow("jackpot unpayable") << QChar('.') << "1E+308"
                                           << "1E+307" << TooBig;
        QTest::newRow("ten") << QChar('.') << "1000"
                             << "10"
                             << "990";
        QTest::newRow("all") << QChar('.') << "1000"
                             << "1000"
                             << "0";
        QTest::newRow("a half") << QChar('.') << "1000"
                                << "0.5"
                                << "999.5";
        QTest::newRow("D exponent") << QChar('.') << "1000"
                                    << "2.5d1"
                                    << "975";
        QTest::newRow("grouped") << QChar('.') << "1000"
                                 << "1,000"
                                 << "0";
        QTest::newRow("comma decimal") << QChar(',') << "1000"
                                       << "0,5"
                                       << "999,5";
    }
    void spin()
    {
        QFETCH(QChar, decimal);
        QFETCH(QString, money);
        QFETCH(QString, bet);
        QFETCH(QString, outcome);
        Game g({decimal, decimal == u'.' ? u',' : u'.'});
        g.w.Money->setText(money);
        g.w.Comment->setText("Double!");
        g.w.Bet->setText(bet);
        g.w.Steps = {1, 2, 3, 4, 5, 6};
        const QString before = g.state();
        g.w.Controller_Click();
        QCOMPARE(g.counters(), QList<int>(6, 0)); // every click clears them, refused or not
        QCOMPARE(g.p.boxes, outcome.contains('|') ? QStringList{outcome} : QStringList());
        QCOMPARE(g.state(), outcome.contains('|') ? before : outcome + "|0||" + bet + "|&Stop|++-|11110||||");
        g.w.Steps = {1, 2, 3, 4, 5, 6};
        g.w.Controller_Click(); // Stop, or Spin again
        if (!outcome.contains('|'))
            QCOMPARE(g.state(), outcome + "|0||" + bet + "|&Stop|-+-|11111||||");
        QCOMPARE(g.counters(), QList<int>(6, 0));
    }

    void stop_data()
    {
        QTest::addColumn<Round>("r");
        QTest::newRow("jackpot") << Round{"10", {0, 0, 0, 0}, "1490|500|Jackpot!!!"};
        QTest::newRow("tough luck") << Round{"10", {3, 0, 1, 2}, "990|0|Tough Luck!"};
        QTest::newRow("fraction") << Round{"2.5", {2, 0, 1, 1}, "1010|12.5|Double!"};
        QTest::newRow("bankrupt, reset") << Round{"1000", {3, 0, 1, 2}, "1000|0|Tough Luck!", msgbox::Yes};
        QTest::newRow("bankrupt, end") << Round{"1000", {3, 0, 1, 2}, "0|0|Tough Luck!", msgbox::No};
        QTest::newRow("all bet, won") << Round{"1000", {1, 1, 2, 3}, "5000|5000|Double!"};
        QTest::newRow("a half left") << Round{"999.5", {3, 0, 1, 2}, "0.5|0|Tough Luck!"};
    }
    void stop()
    {
        QFETCH(Round, r);
        Game g;
        g.p.answers = {r.answer};
        g.spin(r.bet);
        try {
            g.stop(r.faces);
        } catch (const Ended &) { // checked below
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

    void realTimersEndTheRound()
    {
        Game g;
        g.w.show();
        g.w.Bet->setText("10");
        QTest::mouseClick(g.w.Controller, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!g.w.Output[3]->tag().isEmpty(), 2000);
        QTest::mouseClick(g.w.Controller, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(g.w.Controller->text(), "&Spin", 5000);
        QCOMPARE(g.w.Comment->text() + " " + g.w.Money->text(), "Jackpot!!! 1490"); // every draw is 0
    }
};

QTEST_MAIN(TestRound)
#include "tst_round.moc"
