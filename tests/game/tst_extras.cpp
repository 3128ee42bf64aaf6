// The hidden extras: the two unlock sequences as fixed click lists, the
// message chain's paths, the about box with its cheat, and the bonus.
#include "game.h"

#include <QTest>

namespace {
const QList<int> Cheat{1, 3, 3, 3, 1, 2, 1, 0};
const QList<int> Bonus{W, W, 1, 1, 3, 1, W};
const QString First = "Do you actually think there's something here?|35|What!!???",
              Second = "Then do you think the programmer is just plain nuts?|36|What!!???";
} // namespace

class TestExtras : public QObject
{
    Q_OBJECT

private slots:
    void sequences_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QString>("seen"); // money|winnings|comment|cheat|boxes
        const QString none = "1000|0||0|0", bonus = "1100|100|You've got it!|0|0";
        QTest::newRow("cheat") << Cheat << "1000|0||-1|1";
        QTest::newRow("cheat twice") << Cheat + Cheat << "1000|0||-1|2";
        QTest::newRow("bonus") << Bonus << bonus;
        QTest::newRow("bonus twice") << Bonus + Bonus << "1200|100|You've got it!|0|0";
        QTest::newRow("cheat, one short") << Cheat.mid(0, 7) << none;
        QTest::newRow("bonus, one short") << Bonus.mid(0, 6) << none;
        QTest::newRow("cheat, last wrong") << Cheat.mid(0, 7) + QList<int>{3} << none;
        QTest::newRow("cheat, one 3 more") << QList<int>{1, 3, 3, 3, 3, 1, 2, 1, 0} << none;
        QTest::newRow("cheat, W inside") << QList<int>{1, 3, 3, W, 3, 1, 2, 1, 0} << none;
        QTest::newRow("cheat, no wrap at 256") << QList<int>{1} + QList<int>(259, 3) + QList<int>{1, 2, 1, 0} << none;
        QTest::newRow("bonus, 2 for 3") << QList<int>{W, W, 1, 1, 2, 1, W} << none;
        QTest::newRow("bonus, one W more") << QList<int>{W, W, W, 1, 1, 3, 1, W} << none;
        QTest::newRow("bonus, W inside") << QList<int>{W, W, 1, W, 1, 3, 1, W} << none;
        QTest::newRow("bonus, stray 0") << QList<int>{W, W, 0, 1, 1, 3, 1, W} << none;
        QTest::newRow("off the reels") << QList<int>{W, W, 4, -5, 1, 1, 3, 1, W} << bonus;
    }
    void sequences()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(QString, seen);
        Game g;
        g.w.Steps.MoneyClicks = 7;
        g.click(clicks);
        QCOMPARE(g.state().section('|', 0, 2) + QStringLiteral("|%1|%2").arg(g.w.Cheat).arg(g.p.boxes.size()), seen);
        QCOMPARE(g.w.Secret->isVisibleTo(&g.w), g.w.Cheat == -1);
        if (seen != "1000|0||0|0") // an unlock clears what it should
            QCOMPARE(g.counters(), QList<int>({0, 0, 0, 0, 0, g.w.Cheat ? 0 : 7}));
    }

    void spinStopClearsProgress()
    {
        Game g;
        g.click(Bonus.mid(0, 6));
        g.w.Controller_Click(); // refused for the "0" bet, but it clears all the same
        g.w.Winnings_Click();
        g.click(Cheat.mid(0, 7));
        g.spin("10");
        g.w.Output_Click(0);
        QCOMPARE(g.w.Money->text() + " " + QString::number(g.w.Cheat), "990 0");
    }

    void chain_data()
    {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("cancel") << QList<int>{
            2} << QStringList{First, "Haha! Decipher this easter egg: 6051K437R809. Good luck!|64|What!!???"};
        QTest::newRow("yes") << QList<int>{6} << QStringList{First, "No there isn't.|16|What!!???"};
        QTest::newRow("no, yes") << QList<int>{7, 6}
                                 << QStringList{First, Second,
                                                "You're quite honest. Here's something: 2586T. Decipher it for "
                                                "yourself|64|What!!???"};
        QTest::newRow("no, no") << QList<int>{
            7, 7} << QStringList{First, Second, "Heh! I wish you think you were. Nothing here!|16|What!!???"};
        QTest::newRow("other") << QList<int>{1} << QStringList{First};
        QTest::newRow("no, other") << QList<int>{7, 1} << QStringList{First, Second};
    }
    void chain()
    {
        QFETCH(QList<int>, answers);
        QFETCH(QStringList, boxes);
        Game g;
        g.spin("10");
        const QString before = g.state();
        g.p.answers = answers;
        g.click(QList<int>(9, M));
        QCOMPARE(g.p.boxes, QStringList());
        g.w.Money_Click();
        QCOMPARE(g.p.boxes, boxes);
        QCOMPARE(g.state(), before);
        QCOMPARE(g.w.Steps.MoneyClicks, 0); // the next click counts 1
    }

    void aboutBoxAndSecret()
    {
        Game g;
        g.click(Cheat);
        QVERIFY(g.p.boxes[0].contains("Facereel") && g.p.boxes[0].contains("1.00"));
        QVERIFY(g.p.boxes[0].endsWith("|64|Copyright"));
        g.spin("10");
        g.stopping({3, 0, 1, 2});
        g.w.Secret_Click(); // off before the stop tick: random again
        g.w.Timer5_Timer();
        QCOMPARE(g.w.Comment->text(), "Tough Luck!");
        g.w.Steps = {1, 2, 3, 4, 5, 6};
        g.w.Secret_Click();
        QCOMPARE(g.counters(), QList<int>({1, 2, 3, 4, 5, 6}));
        g.spin("10");
        g.stopping({3, 0, 1, 2});
        g.click(Cheat); // on while stopping: the jackpot
        g.w.Timer5_Timer();
        QCOMPARE(g.w.Comment->text(), "Jackpot!!!");
    }

    void noEndsAtOnce_data()
    {
        QTest::addColumn<QList<int>>("clicks"); // that open a box while the lost round stops
        QTest::addColumn<QString>("after");     // MoneyClicks|Cheat
        QTest::newRow("under the chain") << QList<int>(10, M) << "10|0";
        QTest::newRow("under the about box") << Cheat << "0|0";
    }
    void noEndsAtOnce()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(QString, after);
        Game g;
        g.spin("1000");
        g.stopping({3, 0, 1, 2});
        g.p.underBox = [&] { g.w.Timer5_Timer(); };
        g.p.answers = {msgbox::No};
        QVERIFY_THROWS_EXCEPTION(Ended, g.click(clicks));
        QCOMPARE(g.p.boxes.size(), 2); // the open box, then the bankruptcy box: nothing after
        QVERIFY(g.p.boxes[1].endsWith("|Bankrupt") && g.w.isHidden());
        QCOMPARE(QStringLiteral("%1|%2").arg(g.w.Steps.MoneyClicks).arg(g.w.Cheat), after);
    }
};

QTEST_MAIN(TestExtras)
#include "tst_extras.moc"
