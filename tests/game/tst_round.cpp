// A whole round from the tests' side: scripted draws and boxes, timers fired
// directly, and one round on the real timers.
#include "formstate.h"

#include <QTest>

#include <limits>

using Faces = std::array<int, 4>;

class TestRound : public QObject
{
    Q_OBJECT

private slots:
    void drawsBecomeFaces()
    {
        const float nan = std::numeric_limits<float>::quiet_NaN(), belowOne = std::nextafter(1.0F, 0.0F);
        // A broken source (1, negative, NaN) never puts a face off the strip.
        const std::pair<float, int> rows[] = {{0.0F, 0},     {0.2499999F, 0}, {0.25F, 1}, {0.5F, 2}, {0.75F, 3},
                                              {belowOne, 3}, {1.0F, 0},       {-0.5F, 0}, {nan, 0}};
        for (const auto &[u, face] : rows) {
            Game g;
            g.p.draws = {u};
            g.w.Timer3_Timer();
            QCOMPARE(g.w.Output[2]->tag(), QString::number(face));
            QCOMPARE(g.w.Output[2]->picture().cacheKey(), g.w.Images.picture(face + 1).cacheKey());
        }
    }

    void tickTouchesOnlyItsReel()
    {
        Game g;
        g.spin("10");
        tickFaces(g.w, g.p, {1, 1, 1, 1});
        void (Form1::*ticks[])() = {&Form1::Timer1_Timer, &Form1::Timer2_Timer, &Form1::Timer3_Timer,
                                    &Form1::Timer4_Timer};
        for (int reel = 0; reel < 4; ++reel) {
            QStringList expected = stateOf(g.w);
            expected.replaceInStrings(QStringLiteral("Output(%1)=1").arg(reel),
                                      QStringLiteral("Output(%1)=3").arg(reel));
            g.p.draws = {drawFor(3)};
            (g.w.*ticks[reel])();
            QCOMPARE(stateOf(g.w), expected);
            QCOMPARE(g.w.Output[reel]->accessibleDescription(), QStringLiteral("Face 3"));
            QCOMPARE(g.w.Output[reel]->picture().cacheKey(), g.w.Images.picture(4).cacheKey());
        }
    }

    void payoutsAndTheClosedRound()
    {
        struct Row {
            QString bet;
            Faces faces;
            QString comment, money, winnings;
        };
        const Row rows[] = {
            {"10", {0, 0, 0, 0}, "Jackpot!!!", "1490", "500"},
            {"10", {2, 2, 2, 2}, "Four Heads!!", "1240", "250"},
            {"10", {1, 1, 3, 1}, "Triple Strike!", "1090", "100"},
            {"10", {3, 0, 3, 0}, "Double Double!!", "1240", "250"},
            {"10", {3, 1, 2, 1}, "Double", "1040", "50"},
            {"10", {2, 0, 1, 1}, "Double!", "1040", "50"},
            {"10", {3, 0, 1, 2}, "Tough Luck!", "990", "0"},
            {"2.5", {2, 0, 1, 1}, "Double!", "1010", "12.5"},
        };
        for (const Row &r : rows) {
            Game g;
            g.round(r.bet, r.faces);
            QStringList tags;
            for (int face : r.faces)
                tags << QString::number(face);
            QCOMPARE(stateOf(g.w),
                     QStringList({"Money=" + r.money, "Bet=" + r.bet, "Winnings=" + r.winnings, "Comment=" + r.comment,
                                  "Controller=&Spin", "enabled=1", "locked=0", "Secret=0", "Timer1=0", "Timer2=0",
                                  "Timer3=0", "Timer4=0", "Timer5=0", "Output(0)=" + tags[0], "Output(1)=" + tags[1],
                                  "Output(2)=" + tags[2], "Output(3)=" + tags[3]}));
            QVERIFY(g.p.boxes.isEmpty());
        }
        Game g; // the next round's Stop starts a fresh wait
        g.round("10", {3, 0, 1, 2});
        g.spin("10");
        g.w.Controller_Click();
        QVERIFY(g.w.Timer5->isActive());
    }

    void cheatForcesJackpot()
    {
        for (const qint16 cheat : {qint16(-1), qint16(0), qint16(1)}) {
            Game g;
            g.w.Cheat = cheat;
            g.round("10", {3, 0, 1, 2});
            const bool on = cheat == -1; // only -1 is on
            QCOMPARE(g.w.Comment->text(), QString(on ? "Jackpot!!!" : "Tough Luck!"));
            for (const ReelPicture *reel : g.w.Output) {
                QCOMPARE(reel->tag() == u"0", on || reel == g.w.Output[1]);
                QCOMPARE(reel->picture().cacheKey() == g.w.Images.picture(1).cacheKey(), reel->tag() == u"0");
            }
        }
    }

    void bonusTakenMidRoundStays()
    {
        Game g;
        g.spin("10");
        g.w.Money->setText("1090"); // as the bonus leaves it
        g.stop({2, 0, 1, 1});
        QCOMPARE(g.w.Money->text(), QStringLiteral("1140"));
    }

    void winTooBigToPayLosesNothing()
    {
        Game g;
        g.w.Money->setText("1E+306");
        g.spin("1E+305");
        g.w.Money->setText("1.797E+308"); // only astronomic money gets here
        g.stop({0, 0, 0, 0});
        QCOMPARE(g.w.Money->text(), QStringLiteral("1.797E+308"));
        QCOMPARE(g.w.Winnings->text(), QStringLiteral("0"));
        QCOMPARE(g.p.prompts(), QStringList{"That win is too big to pay out. Your money stays as it was."});
        QCOMPARE(stateOf(g.w).mid(4, 9).join(' '),
                 QStringLiteral("Controller=&Spin enabled=1 locked=0 Secret=0 Timer1=0 Timer2=0 Timer3=0 Timer4=0 "
                                "Timer5=0"));
    }

    void bankruptcy()
    {
        struct Row {
            QString bet;
            Faces faces;
            int answer;
            bool asked;
            QString money;
            int ended;
        };
        const Row rows[] = {
            {"1000", {3, 0, 1, 2}, msgbox::Yes, true, "1000", 0},
            {"1000", {3, 0, 1, 2}, msgbox::No, true, "0", 1},
            {"1000", {1, 1, 2, 3}, msgbox::Yes, false, "5000", 0},
            {"999.5", {3, 0, 1, 2}, msgbox::Yes, false, "0.5", 0}, // not exactly "0"
        };
        for (const Row &r : rows) {
            Game g;
            g.p.answers = {r.answer};
            g.round(r.bet, r.faces);
            QCOMPARE(g.p.boxes.size(), r.asked ? 1 : 0);
            if (r.asked) {
                QCOMPARE(g.p.boxes[0].prompt, QStringLiteral("You are out of money. Reset the game?"));
                QCOMPARE(g.p.boxes[0].title, QStringLiteral("Bankrupt"));
                QCOMPARE(g.p.boxes[0].style, 36);
                QCOMPARE(g.w.Comment->text() + g.w.Winnings->text(), QStringLiteral("Tough Luck!0"));
            }
            QCOMPARE(g.w.Money->text(), r.money);
            QCOMPARE(g.p.ended, r.ended);
            QCOMPARE(stateOf(g.w).filter("=1").filter("Timer"), QStringList());
        }
    }

    void realTimersEndTheRound()
    {
        Game g;
        g.w.show();
        g.w.Bet->setText("10");
        QTest::mouseClick(g.w.Controller, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!g.w.Output[3]->tag().isEmpty(), 2000); // the reels flicker
        QTest::mouseClick(g.w.Controller, Qt::LeftButton);
        QVERIFY(!g.w.Controller->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(g.w.Controller->text(), QStringLiteral("&Spin"), 5000);
        QCOMPARE(g.w.Comment->text() + " " + g.w.Money->text(), QStringLiteral("Jackpot!!! 1490")); // draws are 0
    }
};

QTEST_MAIN(TestRound)
#include "tst_round.moc"
