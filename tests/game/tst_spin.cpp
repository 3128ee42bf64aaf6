// The Spin/Stop button: the refusals, the debit and the Stop path.
#include "formstate.h"
#include "scriptedplatform.h"

#include <QTest>

namespace {

const amounts::NumberFormat Dot{u'.', u','};
const amounts::NumberFormat Comma{u',', u'.'};

void dirtyCounters(Form1 &w)
{
    w.Steps = {1, 2, 3, 4, 5, 6};
}

} // namespace

Q_DECLARE_METATYPE(amounts::NumberFormat)

class TestSpin : public QObject
{
    Q_OBJECT

private slots:
    void refusals_data();
    void refusals();
    void accepted_data();
    void accepted();
    void stopPath();
    void captionComparedExactly();
    void moneyReadsBackUnderCommaDecimals();
};

void TestSpin::refusals_data()
{
    QTest::addColumn<amounts::NumberFormat>("format");
    QTest::addColumn<QString>("money");
    QTest::addColumn<QString>("bet");
    QTest::addColumn<QString>("prompt");

    const QString number = "Enter a number for your bet.";
    const QString funds = "You don't have enough money.";
    const QString greedy = "Bet something greedy!";
    const QString tooBig = "That bet is too big to pay out.";
    QTest::newRow("initial zero") << Dot << "1000"
                                  << "0" << greedy;
    QTest::newRow("empty") << Dot << "1000"
                           << "" << number;
    QTest::newRow("blanks") << Dot << "1000"
                            << "   " << number;
    QTest::newRow("letters") << Dot << "1000"
                             << "ten" << number;
    QTest::newRow("trailing junk") << Dot << "1000"
                                   << "10$" << number;
    QTest::newRow("over the money") << Dot << "1000"
                                    << "1001" << funds;
    QTest::newRow("a hair over") << Dot << "999.5"
                                 << "999.51" << funds;
    QTest::newRow("negative mints nothing") << Dot << "1000"
                                            << "-5" << greedy;
    QTest::newRow("large negative") << Dot << "1000"
                                    << "-5000" << greedy;
    QTest::newRow("negative zero") << Dot << "1000"
                                   << "-0" << greedy;
    QTest::newRow("zero written long") << Dot << "1000"
                                       << "0.000E+5" << greedy;
    QTest::newRow("out of range") << Dot << "1000"
                                  << "1E400" << number;
    QTest::newRow("comma slip under dot format") << Dot << "1000"
                                                 << "0,5" << number;
    QTest::newRow("dot under comma format") << Comma << "1000"
                                            << "0.5" << number;
    QTest::newRow("jackpot would overflow") << Dot << "1E+308"
                                            << "1E+307" << tooBig;
    QTest::newRow("money zero") << Dot << "0"
                                << "1" << funds;
}

void TestSpin::refusals()
{
    QFETCH(amounts::NumberFormat, format);
    QFETCH(QString, money);
    QFETCH(QString, bet);
    QFETCH(QString, prompt);

    ScriptedPlatform platform(format);
    Form1 w(platform);
    w.Money->setText(money);
    w.Bet->setText(bet);
    w.Comment->setText("Double!");
    w.Winnings->setText("50");
    dirtyCounters(w);
    const QStringList before = stateOf(w);

    w.Controller_Click();

    QCOMPARE(platform.boxes.size(), 1);
    QCOMPARE(platform.boxes[0].prompt, prompt);
    QCOMPARE(platform.boxes[0].title, QStringLiteral("Stop!"));
    QCOMPARE(platform.boxes[0].style, 0); // OK only, no icon
    QCOMPARE(stateOf(w), before);
    QCOMPARE(countersOf(w), QList<int>({0, 0, 0, 0, 0, 0}));
}

void TestSpin::accepted_data()
{
    QTest::addColumn<amounts::NumberFormat>("format");
    QTest::addColumn<QString>("money");
    QTest::addColumn<QString>("bet");
    QTest::addColumn<QString>("left");

    QTest::newRow("ten") << Dot << "1000"
                         << "10"
                         << "990";
    QTest::newRow("all the money") << Dot << "1000"
                                   << "1000"
                                   << "0";
    QTest::newRow("a half") << Dot << "1000"
                            << "0.5"
                            << "999.5";
    QTest::newRow("blanks around") << Dot << " 1000"
                                   << "  10\t"
                                   << "990";
    QTest::newRow("exponent") << Dot << "1000"
                              << "1E2"
                              << "900";
    QTest::newRow("D exponent") << Dot << "1000"
                                << "2.5d1"
                                << "975";
    QTest::newRow("grouped bet taken whole") << Dot << "1000"
                                             << "1,000"
                                             << "0";
    QTest::newRow("comma decimal half") << Comma << "1000"
                                        << "0,5"
                                        << "999,5";
    QTest::newRow("comma decimal money") << Comma << "999,5"
                                         << "999,5"
                                         << "0";
    QTest::newRow("tiny fraction") << Dot << "1000"
                                   << "0.001"
                                   << "999.999";
    QTest::newRow("huge but payable") << Dot << "1E+300"
                                      << "1E+299"
                                      << "9E+299";
}

void TestSpin::accepted()
{
    QFETCH(amounts::NumberFormat, format);
    QFETCH(QString, money);
    QFETCH(QString, bet);
    QFETCH(QString, left);

    ScriptedPlatform platform(format);
    Form1 w(platform);
    w.Money->setText(money);
    w.Bet->setText(bet);
    w.Comment->setText("Tough Luck!");
    dirtyCounters(w);

    w.Controller_Click();

    QVERIFY2(platform.boxes.isEmpty(), qPrintable(platform.prompts().join('|')));
    QCOMPARE(w.Money->text(), left);
    QCOMPARE(w.Bet->text(), bet);
    QCOMPARE(w.Comment->text(), QString());
    QCOMPARE(w.Winnings->text(), QStringLiteral("0"));
    QCOMPARE(w.Controller->text(), QStringLiteral("&Stop"));
    QVERIFY(w.Controller->isEnabled());
    QVERIFY(w.Bet->isReadOnly());
    for (QTimer *t : {w.Timer1, w.Timer2, w.Timer3, w.Timer4})
        QVERIFY(t->isActive());
    QVERIFY(!w.Timer5->isActive());
    QCOMPARE(countersOf(w), QList<int>({0, 0, 0, 0, 0, 0}));
}

void TestSpin::stopPath()
{
    ScriptedPlatform platform;
    Form1 w(platform);
    w.Bet->setText("10");
    w.Controller_Click();
    const QStringList spinning = stateOf(w);
    dirtyCounters(w);

    w.Controller_Click();

    QVERIFY(platform.boxes.isEmpty());
    QVERIFY(!w.Controller->isEnabled());
    QVERIFY(w.Timer5->isActive());
    QCOMPARE(w.Money->text(), QStringLiteral("990"));
    QCOMPARE(w.Controller->text(), QStringLiteral("&Stop"));
    QVERIFY(w.Bet->isReadOnly());
    QCOMPARE(countersOf(w), QList<int>({0, 0, 0, 0, 0, 0}));
    QCOMPARE(stateOf(w).filter("Timer1"), spinning.filter("Timer1")); // the reels go on
}

void TestSpin::captionComparedExactly()
{
    // Only the exact caption spins; anything else is a Stop.
    ScriptedPlatform platform;
    Form1 w(platform);
    w.Bet->setText("10");
    w.Controller->setText("&spin");
    w.Controller_Click();
    QCOMPARE(w.Money->text(), QStringLiteral("1000"));
    QVERIFY(w.Timer5->isActive());
}

void TestSpin::moneyReadsBackUnderCommaDecimals()
{
    // Two half bets under ',' decimals: 999,5 must come back as 999.5, not 999.
    ScriptedPlatform platform(Comma);
    Form1 w(platform);
    w.Bet->setText("0,5");
    w.Controller_Click();
    QCOMPARE(w.Money->text(), QStringLiteral("999,5"));
    tickFaces(w, platform, {0, 1, 2, 3}); // "Tough Luck!": nothing paid
    w.Controller_Click();
    w.Timer5_Timer();
    w.Controller_Click();
    QCOMPARE(w.Money->text(), QStringLiteral("999"));
}

QTEST_MAIN(TestSpin)
#include "tst_spin.moc"
