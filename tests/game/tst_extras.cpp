// The hidden extras through their handlers: the two unlock sequences, the
// message chain, the about box with its cheat, and the bonus.
#include "formstate.h"
#include "scriptedplatform.h"

#include <QTest>

namespace {

constexpr int W = -1; // a click on Winnings in a sequence; 0..3 are the pictures

const QList<int> CheatSequence{1, 3, 3, 3, 1, 2, 1, 0};
const QList<int> BonusSequence{W, W, 1, 1, 3, 1, W};

void clickAll(Form1 &w, const QList<int> &clicks)
{
    for (int target : clicks) {
        if (target == W)
            w.Winnings_Click();
        else
            w.Output_Click(target);
    }
}

const QList<int> Cleared{0, 0, 0, 0, 0, 0};

} // namespace

class TestExtras : public QObject
{
    Q_OBJECT

private slots:
    void sequences_data();
    void sequences();
    void spinClickClearsProgress();
    void chain_data();
    void chain();
    void tenthMoneyClickOpensChain();
    void aboutBoxTurnsCheatOn();
    void cheatLastsAcrossRounds();
    void cheatSwitchedMidSpin_data();
    void cheatSwitchedMidSpin();
    void bonusPays_data();
    void bonusPays();
    void counterPast255IsIgnored();
    void pictureOutsideTheReels();
    void realClicksReachHandlers();
};

void TestExtras::sequences_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<bool>("about");
    QTest::addColumn<bool>("bonus");

    QTest::newRow("cheat") << CheatSequence << true << false;
    QTest::newRow("bonus") << BonusSequence << false << true;
    QTest::newRow("cheat one short") << CheatSequence.mid(0, 7) << false << false;
    QTest::newRow("bonus one short") << BonusSequence.mid(0, 6) << false << false;
    QTest::newRow("cheat ending elsewhere") << CheatSequence.mid(0, 7) + QList<int>{3} << false << false;
    QTest::newRow("bonus with a stray picture") << QList<int>{W, W, 1, 1, 2, 3, 1, W} << false << false;
    QTest::newRow("cheat with a stray winnings") << QList<int>{1, 3, 3, W, 3, 1, 2, 1, 0} << false << false;
    QTest::newRow("cheat, picture 3 once too often") << QList<int>{1, 3, 3, 3, 3, 1, 2, 1, 0} << false << false;
    QTest::newRow("stray clicks") << QList<int>{0, 1, 2, 3, W, 0, 1, 2, 3, W} << false << false;
    QTest::newRow("bonus twice") << BonusSequence + BonusSequence << false << true;
}

void TestExtras::sequences()
{
    QFETCH(QList<int>, clicks);
    QFETCH(bool, about);
    QFETCH(bool, bonus);

    ScriptedPlatform p;
    Form1 w(p);
    clickAll(w, clicks);
    QCOMPARE(w.Cheat == -1, about);
    QCOMPARE(w.Secret->isVisibleTo(&w), about);
    QCOMPARE(p.boxes.size(), about ? 1 : 0);
    QCOMPARE(w.Comment->text(), bonus ? QStringLiteral("You've got it!") : QString());
    if (clicks == BonusSequence + BonusSequence)
        QCOMPARE(w.Money->text(), QStringLiteral("1200")); // a repeat pays again
}

void TestExtras::spinClickClearsProgress()
{
    ScriptedPlatform p;
    Form1 w(p);
    clickAll(w, BonusSequence.mid(0, 6));
    w.Controller_Click(); // refused ("0" bet), but it still clears
    QCOMPARE(countersOf(w), Cleared);
    w.Winnings_Click();
    QCOMPARE(w.Money->text(), QStringLiteral("1000"));

    clickAll(w, CheatSequence.mid(0, 7));
    w.Bet->setText("10");
    w.Controller_Click(); // Spin
    w.Output_Click(0);
    QCOMPARE(w.Cheat, qint16(0));
}

void TestExtras::chain_data()
{
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QStringList>("prompts");
    QTest::addColumn<QList<int>>("styles");

    const QString first = "Do you actually think there's something here?";
    const QString second = "Then do you think the programmer is just plain nuts?";
    QTest::newRow("cancel") << QList<int>{2, 1}
                            << QStringList{first, "Haha! Decipher this easter egg: 6051K437R809. Good luck!"}
                            << QList<int>{35, 64};
    QTest::newRow("yes") << QList<int>{6, 1} << QStringList{first, "No there isn't."} << QList<int>{35, 16};
    QTest::newRow("no, yes") << QList<int>{7, 6, 1}
                             << QStringList{first, second,
                                            "You're quite honest. Here's something: 2586T. Decipher it for yourself"}
                             << QList<int>{35, 36, 64};
    QTest::newRow("no, no") << QList<int>{7, 7, 1}
                            << QStringList{first, second, "Heh! I wish you think you were. Nothing here!"}
                            << QList<int>{35, 36, 16};
    QTest::newRow("closed otherwise") << QList<int>{1} << QStringList{first} << QList<int>{35};
    QTest::newRow("no, then closed otherwise") << QList<int>{7, 1} << QStringList{first, second} << QList<int>{35, 36};
}

void TestExtras::chain()
{
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, prompts);
    QFETCH(QList<int>, styles);

    ScriptedPlatform p;
    Form1 w(p);
    w.Bet->setText("10");
    tickFaces(w, p, {2, 1, 2, 0});
    const QStringList before = stateOf(w);
    p.answers = answers;
    for (int i = 0; i < 10; ++i)
        w.Money_Click();

    QCOMPARE(p.prompts(), prompts);
    for (int i = 0; i < p.boxes.size(); ++i) {
        QCOMPARE(p.boxes[i].title, QStringLiteral("What!!???"));
        QCOMPARE(p.boxes[i].style, styles[i]);
    }
    QCOMPARE(stateOf(w), before);
    QCOMPARE(w.Steps.MoneyClicks, quint8(0));
}

void TestExtras::tenthMoneyClickOpensChain()
{
    ScriptedPlatform p;
    Form1 w(p);
    for (int i = 1; i <= 9; ++i)
        w.Money_Click();
    QVERIFY(p.boxes.isEmpty());
    w.Money_Click();
    QCOMPARE(p.boxes.size(), 1);
    w.Money_Click();
    QCOMPARE(w.Steps.MoneyClicks, quint8(1));
    for (int i = 0; i < 9; ++i)
        w.Money_Click();
    QCOMPARE(p.boxes.size(), 2); // the twentieth opens it again

    // A Spin/Stop click between clears the count.
    p.boxes.clear();
    for (int i = 0; i < 9; ++i)
        w.Money_Click();
    w.Controller_Click();
    w.Money_Click();
    QCOMPARE(p.prompts(), QStringList{"Bet something greedy!"});
}

void TestExtras::aboutBoxTurnsCheatOn()
{
    ScriptedPlatform p;
    Form1 w(p);
    for (int round = 0; round < 2; ++round) { // also when the cheat is already on
        w.Money_Click();
        clickAll(w, CheatSequence);
        QCOMPARE(p.boxes.size(), round + 1);
        const ShownBox &box = p.boxes.last();
        QCOMPARE(box.title, QStringLiteral("Copyright"));
        QCOMPARE(box.style, 64);
        QVERIFY(box.prompt.contains("Facereel"));
        QVERIFY(box.prompt.contains("1.00"));
        QCOMPARE(w.Cheat, qint16(-1));
        QVERIFY(w.Secret->isVisibleTo(&w));
        QCOMPARE(countersOf(w), Cleared);
    }
    w.Steps = {1, 2, 3, 4, 5, 6};
    w.Secret_Click();
    QCOMPARE(w.Cheat, qint16(0));
    QVERIFY(!w.Secret->isVisibleTo(&w));
    QCOMPARE(countersOf(w), QList<int>({1, 2, 3, 4, 5, 6}));
}

void TestExtras::cheatLastsAcrossRounds()
{
    ScriptedPlatform p;
    Form1 w(p);
    clickAll(w, CheatSequence);
    w.Bet->setText("10");
    for (const QString money : {"1490", "1980"}) {
        w.Controller_Click();
        tickFaces(w, p, {3, 0, 1, 2});
        w.Controller_Click();
        w.Timer5_Timer();
        QCOMPARE(w.Comment->text(), QStringLiteral("Jackpot!!!"));
        QCOMPARE(w.Money->text(), money);
        QVERIFY(w.Secret->isVisibleTo(&w));
    }
    w.Secret_Click();
    w.Controller_Click();
    tickFaces(w, p, {3, 0, 1, 2});
    w.Controller_Click();
    w.Timer5_Timer();
    QCOMPARE(w.Comment->text(), QStringLiteral("Tough Luck!"));
}

void TestExtras::cheatSwitchedMidSpin_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<QString>("comment");
    QTest::newRow("switched on while stopping") << true << "Jackpot!!!";
    QTest::newRow("switched off while stopping") << false << "Tough Luck!";
}

void TestExtras::cheatSwitchedMidSpin()
{
    QFETCH(bool, on);
    QFETCH(QString, comment);
    ScriptedPlatform p;
    Form1 w(p);
    if (!on)
        clickAll(w, CheatSequence);
    w.Bet->setText("10");
    w.Controller_Click();
    tickFaces(w, p, {3, 0, 1, 2});
    w.Controller_Click();
    if (on)
        clickAll(w, CheatSequence);
    else
        w.Secret_Click();
    w.Timer5_Timer();
    QCOMPARE(w.Comment->text(), comment);
}

void TestExtras::bonusPays_data()
{
    QTest::addColumn<bool>("spinning");
    QTest::addColumn<QString>("money");
    QTest::newRow("idle") << false << "1100";
    QTest::newRow("while the reels spin") << true << "1090";
}

void TestExtras::bonusPays()
{
    QFETCH(bool, spinning);
    QFETCH(QString, money);
    ScriptedPlatform p;
    Form1 w(p);
    w.Bet->setText("10");
    if (spinning)
        w.Controller_Click();
    clickAll(w, BonusSequence.mid(0, 6));
    w.Steps.MoneyClicks = 7;
    w.Winnings_Click();
    QCOMPARE(w.Comment->text(), QStringLiteral("You've got it!"));
    QCOMPARE(w.Winnings->text(), QStringLiteral("100"));
    QCOMPARE(w.Money->text(), money);
    QCOMPARE(w.Steps.MoneyClicks, quint8(7)); // the partial reset leaves it
    QCOMPARE(QList<int>(countersOf(w).mid(0, 4)), QList<int>({0, 0, 0, 0}));
    QCOMPARE(w.Controller->text(), QString(spinning ? "&Stop" : "&Spin"));
    QVERIFY(p.boxes.isEmpty());
}

void TestExtras::counterPast255IsIgnored()
{
    ScriptedPlatform p;
    Form1 w(p);
    for (int i = 0; i < 300; ++i)
        w.Winnings_Click();
    QCOMPARE(w.Steps.WinningsStep, quint8(255));
    w.Output_Click(1);
    for (int i = 0; i < 300; ++i)
        w.Output_Click(3);
    QCOMPARE(w.Steps.Reel3Step, quint8(255));
    QVERIFY(p.boxes.isEmpty());
    QCOMPARE(w.Cheat, qint16(0));
}

void TestExtras::pictureOutsideTheReels()
{
    ScriptedPlatform p;
    Form1 w(p);
    w.Steps = {1, 2, 3, 4, 5, 6};
    const QStringList before = stateOf(w);
    w.Output_Click(4);
    w.Output_Click(-1);
    QCOMPARE(countersOf(w), QList<int>({1, 2, 3, 4, 5, 6}));
    QCOMPARE(stateOf(w), before);
}

void TestExtras::realClicksReachHandlers()
{
    ScriptedPlatform p;
    Form1 w(p);
    w.show();
    for (int target : BonusSequence)
        QTest::mouseClick(target == W ? static_cast<QWidget *>(w.Winnings) : w.Output[target], Qt::LeftButton);
    QCOMPARE(w.Money->text(), QStringLiteral("1100"));
    for (int target : CheatSequence)
        QTest::mouseClick(w.Output[target], Qt::LeftButton);
    QCOMPARE(w.Cheat, qint16(-1));
    QTest::mouseClick(w.Secret, Qt::LeftButton);
    QCOMPARE(w.Cheat, qint16(0));
    for (int i = 0; i < 10; ++i)
        QTest::mouseClick(w.Money, Qt::LeftButton);
    QCOMPARE(p.boxes.size(), 2); // the about box, then the chain's first question
}

QTEST_MAIN(TestExtras)
#include "tst_extras.moc"
