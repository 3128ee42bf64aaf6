// An account of the money kept beside the game, as a careful player would
// keep it: amounts are doubles, and every time the game writes an amount it
// shows it to 15 significant digits, so the ledger rounds there too, with
// Qt's own formatting and strtod rather than the game's conversions.
#pragma once

#include <QChar>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <optional>

class Ledger
{
public:
    explicit Ledger(QChar decimal = u'.')
        : decimal_(decimal)
    {
    }

    double money = 1000;
    QString winnings = QStringLiteral("0");

    // The largest amount with a 15-digit text; beyond it the game refuses.
    static double largest()
    {
        static const double value = std::strtod("1.79769313486231E+308", nullptr);
        return value;
    }
    static bool fits(double value) { return std::fabs(value) <= largest(); }

    // "%.15G" in the player's decimal, rounded half away from zero as Qt does.
    QString text(double value) const
    {
        if (value == 0)
            return QStringLiteral("0");
        QString t = QString::number(value, 'g', 15);
        t.replace(u'e', u'E');
        t.replace(u'.', decimal_);
        return t;
    }
    // What the text of a value reads back as.
    static double shown(double value)
    {
        return value == 0 ? 0.0 : std::strtod(QString::number(value, 'g', 15).toLatin1().constData(), nullptr);
    }
    QString moneyText() const { return text(money); }

    // A Spin with a bet of that value (nothing: not a number). Returns the
    // prompt of the refusal box, or an empty text when the bet is taken.
    QString spin(std::optional<double> bet)
    {
        if (!bet)
            return QStringLiteral("Enter a number for your bet.");
        if (money < *bet)
            return QStringLiteral("You don't have enough money.");
        if (*bet <= 0)
            return QStringLiteral("Bet something greedy!");
        // Whatever the reels show, the largest win must be payable on the
        // money as its text will read, or the bet is not taken at all.
        const double left = money - *bet;
        const double jackpot = *bet * 50;
        if (!fits(left) || !fits(jackpot) || !fits(shown(left) + jackpot))
            return QStringLiteral("That bet is too big to pay out.");
        bet_ = *bet;
        money = shown(left);
        winnings = QStringLiteral("0");
        return {};
    }

    void bonus()
    {
        money = shown(money + 100);
        winnings = QStringLiteral("100");
    }

    // The stop: pays the faces' multiple of the bet. Returns false when the
    // win could not be paid (money and winnings then stay).
    bool stop(std::array<int, 4> faces)
    {
        const int factor = factorOf(faces);
        if (factor == 0)
            return true;
        const double won = bet_ * factor;
        if (!fits(won) || !fits(money + won))
            return false;
        money = shown(money + won);
        winnings = text(won);
        return true;
    }

    // Out of money and a Yes to the reset.
    bool bankrupt() const { return moneyText() == u"0"; }
    void reset() { money = 1000; }

    // Counted, not walked through reel by reel: the largest group of equal
    // faces and whether a second pair stands beside it.
    static int factorOf(std::array<int, 4> faces)
    {
        std::array<int, 4> count{};
        for (int f : faces)
            ++count.at(static_cast<std::size_t>(f));
        std::sort(count.begin(), count.end(), std::greater<>());
        if (count[0] == 4)
            return faces[0] == 0 ? 50 : 25;
        if (count[0] == 3)
            return 10;
        if (count[0] == 2)
            return count[1] == 2 ? 25 : 5;
        return 0;
    }

    static QString commentOf(std::array<int, 4> faces)
    {
        switch (factorOf(faces)) {
        case 50: return QStringLiteral("Jackpot!!!");
        case 25:
            return std::count(faces.begin(), faces.end(), faces[0]) == 4 ? QStringLiteral("Four Heads!!")
                                                                         : QStringLiteral("Double Double!!");
        case 10: return QStringLiteral("Triple Strike!");
        case 5: return faces[1] == faces[3] ? QStringLiteral("Double") : QStringLiteral("Double!");
        default: return QStringLiteral("Tough Luck!");
        }
    }

private:
    QChar decimal_;
    double bet_ = 0;
};
