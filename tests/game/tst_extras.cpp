// The hidden extras, each row a script of moves (see Game::play) and what the
// window shows after it: the two unlock sequences as fixed click lists, the
// message chain's paths, the cheat at the stop tick; and No under a box.
#include "game.h"

#include <QRegularExpression>
#include <QTest>

namespace {
const QString Cheat = "1 3 3 3 1 2 1 0 ", Bonus = "W W 1 1 3 1 W ", Nine = "M M M M M M M M M ", Spin = "$10 C ";
const QString First = "Do you actually think there's something here?|35|What!!???",
              Second = "Then do you think the programmer is just plain nuts?|36|What!!???",
              About = "About|64|Copyright";
const QString Start = "1000|0||0|&Spin|+--|00000||||", Cheating = "1000|0||0|&Spin|+-+|00000||||",
              Bonused = "1100|100|You've got it!|0|&Spin|+--|00000||||", Spinning = "990|0||10|&Stop|++-|11110||||";
} // namespace

class TestExtras : public QObject
{
    Q_OBJECT

private slots:
    void extras_data()
    {
        QTest::addColumn<Row>("r");
        QTest::newRow("cheat") << Row{Cheat, Cheating, {About}};
        QTest::newRow("cheat, then Secret") << Row{Cheat + "S", Start, {About}};
        QTest::newRow("cheat, one short") << Row{"1 3 3 3 1 2 1", Start};
        QTest::newRow("cheat, last wrong") << Row{"1 3 3 3 1 2 1 3", Start};
        QTest::newRow("cheat, one 3 more") << Row{"1 3 3 3 3 1 2 1 0", Start};
        QTest::newRow("cheat, no wrap at 256") << Row{"1 " + QString("3 ").repeated(259) + "1 2 1 0", Start};
        QTest::newRow("cheat, Spin inside") << Row{"1 3 3 3 1 2 1 C 0", Start, {Greedy}};
        QTest::newRow("bonus") << Row{Bonus, Bonused};
        QTest::newRow("bonus twice") << Row{Bonus + Bonus, "1200" + Bonused.mid(4)};
        QTest::newRow("bonus, one short") << Row{"W W 1 1 3 1", Start};
        QTest::newRow("bonus, a 1 left out") << Row{"W W 1 3 1 W", Start};
        QTest::newRow("bonus, W inside") << Row{"W W 1 W 1 3 1 W", Start};
        QTest::newRow("bonus, stray 0 voids W and W W") << Row{"W 0 W 1 1 3 1 W W W 0 W 1 1 3 1 W", Start};
        QTest::newRow("bonus, stray 2 voids W and W W") << Row{"W 2 W 1 1 3 1 W W W 2 W 1 1 3 1 W", Start};
        QTest::newRow("bonus, stray 3 voids W and W W") << Row{"W 3 W 1 1 3 1 W W W 3 W 1 1 3 1 W", Start};
        for (const QString sign : {"", "-"}) { // the largest amount to the bit, and the next double past it
            const QString largest = sign + "1.79769313486231E+308", past = sign + "1.7976931348623101E+308";
            QTest::newRow(qPrintable(largest)) << Row{"¥" + largest + ' ' + Bonus, largest + Bonused.mid(4)};
            QTest::newRow(qPrintable(past))
                << Row{"¥" + past + ' ' + Bonus, past + Start.mid(4), {"That bonus is too big to pay out.|0|Stop!"}};
        }
        QTest::newRow("bonus, off the reels") << Row{"W W 4 -5 1 1 3 1 W", Bonused};
        QTest::newRow("bonus, then Spin") << Row{Bonus + Spin, "1090|0||10" + Spinning.mid(9)};
        QTest::newRow("bonus while spinning") << Row{Spin + Bonus, "1090|100|You've got it!" + Spinning.mid(6)};
        QTest::newRow("bonus, Stop inside") << Row{Spin + "W W 1 1 3 C 1 W", "990|0||10|&Stop|-+-|11111||||"};
        QTest::newRow("bonus keeps the money count") << Row{"M M M M M M M " + Bonus + "M M M", Bonused, {First}};
        QTest::newRow("chain, cancel") << Row{
            Spin + Nine + "?2 M",
            Spinning,
            {First, "Haha! Decipher this easter egg: 6051K437R809. Good luck!|64|What!!???"}};
        QTest::newRow("chain, yes") << Row{Spin + Nine + "?6 M", Spinning, {First, "No there isn't.|16|What!!???"}};
        QTest::newRow("chain, no, yes") << Row{
            Nine + "?7 ?6 M",
            Start,
            {First, Second, "You're quite honest. Here's something: 2586T. Decipher it for yourself|64|What!!???"}};
        QTest::newRow("chain, no, no") << Row{
            Nine + "?7 ?7 M", Start, {First, Second, "Heh! I wish you think you were. Nothing here!|16|What!!???"}};
        QTest::newRow("chain, other answer") << Row{Nine + "?1 M", Start, {First}};
        QTest::newRow("chain, count cleared by Spin") << Row{"M C " + Nine, Start, {Greedy}};
        QTest::newRow("cheat on while stopping")
            << Row{Spin + "=3012 C " + Cheat + "T", "1490|500|Jackpot!!!|10|&Spin|+-+|00000|0|0|0|0", {About}};
        QTest::newRow("cheat off while stopping")
            << Row{Cheat + Spin + "=3012 C S T", "990|0|Tough Luck!|10|&Spin|+--|00000|3|0|1|2", {About}};
    }
    void extras()
    {
        QFETCH(Row, r);
        Game g;
        g.play(r.script);
        QCOMPARE(g.state(), r.seen);
        static const QRegularExpression about(R"(^Facereel version 1\.00\n.*(\|64\|Copyright)$)",
                                              QRegularExpression::DotMatchesEverythingOption);
        QCOMPARE(g.p.boxes.replaceInStrings(about, "About\\1"), r.boxes);
        QCOMPARE(g.cheat, -g.ui.Secret->isVisibleTo(&g.w));
        if (r.seen == Cheating || r.seen == Bonused) // an unlock clears the counters, the bonus all but two
            QVERIFY(g.steps == (hidden::StepCounters{0, 0, 0, 0, 0, quint8(r.script.count('M') % 10)}));
    }

    void noEndsAtOnce_data()
    {
        QTest::addColumn<QString>("clicks"); // that open a box while the lost round stops
        QTest::addColumn<QString>("after");  // MoneyClicks|Cheat
        QTest::newRow("under the chain") << Nine + "M"
                                         << "10|0";
        QTest::newRow("under the about box") << Cheat << "0|0";
    }
    void noEndsAtOnce()
    {
        QFETCH(QString, clicks);
        QFETCH(QString, after);
        Game g;
        g.w.show();
        g.play("$1000 C =3012 C ?7");
        g.p.underBox = [&] { g.play("T"); };
        QVERIFY_THROWS_EXCEPTION(Ended, g.play(clicks));
        QCOMPARE(g.p.boxes.size(), 2); // the open box, then the bankruptcy box: nothing after
        QVERIFY(g.p.boxes[1].endsWith("|Bankrupt") && g.w.isHidden());
        QCOMPARE(QStringLiteral("%1|%2").arg(g.steps.MoneyClicks).arg(g.cheat), after);
    }
};

QTEST_MAIN(TestExtras)
#include "tst_extras.moc"
