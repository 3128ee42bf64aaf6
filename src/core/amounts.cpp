#include "core/amounts.h"

#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace amounts {

namespace {

// A halfway point between two doubles has at most 767 significant digits, so
// the first 800 digits plus one nonzero digit for anything dropped after them
// round exactly as the whole digit string would.
constexpr std::size_t keptDigits = 800;
// Decimal exponents saturate here, far outside the double range either way,
// so no digit string can overflow the counters.
constexpr long long exponentLimit = 1'000'000'000;
// Beyond these the value is infinite or zero without asking from_chars.
constexpr long long largestExponent = 400;
constexpr double infinity = std::numeric_limits<double>::infinity();

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool isExponentLetter(char16_t c)
{
    return c == u'E' || c == u'e' || c == u'D' || c == u'd';
}

// A number as it is read: sign, significant digits with a decimal exponent
// (0.ddd x 10^n), and the written exponent. Reading is one pass whatever the
// length of the text; only a short normalised text reaches from_chars.
struct DecimalNumber {
    bool negative = false;
    bool exponentNegative = false;
    bool hasDigits = false;
    std::string digits; // significant digits: the value is 0.ddd x 10^pointExponent x 10^(+/-exponent)
    long long pointExponent = 0;
    long long exponent = 0;
    bool sticky = false; // a nonzero digit was dropped

    void addDigit(char16_t c, bool fraction)
    {
        hasDigits = true;
        const int digit = c - u'0';
        if (digits.empty() && digit == 0) {
            // Leading zeros only move the point.
            if (fraction)
                pointExponent = std::max(pointExponent - 1, -exponentLimit);
            return;
        }
        if (!fraction)
            pointExponent = std::min(pointExponent + 1, exponentLimit);
        if (digits.size() < keptDigits)
            digits.push_back(char('0' + digit));
        else if (digit != 0)
            sticky = true;
    }

    void addExponentDigit(char16_t c) { exponent = std::min(exponent * 10 + (c - u'0'), exponentLimit); }

    double value() const
    {
        const double magnitude = digits.empty() ? 0.0 : magnitudeOfDigits();
        return negative ? -magnitude : magnitude;
    }

    double magnitudeOfDigits() const
    {
        const long long scale = pointExponent + (exponentNegative ? -exponent : exponent);
        if (scale > largestExponent)
            return infinity;
        if (scale < -largestExponent)
            return 0.0;
        const std::string text = "0." + digits + (sticky ? "1e" : "e") + std::to_string(scale);
        double parsed = 0.0;
        const auto result = std::from_chars(text.data(), text.data() + text.size(), parsed);
        // Out of range leaves parsed untouched; the exponent tells which way.
        if (result.ec == std::errc::result_out_of_range)
            return scale > 0 ? infinity : 0.0;
        return parsed;
    }
};

// The 15 significant digits of a positive finite value, rounded half away
// from zero (an exact tie like 4523296433204985 goes up), trailing zeros
// dropped; exponent is the decimal exponent of the rounded value.
std::string roundedDigits(double magnitude, int &exponent)
{
    // 767 places show every double exactly, so a tie is seen as a tie.
    char buffer[800];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 767);
    const std::string_view exact(buffer, std::size_t(result.ptr - buffer)); // "d.ddd...e[+-]dd[d]"
    const std::size_t letter = exact.find('e');
    std::from_chars(exact.data() + letter + 2, exact.data() + exact.size(), exponent);
    if (exact[letter + 1] == '-')
        exponent = -exponent;
    std::string digits = exact[0] + std::string(exact.substr(2, 14));
    if (exact[16] >= '5') {
        int i = 14;
        for (; i >= 0 && digits[i] == '9'; --i)
            digits[i] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            digits.front() = '1';
            ++exponent;
        }
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    return digits;
}

} // namespace

NumberFormat NumberFormat::fromLocale(const QLocale &locale)
{
    NumberFormat format;
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    if (!decimal.isEmpty())
        format.decimal = decimal.front();
    format.group = group.isEmpty() ? QChar() : group.front();
    // The group sizes as the locale writes a long number ("1,23,45,67,890").
    QLocale writer = locale;
    writer.setNumberOptions(QLocale::DefaultNumberOptions);
    const QStringList groups = group.isEmpty() ? QStringList() : writer.toString(1234567890LL).split(group);
    if (groups.size() >= 3) {
        format.lastGroup = int(groups.last().size());
        format.otherGroups = int(groups.at(groups.size() - 2).size());
    }
    return format;
}

NumberFormat NumberFormat::system()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    for (const char *variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        if (const QString name = qEnvironmentVariable(variable); !name.isEmpty())
            return fromLocale(QLocale(name.section(u'.', 0, 0).section(u'@', 0, 0)));
    }
#endif
    return fromLocale(QLocale::system());
}

double leadingValue(QStringView text)
{
    qsizetype pos = 0;
    // Blanks, tabs and line breaks are skipped everywhere, even between digits.
    const auto peek = [&]() -> char16_t {
        while (pos < text.size()) {
            const char16_t c = text[pos].unicode();
            if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r')
                return c;
            ++pos;
        }
        return u'\0';
    };

    DecimalNumber number;
    char16_t c = peek();
    if (c == u'+' || c == u'-') {
        number.negative = c == u'-';
        ++pos;
        c = peek();
    }
    bool fraction = false;
    for (;; ++pos, c = peek()) {
        if (isDigit(c))
            number.addDigit(c, fraction);
        else if (c == u'.' && !fraction)
            fraction = true;
        else
            break;
    }
    if (!number.hasDigits)
        return 0.0;
    if (isExponentLetter(c)) {
        ++pos;
        c = peek();
        if (c == u'+' || c == u'-') {
            number.exponentNegative = c == u'-';
            ++pos;
            c = peek();
        }
        // A letter without digits reads as exponent 0: "1E" is 1.
        for (; isDigit(c); ++pos, c = peek())
            number.addExponentDigit(c);
    }
    return number.value();
}

namespace {

// The whole text as a number; where the format's two separators are one
// character, only its place decimalAt is the decimal point.
std::optional<double> spelled(QStringView body, const NumberFormat &format, qsizetype decimalAt)
{
    const auto at = [&](qsizetype i) { return i < body.size() ? body[i].unicode() : u'\0'; };
    const bool collide = format.group == format.decimal;
    DecimalNumber number;
    qsizetype pos = 0;
    if (at(0) == u'+' || at(0) == u'-') {
        number.negative = at(0) == u'-';
        ++pos;
    }
    // Groups are checked: a first group of one to otherGroups digits, then
    // groups of otherGroups, the last of lastGroup. "0,5" in a '.'-decimal
    // format is a slip for a half, not five, and must not be taken as a bet.
    bool fraction = false;
    bool grouped = false;
    int groupDigits = 0;
    for (; pos < body.size(); ++pos) {
        const QChar c = body[pos];
        if (isDigit(c.unicode())) {
            number.addDigit(c.unicode(), fraction);
            groupDigits += fraction ? 0 : 1;
        } else if (!fraction && (collide ? pos == decimalAt : c == format.decimal)) {
            if (grouped && groupDigits != format.lastGroup)
                return std::nullopt;
            fraction = true;
        } else if (!fraction && !format.group.isNull() && c == format.group) {
            if (grouped ? groupDigits != format.otherGroups : groupDigits < 1 || groupDigits > format.otherGroups)
                return std::nullopt;
            grouped = true;
            groupDigits = 0;
        } else {
            break;
        }
    }
    if (!number.hasDigits || (grouped && !fraction && groupDigits != format.lastGroup))
        return std::nullopt;
    if (pos < body.size() && isExponentLetter(at(pos))) {
        ++pos;
        if (at(pos) == u'+' || at(pos) == u'-') {
            number.exponentNegative = at(pos) == u'-';
            ++pos;
        }
        if (!isDigit(at(pos)))
            return std::nullopt;
        for (; isDigit(at(pos)); ++pos)
            number.addExponentDigit(at(pos));
    }
    if (pos != body.size())
        return std::nullopt;
    // Overflow has no value; underflow has rounded to zero or a subnormal.
    const double value = number.value();
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<double> strictValue(QStringView text, const NumberFormat &format)
{
    const auto isBlank = [](QChar c) { return c == u' ' || c == u'\t'; };
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    const QStringView body = text.sliced(begin, end - begin);
    if (format.group != format.decimal)
        return spelled(body, format, -1);
    // One character for both: its last place may be the decimal point, or
    // every place a group.
    const auto asDecimal = spelled(body, format, body.lastIndexOf(format.decimal));
    const auto asGroups = spelled(body, format, -1);
    if (asDecimal && asGroups && *asDecimal != *asGroups)
        return std::nullopt;
    return asDecimal ? asDecimal : asGroups;
}

// Written as C's "%.15G" writes the rounded value: plain while its decimal
// exponent e lies in -4..14, else mantissa, 'E', sign and at least two
// exponent digits ("1E+15", "1.5E-07"). Trailing zeros never show, and a
// whole number has no separator. Zero of either sign is "0". NaN and
// infinities are no amounts (checked arithmetic refuses them); they give "0".
QString generalText(double value, const NumberFormat &format)
{
    if (!std::isfinite(value) || value == 0.0)
        return QStringLiteral("0");

    int exponent = 0;
    const std::string digits = roundedDigits(std::abs(value), exponent);
    const int count = int(digits.size());
    QString text;
    if (value < 0)
        text += u'-';
    if (exponent >= -4 && exponent <= 14) {
        if (exponent < 0) {
            text += u'0';
            text += format.decimal;
            text += QString(-exponent - 1, u'0');
            text += QLatin1String(digits.data(), count);
        } else {
            const int whole = exponent + 1;
            text += QLatin1String(digits.data(), std::min(count, whole));
            if (count > whole) {
                text += format.decimal;
                text += QLatin1String(digits.data() + whole, count - whole);
            } else {
                text += QString(whole - count, u'0');
            }
        }
    } else {
        text += QLatin1Char(digits[0]);
        if (count > 1) {
            text += format.decimal;
            text += QLatin1String(digits.data() + 1, count - 1);
        }
        text += exponent < 0 ? QLatin1String("E-") : QLatin1String("E+");
        if (std::abs(exponent) < 10)
            text += u'0';
        text += QString::number(std::abs(exponent));
    }
    return text;
}

double amountValue(QStringView text, const NumberFormat &format)
{
    // Without groups first: where one character is both separators, "1,125"
    // is the money the game wrote, not an ambiguity.
    if (const auto strict = strictValue(text, {format.decimal, QChar()}))
        return *strict;
    if (const auto strict = strictValue(text, format))
        return *strict;
    return leadingValue(text);
}

} // namespace amounts
