// A whole round from the tests' side: scripted draws and boxes, timers fired
// directly, and one round on the real timers.
#include "formstate.h"
#include "scriptedplatform.h"

#include <QTest>

#include <limits>

using Faces = std::array<int, 4>;
Q_DECLARE_METATYPE(Faces)

namespace {

// Spin with the bet, show the faces, press Stop and fire the stop tick.
void playRound(Form1 &w, ScriptedPlatform &p, const QString &bet, Faces faces)
{
    w.Bet->setText(bet);
    w.Controller_Click();
    tickFaces(w, p, faces);
    w.Controller_Click();
    w.Timer5_Timer();
}

} // namespace

class TestRound : public QObject
{
    Q_OBJECT

private slots:
    void drawsBecomeFaces_data();
    void drawsBecomeFaces();
    void tickTouchesOnlyItsReel();
    void payouts_data();
    void payouts();
    void stopTickClosesRound();
    void cheatForcesJackpot_data();
    void cheatForcesJackpot();
    void bonusDuringRoundStays();
    void winTooBigToPay();
    void bankruptcy_data();
    void bankruptcy();
    void realTimersEndTheRound();
};

void TestRound::drawsBecomeFaces_data()
{
    QTest::addColumn<float>("u");
    QTest::addColumn<int>("face");
    QTest::newRow("zero") << 0.0F << 0;
    QTest::newRow("just under a quarter") << 0.2499999F << 0;
    QTest::newRow("a quarter") << 0.25F << 1;
    QTest::newRow("a half") << 0.5F << 2;
    QTest::newRow("three quarters") << 0.75F << 3;
    QTest::newRow("largest below one") << std::nextafter(1.0F, 0.0F) << 3;
    // A broken source never puts a face off the strip.
    QTest::newRow("one") << 1.0F << 0;
    QTest::newRow("negative") << -0.5F << 0;
    QTest::newRow("nan") << std::numeric_limits<float>::quiet_NaN() << 0;
}

void TestRound::drawsBecomeFaces()
{
    QFETCH(float, u);
    QFETCH(int, face);
    ScriptedPlatform p;
    Form1 w(p);
    p.draws = {u};
    w.Timer3_Timer();
    QCOMPARE(w.Output[2]->tag(), QString::number(face));
    QCOMPARE(w.Output[2]->picture().toImage(), w.Images.picture(face + 1).toImage());
}

void TestRound::tickTouchesOnlyItsReel()
{
    ScriptedPlatform p;
    Form1 w(p);
    w.Bet->setText("10");
    w.Controller_Click();
    tickFaces(w, p, {1, 1, 1, 1});
    void (Form1::*ticks[])() = {&Form1::Timer1_Timer, &Form1::Timer2_Timer, &Form1::Timer3_Timer, &Form1::Timer4_Timer};
    for (int reel = 0; reel < 4; ++reel) {
        QStringList expected = stateOf(w);
        expected.replaceInStrings(QStringLiteral("Output(%1)=1").arg(reel), QStringLiteral("Output(%1)=3").arg(reel));
        p.draws = {drawFor(3)};
        (w.*ticks[reel])();
        QCOMPARE(stateOf(w), expected);
        QCOMPARE(w.Output[reel]->accessibleDescription(), QStringLiteral("Face 3"));
        QCOMPARE(w.Output[reel]->picture().toImage(), w.Images.picture(4).toImage());
    }
}

void TestRound::payouts_data()
{
    QTest::addColumn<QString>("bet");
    QTest::addColumn<Faces>("faces");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QString>("money");
    QTest::addColumn<QString>("winnings");

    QTest::newRow("jackpot") << "10" << Faces{0, 0, 0, 0} << "Jackpot!!!"
                             << "1490"
                             << "500";
    QTest::newRow("four heads") << "10" << Faces{2, 2, 2, 2} << "Four Heads!!"
                                << "1240"
                                << "250";
    QTest::newRow("triple 0-1-3") << "10" << Faces{1, 1, 3, 1} << "Triple Strike!"
                                  << "1090"
                                  << "100";
    QTest::newRow("triple 1-2-3") << "10" << Faces{0, 2, 2, 2} << "Triple Strike!"
                                  << "1090"
                                  << "100";
    QTest::newRow("double double") << "10" << Faces{3, 0, 3, 0} << "Double Double!!"
                                   << "1240"
                                   << "250";
    QTest::newRow("pair on 1 and 3") << "10" << Faces{3, 1, 2, 1} << "Double"
                                     << "1040"
                                     << "50";
    QTest::newRow("pair on 2 and 3") << "10" << Faces{2, 0, 1, 1} << "Double!"
                                     << "1040"
                                     << "50";
    QTest::newRow("tough luck") << "10" << Faces{3, 0, 1, 2} << "Tough Luck!"
                                << "990"
                                << "0";
    QTest::newRow("fractional double") << "2.5" << Faces{2, 0, 1, 1} << "Double!"
                                       << "1010"
                                       << "12.5";
    QTest::newRow("whole money jackpot") << "1000" << Faces{0, 0, 0, 0} << "Jackpot!!!"
                                         << "50000"
                                         << "50000";
}

void TestRound::payouts()
{
    QFETCH(QString, bet);
    QFETCH(Faces, faces);
    QFETCH(QString, comment);
    QFETCH(QString, money);
    QFETCH(QString, winnings);

    ScriptedPlatform p;
    Form1 w(p);
    playRound(w, p, bet, faces);
    QCOMPARE(w.Comment->text(), comment);
    QCOMPARE(w.Money->text(), money);
    QCOMPARE(w.Winnings->text(), winnings);
    QVERIFY(p.boxes.isEmpty());
}

void TestRound::stopTickClosesRound()
{
    ScriptedPlatform p;
    Form1 w(p);
    playRound(w, p, "10", {3, 0, 1, 2});
    QCOMPARE(w.Controller->text(), QStringLiteral("&Spin"));
    QVERIFY(w.Controller->isEnabled());
    QVERIFY(!w.Bet->isReadOnly());
    for (QTimer *t : {w.Timer1, w.Timer2, w.Timer3, w.Timer4, w.Timer5})
        QVERIFY2(!t->isActive(), qPrintable(t->objectName())); // idle: no timer runs

    // The next round's Stop starts a fresh wait.
    w.Controller_Click();
    w.Controller_Click();
    QVERIFY(w.Timer5->isActive());
    QVERIFY(!w.Controller->isEnabled());
}

void TestRound::cheatForcesJackpot_data()
{
    QTest::addColumn<int>("cheat");
    QTest::addColumn<QString>("comment");
    QTest::newRow("on") << -1 << "Jackpot!!!";
    QTest::newRow("off") << 0 << "Tough Luck!";
    QTest::newRow("any other value") << 1 << "Tough Luck!";
}

void TestRound::cheatForcesJackpot()
{
    QFETCH(int, cheat);
    QFETCH(QString, comment);
    ScriptedPlatform p;
    Form1 w(p);
    w.Cheat = static_cast<qint16>(cheat);
    playRound(w, p, "10", {3, 0, 1, 2});
    QCOMPARE(w.Comment->text(), comment);
    if (cheat == -1) {
        for (const ReelPicture *reel : w.Output) {
            QCOMPARE(reel->tag(), QStringLiteral("0"));
            QCOMPARE(reel->picture().toImage(), w.Images.picture(1).toImage());
            QCOMPARE(reel->accessibleDescription(), QStringLiteral("Face 0 (jackpot)"));
        }
        QCOMPARE(w.Money->text(), QStringLiteral("1490"));
    }
}

void TestRound::bonusDuringRoundStays()
{
    // A bonus taken mid-round stays: the stop adds to the money as it then stands.
    ScriptedPlatform p;
    Form1 w(p);
    w.Bet->setText("10");
    w.Controller_Click();
    tickFaces(w, p, {2, 0, 1, 1});
    w.Money->setText("1090"); // as the bonus leaves it
    w.Controller_Click();
    w.Timer5_Timer();
    QCOMPARE(w.Money->text(), QStringLiteral("1140"));
    QCOMPARE(w.Comment->text(), QStringLiteral("Double!"));
}

void TestRound::winTooBigToPay()
{
    // Only astronomic money gets here; nothing is lost and the round still closes.
    ScriptedPlatform p;
    Form1 w(p);
    w.Money->setText("1E+306");
    w.Bet->setText("1E+305");
    w.Controller_Click();
    tickFaces(w, p, {0, 0, 0, 0});
    w.Money->setText("1.797E+308");
    w.Controller_Click();
    w.Timer5_Timer();
    QCOMPARE(w.Money->text(), QStringLiteral("1.797E+308"));
    QCOMPARE(w.Winnings->text(), QStringLiteral("0"));
    QCOMPARE(p.boxes.size(), 1);
    QCOMPARE(p.boxes[0].title, QStringLiteral("Stop!"));
    QVERIFY(p.boxes[0].prompt.contains("too big to pay out"));
    QCOMPARE(w.Controller->text(), QStringLiteral("&Spin"));
    QVERIFY(w.Controller->isEnabled());
    QVERIFY(!w.Bet->isReadOnly());
}

void TestRound::bankruptcy_data()
{
    QTest::addColumn<QString>("bet");
    QTest::addColumn<Faces>("faces");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("money");
    QTest::addColumn<int>("ended");

    QTest::newRow("all lost, yes") << "1000" << Faces{3, 0, 1, 2} << 6 << true << "1000" << 0;
    QTest::newRow("all lost, no") << "1000" << Faces{3, 0, 1, 2} << 7 << true << "0" << 1;
    QTest::newRow("all bet and won") << "1000" << Faces{1, 1, 2, 3} << 6 << false << "5000" << 0;
    QTest::newRow("half a unit left") << "999.5" << Faces{3, 0, 1, 2} << 6 << false << "0.5" << 0;
}

void TestRound::bankruptcy()
{
    QFETCH(QString, bet);
    QFETCH(Faces, faces);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(QString, money);
    QFETCH(int, ended);

    ScriptedPlatform p;
    Form1 w(p);
    p.answers = {answer};
    playRound(w, p, bet, faces);
    QCOMPARE(p.boxes.size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(p.boxes[0].prompt, QStringLiteral("You are out of money. Reset the game?"));
        QCOMPARE(p.boxes[0].title, QStringLiteral("Bankrupt"));
        QCOMPARE(p.boxes[0].style, 36);
        QCOMPARE(w.Comment->text(), QStringLiteral("Tough Luck!"));
        QCOMPARE(w.Winnings->text(), QStringLiteral("0"));
    }
    QCOMPARE(w.Money->text(), money);
    QCOMPARE(p.ended, ended);
    for (QTimer *t : {w.Timer1, w.Timer2, w.Timer3, w.Timer4, w.Timer5})
        QVERIFY(!t->isActive());
}

void TestRound::realTimersEndTheRound()
{
    ScriptedPlatform p;
    Form1 w(p);
    w.show();
    w.Bet->setText("10");
    QTest::mouseClick(w.Controller, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!w.Output[3]->tag().isEmpty(), 2000); // the reels flicker
    QTest::mouseClick(w.Controller, Qt::LeftButton);
    QVERIFY(!w.Controller->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(w.Controller->text(), QStringLiteral("&Spin"), 5000);
    QCOMPARE(w.Comment->text(), QStringLiteral("Jackpot!!!")); // every scripted draw is 0
    QCOMPARE(w.Money->text(), QStringLiteral("1490"));
    QVERIFY(w.Controller->isEnabled());
}

QTEST_MAIN(TestRound)
#include "tst_round.moc"
