// Conversions between amount texts and numbers. The displayed texts are the
// game's state, so every rule goes through one of these four conversions.
#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>

class QLocale;

namespace amounts {

// The user's number format: what the strict value and the general number
// text depend on. Digits group from the decimal separator: the last group
// before it has lastGroup digits, those before that otherGroups (India:
// 3 and 2, "1,00,000").
struct NumberFormat {
    QChar decimal = u'.';
    QChar group = u','; // null: the format does not group
    int lastGroup = 3;
    int otherGroups = 3;

    static NumberFormat fromLocale(const QLocale &locale);
    // The player's: on Linux the locale of LC_ALL, else LC_NUMERIC, else
    // LANG, as the C library takes it (Qt's system locale takes only its
    // separators from LC_NUMERIC, its group sizes from LANG); elsewhere the
    // system's, with the player's own settings (Windows' decimal symbol and
    // digit grouping symbol).
    static NumberFormat system();
};

// Reads as much of a number as the text starts with: blanks, tabs and line
// feeds are skipped anywhere, '.' is always the decimal point, E or D starts
// an exponent. Never fails: no number reads as 0, too large a number as
// +/-infinity (the checked arithmetic refuses it).
double leadingValue(QStringView text);

// The number the whole text spells in the user's format, or nothing. Where
// one character is both separators, a text it spells two numbers with
// ("1.000": one or a thousand?) spells none.
std::optional<double> strictValue(QStringView text, const NumberFormat &format);

// Shortest text of the value rounded to 15 significant digits; exponent form
// for magnitudes 15 plain digits cannot show (see amounts.cpp for the rule).
QString generalText(double value, const NumberFormat &format);

// Reads back an amount text the game wrote itself (money, winnings): the
// strict value where there is one, so a ',' decimal survives the round trip,
// otherwise the leading-number value.
double amountValue(QStringView text, const NumberFormat &format);

} // namespace amounts
