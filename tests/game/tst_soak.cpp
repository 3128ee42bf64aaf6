// Long play through the real handlers against an independent ledger: random
// bets (fractions, long fractions, groups, exponents, the whole money and
// refusals), the bonus, the cheat, the message chain and bankruptcies, with
// the money text compared to the ledger after every step. Timers are fired
// directly. FACEREEL_SOAK_ROUNDS sets the rounds per number format (CTest
// runs the default), FACEREEL_SOAK_SEED another seed.
#include "formstate.h"
#include "ledger.h"
#include "scriptedplatform.h"

#include <QTest>

#include <optional>
#include <random>

using amounts::NumberFormat;
Q_DECLARE_METATYPE(amounts::NumberFormat)

namespace {

using Faces = std::array<int, 4>;

constexpr int W = -1; // a click on Winnings in a sequence; 0..3 are the pictures
const QList<int> CheatSequence{1, 3, 3, 3, 1, 2, 1, 0};
const QList<int> BonusSequence{W, W, 1, 1, 3, 1, W};

int fromEnvironment(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

struct Bet {
    QString text;
    std::optional<double> value; // nothing: not a number
};

// One player at the window, keeping the ledger beside it.
struct Player {
    Player(NumberFormat numberFormat, unsigned seed)
        : format(numberFormat)
        , platform(numberFormat)
        , window(platform)
        , ledger(numberFormat.decimal)
        , random(seed)
    {
    }

    NumberFormat format;
    ScriptedPlatform platform;
    Form1 window;
    Ledger ledger;
    std::mt19937 random;
    bool cheat = false;
    Faces faces{};
    QString failure;
    int refused = 0, bonuses = 0, chains = 0, cheats = 0, bankruptcies = 0, wins = 0;

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

    // A number written in C's format, typed in the player's.
    QString typed(QString text) const { return text.replace(u'.', format.decimal); }

    bool fail(const QString &what)
    {
        failure = what + QStringLiteral(" | ledger money %1 | ").arg(ledger.moneyText()) + stateOf(window).join(' ');
        return false;
    }

    bool moneyAgrees(const char *when)
    {
        if (window.Money->text() != ledger.moneyText())
            return fail(QStringLiteral("money differs from the ledger %1").arg(QLatin1String(when)));
        return true;
    }

    // The boxes shown since `from`, as prompts.
    QStringList boxesSince(qsizetype from) const
    {
        QStringList prompts;
        for (qsizetype i = from; i < platform.boxes.size(); ++i)
            prompts << platform.boxes[i].prompt;
        return prompts;
    }

    void clickAll(const QList<int> &clicks)
    {
        for (int target : clicks) {
            if (target == W)
                window.Winnings_Click();
            else
                window.Output_Click(target);
        }
    }

    void tick()
    {
        faces = {pick(4), pick(4), pick(4), pick(4)};
        tickFaces(window, platform, faces);
    }

    // At most one hidden action per phase: each phase starts with the step
    // counters cleared by a Spin/Stop click.
    bool extras(bool inRound)
    {
        const qsizetype before = platform.boxes.size();
        const int r = pick(100);
        if (r < 4) {
            clickAll(BonusSequence);
            ledger.bonus();
            ++bonuses;
            if (window.Comment->text() != u"You've got it!" || window.Winnings->text() != u"100")
                return fail(QStringLiteral("bonus not paid"));
        } else if (r < 5 && !cheat) {
            clickAll(CheatSequence);
            cheat = true;
            ++cheats;
            if (boxesSince(before).size() != 1 || platform.boxes.last().title != u"Copyright")
                return fail(QStringLiteral("no about box"));
        } else if (r < 10 && cheat) {
            window.Secret_Click();
            cheat = false;
        } else if (r < 11) {
            platform.answers = {QList<int>{msgbox::Ok, msgbox::Cancel, msgbox::Yes, msgbox::No}[pick(4)],
                                QList<int>{msgbox::Yes, msgbox::No}[pick(2)]};
            for (int i = 0; i < 10; ++i)
                window.Money_Click();
            platform.answers.clear();
            ++chains;
            const qsizetype shown = platform.boxes.size() - before;
            if (shown < 1 || shown > 3 || platform.boxes.last().title != u"What!!???")
                return fail(QStringLiteral("no message chain"));
        }
        if (window.Cheat != (cheat ? -1 : 0))
            return fail(QStringLiteral("cheat flag"));
        if (inRound && pick(2) == 0)
            tick();
        return moneyAgrees("after the extras");
    }

    Bet chooseBet()
    {
        const double m = ledger.money;
        const auto upTo = [&](double limit) { return 1 + pick(int(std::clamp(limit, 1.0, 1e6))); };
        const auto written = [&](const QString &c) { return Bet{typed(c), std::strtod(c.toLatin1(), nullptr)}; };
        const int k = pick(100);
        if (k < 20)
            return {window.Money->text(), m}; // all in, as the money reads
        if (k < 42)
            return written(QString::number(upTo(std::min(m, 1000.0))));
        if (k < 57)
            return written(QStringLiteral("%1.%2").arg(pick(500)).arg(pick(100), 2, 10, QChar(u'0')));
        if (k < 67) // seventeen digits: the debit rounds
            return written(
                QString::number(std::uniform_real_distribution<double>(0, std::min(m, 500.0))(random), 'g', 17));
        if (k < 72) {
            const int n = 1000 + pick(9'999'000);
            QString grouped = QString::number(n);
            for (qsizetype i = grouped.size() - 3; i > 0; i -= 3)
                grouped.insert(i, format.group);
            return {grouped, double(n)};
        }
        if (k < 75)
            return written(QStringLiteral("2.5E2"));
        if (k < 90) {
            switch (pick(7)) {
            case 0: return {QString(), std::nullopt};
            case 1: return {QStringLiteral("abc"), std::nullopt};
            case 2: return {QStringLiteral("0"), 0.0};
            case 3: return {QStringLiteral("-5"), -5.0};
            case 4: return {QStringLiteral("1") + format.group + QStringLiteral("00"), std::nullopt}; // short group
            case 5: return {ledger.text(m * 2 + 1), Ledger::shown(m * 2 + 1)};
            default: return {QStringLiteral(" 7 "), 7.0};
            }
        }
        return written(QString::number(upTo(10)));
    }

    bool round()
    {
        // Past 1e18 the player goes all in on a losing round and takes the
        // reset, so the soak stays among amounts with fractions.
        const bool bust = ledger.money > 1e18;
        if (bust && cheat) {
            window.Secret_Click();
            cheat = false;
        }
        if (!bust && !extras(false))
            return false;

        const Bet bet = bust ? Bet{window.Money->text(), ledger.money} : chooseBet();
        window.Bet->setText(bet.text);
        const qsizetype before = platform.boxes.size();
        const QString refusal = ledger.spin(bet.value);
        window.Controller_Click();
        if (!refusal.isEmpty()) {
            ++refused;
            if (boxesSince(before) != QStringList{refusal} || platform.boxes.last().title != u"Stop!")
                return fail("bet \"" + bet.text + "\" should be refused: " + refusal);
            if (window.Controller->text() != u"&Spin" || window.Timer1->isActive())
                return fail(QStringLiteral("a refused bet started the reels"));
            return moneyAgrees("after a refused bet");
        }
        if (platform.boxes.size() != before || window.Controller->text() != u"&Stop")
            return fail("bet \"" + bet.text + "\" should be taken");
        if (!moneyAgrees("after the debit"))
            return false;

        for (int i = pick(3); i >= 0; --i)
            tick();
        if (!bust && !extras(true))
            return false;
        window.Controller_Click(); // Stop
        if (!bust && !extras(true))
            return false;
        if (bust)
            tickFaces(window, platform, faces = {0, 1, 2, 3});

        const Faces rest = cheat ? Faces{0, 0, 0, 0} : faces;
        const bool paid = ledger.stop(rest);
        const bool bankrupt = paid && ledger.bankrupt();
        platform.answers = {msgbox::Yes};
        const qsizetype atStop = platform.boxes.size();
        window.Timer5_Timer();
        platform.answers.clear();

        QStringList expected;
        if (!paid)
            expected << QStringLiteral("That win is too big to pay out. Your money stays as it was.");
        if (bankrupt) {
            expected << QStringLiteral("You are out of money. Reset the game?");
            ledger.reset();
            ++bankruptcies;
        }
        wins += Ledger::factorOf(rest) > 0 ? 1 : 0;
        if (boxesSince(atStop) != expected)
            return fail(QStringLiteral("boxes at the stop: ") + boxesSince(atStop).join(" / "));
        if (window.Comment->text() != Ledger::commentOf(rest))
            return fail(QStringLiteral("comment"));
        if (window.Winnings->text() != ledger.winnings)
            return fail(QStringLiteral("winnings differ from the ledger's %1").arg(ledger.winnings));
        if (window.Controller->text() != u"&Spin" || !window.Controller->isEnabled() || window.Bet->isReadOnly())
            return fail(QStringLiteral("round not closed"));
        return moneyAgrees("after the stop");
    }
};

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void soak_data();
    void soak();
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
    const int rounds = fromEnvironment("FACEREEL_SOAK_ROUNDS", 10000);
    const auto seed = static_cast<unsigned>(fromEnvironment("FACEREEL_SOAK_SEED", 5));

    Player player(format, seed + format.decimal.unicode()); // another game per format
    for (int n = 0; n < rounds; ++n)
        QVERIFY2(player.round(), qPrintable(QStringLiteral("round %1, seed %2: ").arg(n).arg(seed) + player.failure));
    qInfo("%d rounds: %d refused, %d won, %d bonuses, %d cheats, %d chains, %d bankruptcies", rounds, player.refused,
          player.wins, player.bonuses, player.cheats, player.chains, player.bankruptcies);
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
