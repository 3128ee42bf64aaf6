// The hidden extras through their handlers: the two unlock sequences, the
// message chain, the about box with its cheat, and the bonus.
#include "formstate.h"

#include <QTest>

namespace {

constexpr int W = -1; // a click on Winnings; 0..3 are the pictures
const QList<int> Cheat{1, 3, 3, 3, 1, 2, 1, 0};
const QList<int> Bonus{W, W, 1, 1, 3, 1, W};

void clickAll(Form1 &w, const QList<int> &clicks)
{
    for (int target : clicks)
        target == W ? w.Winnings_Click() : w.Output_Click(target);
}

} // namespace

class TestExtras : public QObject
{
    Q_OBJECT

private slots:
    void sequences()
    {
        struct Row {
            QList<int> clicks;
            bool about;
            QString money;
        };
        const Row rows[] = {
            {Cheat, true, "1000"},
            {Bonus, false, "1100"},
            {Bonus + Bonus, false, "1200"},
            {Cheat.mid(0, 7), false, "1000"},
            {Bonus.mid(0, 6), false, "1000"},
            {Cheat.mid(0, 7) + QList<int>{3}, false, "1000"},
            {{W, W, 1, 1, 2, 3, 1, W}, false, "1000"},
            {{1, 3, 3, W, 3, 1, 2, 1, 0}, false, "1000"},
            {{1, 3, 3, 3, 3, 1, 2, 1, 0}, false, "1000"},
            {{0, 1, 2, 3, W, 0, 1, 2, 3, W}, false, "1000"},
        };
        for (const Row &r : rows) {
            Game g;
            g.w.Steps.MoneyClicks = 7;
            clickAll(g.w, r.clicks);
            QCOMPARE(g.w.Cheat == -1, r.about);
            QCOMPARE(g.w.Secret->isVisibleTo(&g.w), r.about);
            QCOMPARE(g.p.boxes.size(), r.about ? 1 : 0);
            QCOMPARE(g.w.Money->text(), r.money);
            if (r.money != u"1000") {
                QCOMPARE(g.w.Comment->text() + " " + g.w.Winnings->text(), QStringLiteral("You've got it! 100"));
                QCOMPARE(countersOf(g.w), QList<int>({0, 0, 0, 0, 0, 7})); // the partial reset
            }
        }
    }

    void spinClickClearsProgress()
    {
        Game g;
        clickAll(g.w, Bonus.mid(0, 6));
        g.w.Controller_Click(); // refused for the "0" bet, but it clears all the same
        QCOMPARE(countersOf(g.w), QList<int>({0, 0, 0, 0, 0, 0}));
        g.w.Winnings_Click();
        clickAll(g.w, Cheat.mid(0, 7));
        g.spin("10");
        g.w.Output_Click(0);
        QCOMPARE(g.w.Money->text() + " " + QString::number(g.w.Cheat), QStringLiteral("990 0"));
    }

    void chainChangesNothing()
    {
        const QString first = "Do you actually think there's something here?",
                      second = "Then do you think the programmer is just plain nuts?";
        struct Row {
            QList<int> answers;
            QStringList prompts;
            QList<int> styles;
        };
        const Row rows[] = {
            {{2}, {first, "Haha! Decipher this easter egg: 6051K437R809. Good luck!"}, {35, 64}},
            {{6}, {first, "No there isn't."}, {35, 16}},
            {{7, 6},
             {first, second, "You're quite honest. Here's something: 2586T. Decipher it for yourself"},
             {35, 36, 64}},
            {{7, 7}, {first, second, "Heh! I wish you think you were. Nothing here!"}, {35, 36, 16}},
            {{1}, {first}, {35}},
            {{7, 1}, {first, second}, {35, 36}},
        };
        for (const Row &r : rows) {
            Game g;
            g.spin("10");
            tickFaces(g.w, g.p, {2, 1, 2, 0});
            const QStringList before = stateOf(g.w);
            g.p.answers = r.answers;
            for (int i = 0; i < 10; ++i)
                g.w.Money_Click();
            QCOMPARE(g.p.prompts(), r.prompts);
            for (int i = 0; i < g.p.boxes.size(); ++i)
                QCOMPARE(g.p.boxes[i].title + QString::number(g.p.boxes[i].style),
                         "What!!???" + QString::number(r.styles[i]));
            QCOMPARE(stateOf(g.w), before);
            QCOMPARE(g.w.Steps.MoneyClicks, quint8(0));
        }
    }

    void everyTenthMoneyClickOpensChain()
    {
        Game g;
        QList<qsizetype> boxesAfter;
        for (int i = 1; i <= 20; ++i) {
            g.w.Money_Click();
            boxesAfter << g.p.boxes.size();
        }
        QCOMPARE(boxesAfter.indexOf(1), 9);
        QCOMPARE(boxesAfter.indexOf(2), 19);
        for (int i = 0; i < 9; ++i)
            g.w.Money_Click();
        g.w.Controller_Click(); // clears the count
        g.w.Money_Click();
        QCOMPARE(g.p.boxes.size(), 3); // only the "greedy" refusal
    }

    void aboutBoxAndSecretButton()
    {
        Game g;
        for (int time = 1; time <= 2; ++time) { // also when the cheat is already on
            g.w.Money_Click();
            clickAll(g.w, Cheat);
            QCOMPARE(g.p.boxes.size(), time);
            QCOMPARE(g.p.boxes.last().title + QString::number(g.p.boxes.last().style), QStringLiteral("Copyright64"));
            QVERIFY(g.p.boxes.last().prompt.contains("Facereel") && g.p.boxes.last().prompt.contains("1.00"));
            QCOMPARE(g.w.Cheat, qint16(-1));
            QVERIFY(g.w.Secret->isVisibleTo(&g.w));
            QCOMPARE(countersOf(g.w), QList<int>({0, 0, 0, 0, 0, 0}));
        }
        g.round("10", {3, 0, 1, 2});
        QCOMPARE(g.w.Comment->text(), QStringLiteral("Jackpot!!!"));
        QVERIFY(g.w.Secret->isVisibleTo(&g.w)); // rounds leave the cheat on
        g.w.Steps = {1, 2, 3, 4, 5, 6};
        g.w.Secret_Click();
        QCOMPARE(g.w.Cheat, qint16(0));
        QVERIFY(!g.w.Secret->isVisibleTo(&g.w));
        QCOMPARE(countersOf(g.w), QList<int>({1, 2, 3, 4, 5, 6}));
        g.round("10", {3, 0, 1, 2});
        QCOMPARE(g.w.Comment->text(), QStringLiteral("Tough Luck!"));
    }

    void cheatSwitchedWhileStopping()
    {
        for (const bool on : {true, false}) {
            Game g;
            if (!on)
                clickAll(g.w, Cheat);
            g.spin("10");
            tickFaces(g.w, g.p, {3, 0, 1, 2});
            g.w.Controller_Click();
            on ? clickAll(g.w, Cheat) : g.w.Secret_Click();
            g.w.Timer5_Timer();
            QCOMPARE(g.w.Comment->text(), QString(on ? "Jackpot!!!" : "Tough Luck!"));
        }
    }

    void bonusWhileSpinning()
    {
        Game g;
        g.spin("10");
        clickAll(g.w, Bonus);
        QCOMPARE(g.w.Money->text() + " " + g.w.Controller->text(), QStringLiteral("1090 &Stop"));
        QVERIFY(g.p.boxes.isEmpty());
    }

    void clicksOffTheReelsAreHarmless()
    {
        Game g;
        clickAll(g.w, Cheat.mid(0, 5));
        const QList<int> counters = countersOf(g.w);
        g.w.Output_Click(4);
        g.w.Output_Click(-1);
        QCOMPARE(countersOf(g.w), counters);
        QVERIFY(g.p.boxes.isEmpty());
    }

    void realClicksReachHandlers()
    {
        Game g;
        g.w.show();
        for (int target : Bonus)
            QTest::mouseClick(target == W ? static_cast<QWidget *>(g.w.Winnings) : g.w.Output[target], Qt::LeftButton);
        QCOMPARE(g.w.Money->text(), QStringLiteral("1100"));
        for (int target : Cheat)
            QTest::mouseClick(g.w.Output[target], Qt::LeftButton);
        QTest::mouseClick(g.w.Secret, Qt::LeftButton);
        for (int i = 0; i < 10; ++i)
            QTest::mouseClick(g.w.Money, Qt::LeftButton);
        QCOMPARE(g.p.prompts().size(), 2); // the about box, then the chain's first question
        QCOMPARE(g.w.Cheat, qint16(0));
    }
};

QTEST_MAIN(TestExtras)
#include "tst_extras.moc"
