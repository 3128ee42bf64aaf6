// The Spin/Stop button: the refusals, the debit and the Stop path.
#include "formstate.h"

#include <QTest>

namespace {
const amounts::NumberFormat Dot{u'.', u','};
const amounts::NumberFormat Comma{u',', u'.'};
const QList<int> Cleared{0, 0, 0, 0, 0, 0};
} // namespace

class TestSpin : public QObject
{
    Q_OBJECT

private slots:
    void refusalsChangeNothing()
    {
        const QString number = "Enter a number for your bet.", funds = "You don't have enough money.",
                      greedy = "Bet something greedy!", tooBig = "That bet is too big to pay out.";
        struct Row {
            amounts::NumberFormat format;
            QString money, bet, prompt;
        };
        const Row rows[] = {
            {Dot, "1000", "0", greedy},     {Dot, "1000", "", number},         {Dot, "1000", "   ", number},
            {Dot, "1000", "10$", number},   {Dot, "1000", "1001", funds},      {Dot, "999.5", "999.51", funds},
            {Dot, "1000", "-5", greedy},    {Dot, "1000", "-5000", greedy}, // betting must not mint money
            {Dot, "1000", "-0", greedy},    {Dot, "1000", "0.000E+5", greedy}, {Dot, "1000", "1E400", number},
            {Dot, "1000", "0,5", number}, // a slip, not five
            {Comma, "1000", "0.5", number}, {Dot, "1E+308", "1E+307", tooBig}, {Dot, "0", "1", funds},
        };
        for (const Row &r : rows) {
            Game g(r.format);
            g.w.Money->setText(r.money);
            g.w.Comment->setText("Double!");
            g.w.Winnings->setText("50");
            g.w.Steps = {1, 2, 3, 4, 5, 6};
            g.w.Bet->setText(r.bet);
            const QStringList before = stateOf(g.w);
            g.w.Controller_Click();
            QCOMPARE(g.p.prompts(), QStringList{r.prompt});
            QCOMPARE(g.p.boxes[0].title, QStringLiteral("Stop!"));
            QCOMPARE(g.p.boxes[0].style, 0); // OK only, no icon
            QCOMPARE(stateOf(g.w), before);
            QCOMPARE(countersOf(g.w), Cleared);
        }
    }

    void acceptedBetIsTaken()
    {
        struct Row {
            amounts::NumberFormat format;
            QString money, bet, left;
        };
        const Row rows[] = {
            {Dot, "1000", "10", "990"},          {Dot, "1000", "1000", "0"},
            {Dot, "1000", "0.5", "999.5"},       {Dot, " 1000", "  10\t", "990"},
            {Dot, "1000", "2.5d1", "975"},       {Dot, "1000", "1,000", "0"}, // taken at the value checked
            {Comma, "1000", "0,5", "999,5"},     {Comma, "999,5", "999,5", "0"},
            {Dot, "1E+300", "1E+299", "9E+299"},
        };
        for (const Row &r : rows) {
            Game g(r.format);
            g.w.Money->setText(r.money);
            g.w.Comment->setText("Tough Luck!");
            g.w.Steps = {1, 2, 3, 4, 5, 6};
            g.spin(r.bet);
            QVERIFY2(g.p.boxes.isEmpty(), qPrintable(g.p.prompts().join('|')));
            QCOMPARE(stateOf(g.w),
                     QStringList({"Money=" + r.left, "Bet=" + r.bet, "Winnings=0", "Comment=", "Controller=&Stop",
                                  "enabled=1", "locked=1", "Secret=0", "Timer1=1", "Timer2=1", "Timer3=1", "Timer4=1",
                                  "Timer5=0", "Output(0)=", "Output(1)=", "Output(2)=", "Output(3)="}));
            QCOMPARE(countersOf(g.w), Cleared);
        }
    }

    void stopPath()
    {
        Game g;
        g.spin("10");
        g.w.Steps = {1, 2, 3, 4, 5, 6};
        QStringList expected = stateOf(g.w);
        expected.replaceInStrings("enabled=1", "enabled=0").replaceInStrings("Timer5=0", "Timer5=1");
        g.w.Controller_Click();
        QCOMPARE(stateOf(g.w), expected);
        QCOMPARE(countersOf(g.w), Cleared);
        QVERIFY(g.p.boxes.isEmpty());

        Game other; // only the exact caption spins; anything else is a Stop
        other.w.Controller->setText("&spin");
        other.spin("10");
        QCOMPARE(other.w.Money->text(), QStringLiteral("1000"));
        QVERIFY(other.w.Timer5->isActive());
    }

    void moneyReadsBackUnderCommaDecimals()
    {
        // 999,5 must come back as 999.5, not 999.
        Game g(Comma);
        g.round("0,5", {0, 1, 2, 3});
        QCOMPARE(g.w.Money->text(), QStringLiteral("999,5"));
        g.spin("0,5");
        QCOMPARE(g.w.Money->text(), QStringLiteral("999"));
    }
};

QTEST_MAIN(TestSpin)
#include "tst_spin.moc"
