// Long play through the real handlers against an independent ledger, in both
// decimal formats: random bets (fractions, 17 digits, groups, exponents, the
// whole money, refusals) with the bonus, the cheat, the message chain and
// bankruptcies mixed in; the money text equals the ledger's after every step.
// FACEREEL_SOAK_ROUNDS sets the rounds per format. The astronomic cases bet
// the whole money with the cheat on until past 1e300.
#include "formstate.h"
#include "ledger.h"

#include <QTest>

#include <random>

using amounts::NumberFormat;
Q_DECLARE_METATYPE(amounts::NumberFormat)
using Bet = std::pair<QString, std::optional<double>>; // nothing: not a number

namespace {

const QString TooBig = QStringLiteral("That bet is too big to pay out.");

void clickAll(Form1 &w, const QList<int> &targets) // -1: Winnings, 0..3: the pictures
{
    for (int t : targets)
        t < 0 ? w.Winnings_Click() : w.Output_Click(t);
}
const QList<int> CheatOn{1, 3, 3, 3, 1, 2, 1, 0}, Bonus{-1, -1, 1, 1, 3, 1, -1};

// The money and winnings texts equal the ledger's.
#define AGREES(g, l, at)                                                                                               \
    QVERIFY2(g.w.Money->text() == l.moneyText() && g.w.Winnings->text() == l.winnings,                                 \
             qPrintable(at + " | ledger " + l.moneyText() + " " + l.winnings + " | " + stateOf(g.w).join(' ')))

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void soak_data();
    void soak();
    void wholeMoneyPastTheLimit();
    void nearTheLimit_data();
    void nearTheLimit();
};

void TestSoak::soak_data()
{
    QTest::addColumn<NumberFormat>("format");
    QTest::newRow("decimal point") << NumberFormat{u'.', u','};
    QTest::newRow("decimal comma") << NumberFormat{u',', u'.'};
}

void TestSoak::soak()
{
    QFETCH(NumberFormat, format);
    const int rounds = qEnvironmentVariable("FACEREEL_SOAK_ROUNDS", "10000").toInt();
    Game g(format);
    Ledger l{format.decimal};
    std::mt19937 random(5 + format.decimal.unicode());
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    bool cheat = false;
    Faces faces{};
    const auto tick = [&] { tickFaces(g.w, g.p, faces = {pick(4), pick(4), pick(4), pick(4)}); };
    // At most one hidden move per phase: Spin and Stop clear the step counters.
    const auto extras = [&](bool inRound) {
        const int r = pick(100);
        if (r < 4)
            clickAll(g.w, Bonus), l.bonus();
        else if ((r < 5 && !cheat) || (r < 10 && cheat))
            cheat ? g.w.Secret_Click() : clickAll(g.w, CheatOn), cheat = !cheat;
        else if (r < 11) { // the message chain, its boxes answered at random: OK, Cancel, Yes, No
            g.p.answers = {QList{1, 2, 6, 7}[pick(4)], QList{6, 7}[pick(2)]};
            for (int i = 0; i < 10; ++i)
                g.w.Money_Click();
        }
        if (inRound && pick(2) == 0)
            tick();
    };
    int refused = 0, bankruptcies = 0;
    for (int n = 0; n < rounds; ++n) {
        const QString at = QStringLiteral("round %1").arg(n);
        // Past 1e18 the player goes all in on a losing round to take the reset,
        // so the soak stays among amounts with fractions.
        const bool bust = l.money > 1e18;
        if (bust && cheat)
            g.w.Secret_Click(), cheat = false;
        if (!bust)
            extras(false);
        QVERIFY2(g.w.Cheat == (cheat ? -1 : 0), qPrintable(at));
        AGREES(g, l, at + " before the spin");

        const double m = l.money;
        const int k = bust ? 0 : pick(12), whole = 1000 + pick(9'999'000);
        const QString c = QList{QString::number(1 + pick(int(std::clamp(m, 1.0, 1000.0)))), QStringLiteral("2.5E2"),
                                QStringLiteral("%1.%2").arg(pick(500)).arg(pick(100), 2, 10, QChar(u'0')),
                                QString::number(std::uniform_real_distribution<>(0, std::min(m, 500.0))(random), 'g',
                                                17)}[pick(4)]; // seventeen digits: the debit rounds
        const QList<Bet> odd{{"", {}},     {"abc", {}},  {"0", 0.0},
                             {"-5", -5.0}, {" 7 ", 7.0}, {QStringLiteral("1%100").arg(format.group), {}}};
        const Bet bet = k < 3   ? Bet{g.w.Money->text(), m}
                        : k < 4 ? Bet{QLocale(QLocale::English).toString(whole).replace(u',', format.group), whole}
                        : k < 6 ? odd[pick(int(odd.size()))]
                        : k < 7 ? Bet{l.text(m * 2 + 1), Ledger::shown(m * 2 + 1)}
                                : Bet{QString(c).replace(u'.', format.decimal), std::strtod(c.toLatin1(), nullptr)};
        const QString refusal = l.spin(bet.second);
        g.p.boxes.clear();
        g.spin(bet.first);
        AGREES(g, l, at + " after the spin of \"" + bet.first + '"');
        QCOMPARE(g.p.prompts(), refusal.isEmpty() ? QStringList{} : QStringList{refusal});
        QCOMPARE(g.w.Controller->text(), refusal.isEmpty() ? "&Stop" : "&Spin");
        if (!refusal.isEmpty()) {
            QCOMPARE(g.p.boxes[0].title, "Stop!");
            ++refused;
            continue;
        }
        for (int i = pick(3); i >= 0; --i)
            tick();
        bust ? void() : extras(true);
        g.w.Controller_Click(); // Stop
        bust ? tickFaces(g.w, g.p, faces = {0, 1, 2, 3}) : extras(true);

        const bool paid = l.stop(cheat ? Faces{} : faces), bankrupt = paid && l.moneyText() == u"0";
        QStringList expected;
        if (!paid)
            expected << QStringLiteral("That win is too big to pay out. Your money stays as it was.");
        if (bankrupt)
            expected << QStringLiteral("You are out of money. Reset the game?");
        l.money = bankrupt ? 1000 : l.money;
        bankruptcies += bankrupt;
        g.p.boxes.clear();
        g.p.answers = {msgbox::Yes};
        g.w.Timer5_Timer();
        QCOMPARE(g.p.prompts(), expected);
        AGREES(g, l, at + " after the stop");
        QVERIFY2(g.w.Controller->text() == u"&Spin" && g.w.Controller->isEnabled() && !g.w.Bet->isReadOnly(),
                 qPrintable(at));
    }
    qInfo("%d rounds: %d refused, %d bankruptcies", rounds, refused, bankruptcies);
}

void TestSoak::wholeMoneyPastTheLimit()
{
    Game g;
    Ledger l;
    clickAll(g.w, CheatOn);
    g.p.boxes.clear(); // the about box
    for (int n = 0; l.spin(l.money).isEmpty(); ++n) {
        g.round(g.w.Money->text(), {3, 0, 1, 2});
        QVERIFY(l.stop({0, 0, 0, 0}));
        AGREES(g, l, QStringLiteral("round %1").arg(n));
    }
    QVERIFY2(l.money > 1e300, qPrintable(g.w.Money->text()));
    g.w.Bet->setText(g.w.Money->text());
    const QStringList before = stateOf(g.w);
    g.w.Controller_Click();
    QCOMPARE(g.p.prompts(), QStringList{TooBig});
    QCOMPARE(g.p.boxes[0].title + QString::number(g.p.boxes[0].style), "Stop!" + QString::number(msgbox::OkOnly));
    QCOMPARE(stateOf(g.w), before);
    clickAll(g.w, Bonus); // still paid at this size: 100 vanishes in the rounding
    l.bonus();
    AGREES(g, l, QStringLiteral("the bonus"));
}

void TestSoak::nearTheLimit_data()
{
    QTest::addColumn<QStringList>("moneyAndBet");
    // The debit's text rounds up, so the stop reads a little more money than the
    // Spin checked: a jackpot that then no longer fits is refused at the Spin.
    QTest::newRow("debit rounds up") << QStringList{"1.30049318047209E+307", "3.4033547281940837e+306"};
    QTest::newRow("debit rounds up, 2") << QStringList{"1.29801356477425E+307", "3.4038607722140509e+306"};
    QTest::newRow("debit rounds up, 3") << QStringList{"1.2E+308", "1.2197819078822652e+306"};
    QTest::newRow("jackpot just fits") << QStringList{"1E+308", "1.6E+306"};
    QTest::newRow("jackpot just too big") << QStringList{"1E+308", "1.7E+306"};
    QTest::newRow("largest money, tiny bet") << QStringList{"1.79769313486231E+308", "1"};
    QTest::newRow("largest money, all in") << QStringList{"1.79769313486231E+308", "1.79769313486231E+308"};
}

void TestSoak::nearTheLimit()
{
    QFETCH(QStringList, moneyAndBet);
    Game g;
    g.w.Money->setText(moneyAndBet[0]);
    clickAll(g.w, CheatOn);
    g.p.boxes.clear();
    Ledger l{u'.', amounts::amountValue(moneyAndBet[0], {})};
    const bool taken = l.spin(std::strtod(moneyAndBet[1].toLatin1(), nullptr)).isEmpty();
    g.spin(moneyAndBet[1]);
    if (taken)
        g.stop({3, 0, 1, 2});
    // Taken: the jackpot is paid in full without a box; refused: at once.
    QCOMPARE(g.p.prompts(), taken ? QStringList{} : QStringList{TooBig});
    QVERIFY(l.stop({0, 0, 0, 0}));
    AGREES(g, l, QString());
    QCOMPARE(g.w.Controller->text(), "&Spin");
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
