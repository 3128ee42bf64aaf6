// The money as a careful player keeps it beside the game: doubles, rounded to
// the 15 significant digits the game shows, with Qt's formatting and strtod
// rather than the game's own conversions.
#pragma once

#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <optional>

using Faces = std::array<int, 4>;

struct Ledger {
    QChar decimal = u'.';
    double money = 1000, bet = 0;
    QString winnings = QStringLiteral("0");

    // The largest amount with a 15-digit text; beyond it the game refuses.
    static bool fits(double v) { return std::fabs(v) <= std::strtod("1.79769313486231E+308", nullptr); }
    static double shown(double v) { return std::strtod(QString::number(v, 'g', 15).toLatin1(), nullptr); }
    QString text(double v) const
    {
        return v == 0 ? QStringLiteral("0") : QString::number(v, 'g', 15).replace(u'e', u'E').replace(u'.', decimal);
    }
    QString moneyText() const { return text(money); }

    // The prompt of the box refusing the bet (nothing: not a number), or empty when taken.
    QString spin(std::optional<double> b)
    {
        if (!b)
            return QStringLiteral("Enter a number for your bet.");
        if (money < *b)
            return QStringLiteral("You don't have enough money.");
        if (*b <= 0)
            return QStringLiteral("Bet something greedy!");
        // The jackpot must fit on top of the money as its text will read.
        if (!fits(money - *b) || !fits(*b * 50) || !fits(shown(money - *b) + *b * 50))
            return QStringLiteral("That bet is too big to pay out.");
        money = shown(money - (bet = *b));
        winnings = QStringLiteral("0");
        return {};
    }
    void bonus() { money = shown(money + 100), winnings = QStringLiteral("100"); }
    // False when the win cannot be paid: money and winnings then stay.
    bool stop(Faces faces)
    {
        const double won = bet * factorOf(faces);
        if (won == 0 || !fits(won) || !fits(money + won))
            return won == 0;
        money = shown(money + won);
        winnings = text(won);
        return true;
    }
    // Counted, not walked reel by reel: the largest group of equal faces and a second pair.
    static int factorOf(Faces faces)
    {
        std::array<int, 4> n{};
        for (int f : faces)
            ++n.at(std::size_t(f));
        std::sort(n.rbegin(), n.rend());
        return n[0] == 4 ? (faces[0] == 0 ? 50 : 25) : n[0] == 3 ? 10 : n[0] == 2 ? (n[1] == 2 ? 25 : 5) : 0;
    }
};
