// Astronomic amounts: with the cheat on, the whole money is bet round after
// round until it passes 1e300. The game never fails, refuses with its box
// what it could not pay, and loses nothing on the way.
#include "formstate.h"
#include "ledger.h"
#include "scriptedplatform.h"

#include <QTest>

namespace {

const QList<int> CheatSequence{1, 3, 3, 3, 1, 2, 1, 0};
const QString TooBig = QStringLiteral("That bet is too big to pay out.");

void cheatOn(Form1 &w)
{
    for (int picture : CheatSequence)
        w.Output_Click(picture);
}

// One round with the given bet text; true when the Spin took it.
bool play(Form1 &w, ScriptedPlatform &p, const QString &bet, std::array<int, 4> faces)
{
    w.Bet->setText(bet);
    w.Controller_Click();
    if (w.Controller->text() != u"&Stop")
        return false;
    tickFaces(w, p, faces);
    w.Controller_Click();
    w.Timer5_Timer();
    return true;
}

} // namespace

class TestAstronomic : public QObject
{
    Q_OBJECT

private slots:
    void wholeMoneyPastTheLimit();
    void nothingLostNearTheLimit_data();
    void nothingLostNearTheLimit();
};

void TestAstronomic::wholeMoneyPastTheLimit()
{
    ScriptedPlatform p;
    Form1 w(p);
    Ledger ledger;
    cheatOn(w);
    QCOMPARE(w.Cheat, qint16(-1));
    p.boxes.clear(); // the about box

    int rounds = 0;
    double highest = 0;
    for (;;) {
        const QString before = w.Money->text();
        const QString refusal = ledger.spin(ledger.money);
        if (!play(w, p, before, {3, 0, 1, 2}))
            break;
        QVERIFY2(refusal.isEmpty(), qPrintable(QStringLiteral("round %1 should be refused").arg(rounds)));
        QVERIFY(ledger.stop({0, 0, 0, 0}));
        ++rounds;
        QCOMPARE(w.Comment->text(), QStringLiteral("Jackpot!!!"));
        QCOMPARE(w.Money->text(), ledger.moneyText());
        QCOMPARE(w.Winnings->text(), ledger.winnings);
        QVERIFY2(p.boxes.isEmpty(), qPrintable(p.prompts().join(" / ")));
        QVERIFY2(ledger.money > amounts::amountValue(before, {}), "a jackpot on the whole money always gains");
        highest = ledger.money;
    }
    qInfo("%d rounds, money %s", rounds, qPrintable(w.Money->text()));
    QVERIFY2(highest > 1e300, qPrintable(w.Money->text()));

    // The refusal: one clear box, and nothing else changed.
    const QStringList refusedAt = stateOf(w);
    QCOMPARE(p.prompts(), QStringList{TooBig});
    QCOMPARE(p.boxes[0].title, QStringLiteral("Stop!"));
    QCOMPARE(p.boxes[0].style, msgbox::OkOnly);
    QCOMPARE(w.Bet->text(), w.Money->text());

    // Half of it cannot be paid either; a bet whose jackpot fits is paid in full.
    p.boxes.clear();
    QVERIFY(!play(w, p, ledger.text(ledger.money / 2), {0, 0, 0, 0}));
    QCOMPARE(p.prompts(), QStringList{TooBig});
    QCOMPARE(w.Money->text(), ledger.moneyText());
    QCOMPARE(stateOf(w).mid(2), refusedAt.mid(2)); // all but money and bet, checked apart
    const double payable = (Ledger::largest() - ledger.money) / 60;
    QVERIFY(ledger.spin(Ledger::shown(payable)).isEmpty());
    QVERIFY(play(w, p, ledger.text(payable), {0, 0, 0, 0}));
    QVERIFY(ledger.stop({0, 0, 0, 0}));
    QCOMPARE(w.Money->text(), ledger.moneyText());
    QCOMPARE(p.boxes.size(), 1);

    // The bonus still pays at this size: 100 vanishes in the rounding.
    for (int target : {-1, -1, 1, 1, 3, 1, -1})
        target < 0 ? w.Winnings_Click() : w.Output_Click(target);
    ledger.bonus();
    QCOMPARE(w.Comment->text(), QStringLiteral("You've got it!"));
    QCOMPARE(w.Money->text(), ledger.moneyText());
    QCOMPARE(p.boxes.size(), 1);
}

void TestAstronomic::nothingLostNearTheLimit_data()
{
    QTest::addColumn<QString>("money");
    QTest::addColumn<QString>("lose"); // a bet lost first, with the cheat off
    QTest::addColumn<QString>("bet");

    // The debit's text rounds up, so the money the stop reads is a little
    // more than the money the Spin checked: the jackpot on top must still fit.
    QTest::newRow("debit rounds up, first") << "1.30049318047209E+307"
                                            << ""
                                            << "3.4033547281940837e+306";
    QTest::newRow("debit rounds up, second") << "1.29801356477425E+307"
                                             << ""
                                             << "3.4038607722140509e+306";
    QTest::newRow("debit rounds up, larger money") << "1.2E+308"
                                                   << ""
                                                   << "1.2197819078822652e+306";
    QTest::newRow("jackpot just fits") << "1E+308"
                                       << ""
                                       << "1.6E+306";
    QTest::newRow("jackpot just too big") << "1E+308"
                                          << ""
                                          << "1.7E+306";
    QTest::newRow("largest money, tiny bet") << "1.79769313486231E+308"
                                             << ""
                                             << "1";
    QTest::newRow("largest money, all in") << "1.79769313486231E+308"
                                           << ""
                                           << "1.79769313486231E+308";
    // Where 179 whole-money jackpots from 1000 end, and one lost bet from there.
    QTest::newRow("reached by play") << "1.30506089359969E+307"
                                     << "4.5677131276E+304"
                                     << "3.4033547281940837e+306";
}

void TestAstronomic::nothingLostNearTheLimit()
{
    QFETCH(QString, money);
    QFETCH(QString, lose);
    QFETCH(QString, bet);

    ScriptedPlatform p;
    Form1 w(p);
    w.Money->setText(money);
    if (!lose.isEmpty())
        QVERIFY(play(w, p, lose, {3, 0, 1, 2}));
    cheatOn(w);
    p.boxes.clear();
    const QString start = w.Money->text();
    const double before = amounts::amountValue(start, {});

    if (play(w, p, bet, {3, 0, 1, 2})) {
        // Taken: the jackpot is paid in full, without a box.
        QVERIFY2(p.boxes.isEmpty(), qPrintable(p.prompts().join(" / ")));
        QCOMPARE(w.Comment->text(), QStringLiteral("Jackpot!!!"));
        Ledger ledger;
        ledger.money = before;
        QVERIFY(ledger.spin(amounts::amountValue(bet, {})).isEmpty());
        QVERIFY(ledger.stop({0, 0, 0, 0}));
        QCOMPARE(w.Money->text(), ledger.moneyText());
        QVERIFY(amounts::amountValue(w.Money->text(), {}) >= before);
    } else {
        // Refused at once: the money is as it was.
        QCOMPARE(p.prompts(), QStringList{TooBig});
        QCOMPARE(w.Money->text(), start);
    }
    QCOMPARE(w.Controller->text(), QStringLiteral("&Spin"));
    QVERIFY(w.Controller->isEnabled());
}

QTEST_MAIN(TestAstronomic)
#include "tst_astronomic.moc"
