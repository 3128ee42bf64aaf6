// libFuzzer target over the four amount conversions. Each input is a number
// format (first byte) and a UTF-8 text (the rest); the last eight bytes also
// make a double for the general number text. Every check compares the game's
// conversion with an oracle written differently: a grammar check with strtod
// for the strict and leading values, Qt's own 15-digit rounding for the text.
#include "core/amounts.h"
#include "core/checkedmath.h"
#include "oracle.h"

#include <QString>

#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using amounts::NumberFormat;

namespace {

// Formats users have: '.' or ',' decimals with the usual group characters,
// a locale without grouping (both the same), and Arabic separators.
const NumberFormat formats[] = {
    {u'.', u','},          {u',', u'.'},  {u'.', u' '}, {u',', QChar(0x00A0)},
    {u',', QChar(0x202F)}, {u'.', u'\''}, {u'.', u'.'}, {QChar(0x066B), QChar(0x066C)},
};

[[noreturn]] void fail(const char *what, const QString &text, const QString &detail)
{
    std::fprintf(stderr, "PROPERTY FAILED: %s\n  text: \"%s\"\n  %s\n", what, qPrintable(text.left(300)),
                 qPrintable(detail));
    std::abort();
}

bool sameBits(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); // -0 and 0 differ
}

QString shown(double value)
{
    return QString::number(value, 'g', 17);
}

void checkStrict(const QString &text, const NumberFormat &format)
{
    const std::optional<double> expected = oracle::strictValue(text, format);
    const std::optional<double> strict = amounts::strictValue(text, format);
    if (amounts::isNumeric(text, format) != strict.has_value())
        fail("numeric test passes exactly when a strict value exists", text, QString());
    if (strict.has_value() != expected.has_value())
        fail("strict value exists exactly for the grammar, within range", text,
             QStringLiteral("game %1, oracle %2").arg(strict.has_value()).arg(expected.has_value()));
    if (strict && !sameBits(*strict, *expected))
        fail("strict value agrees with strtod", text,
             QStringLiteral("game %1, strtod %2").arg(shown(*strict), shown(*expected)));
}

void checkLeading(const QString &text)
{
    const double leading = amounts::leadingValue(text);
    const double expected = oracle::leadingValue(text);
    if (!sameBits(leading, expected))
        fail("leading-number value agrees with strtod", text,
             QStringLiteral("game %1, strtod %2").arg(shown(leading), shown(expected)));
}

void checkAmountValue(const QString &text, const NumberFormat &format)
{
    const std::optional<double> strict = amounts::strictValue(text, format);
    const double expected = strict ? *strict : amounts::leadingValue(text);
    if (!sameBits(amounts::amountValue(text, format), expected))
        fail("amount value is the strict value, else the leading value", text, QString());
}

void checkGeneral(double value, const NumberFormat &format)
{
    const QString text = amounts::generalText(value, format);
    if (!std::isfinite(value) || value == 0.0) {
        if (text != u"0")
            fail("no amount and zero are written as 0", text, shown(value));
        return;
    }
    const QString expected = oracle::generalText(value, format.decimal);
    if (text != expected)
        fail("general number text is the 15-digit rounding", text,
             QStringLiteral("value %1, expected %2").arg(shown(value), expected));
    if (!checkedmath::finite(value))
        return; // rounds up past the range: the checked arithmetic never writes it
    const double rounded = oracle::roundedTo15(value);
    QString dotted = text;
    dotted.replace(format.decimal, u'.');
    if (!sameBits(amounts::leadingValue(dotted), rounded))
        fail("leading value of the general text gives back the number", text, shown(value));
    if (!sameBits(amounts::amountValue(text, format), rounded))
        fail("amount value of the general text gives back the number", text, shown(value));
    // Half a unit in the 15th digit, plus the two doubles' own representation error.
    if (!(std::fabs(rounded - value) <= std::fabs(value) * 5.3e-15))
        fail("15 significant digits", text, shown(value));
}

// Nothing may be slower than linear in the text's length: the text is
// repeated to a long one and timed against the cost per character of plain
// digits measured at start, with a wide margin for noise.
constexpr qsizetype LongText = 1 << 16;

double secondsFor(const QString &text, const NumberFormat &format)
{
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        const auto start = std::chrono::steady_clock::now();
        volatile double sink = amounts::leadingValue(text);
        sink = amounts::strictValue(text, format).value_or(0.0);
        sink = amounts::isNumeric(text, format) ? 1.0 : 0.0;
        sink = amounts::amountValue(text, format);
        (void)sink;
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

double secondsPerCharacter()
{
    static const double perCharacter = [] {
        double worst = 0;
        for (const char *piece : {"1234567890", " 1 2 3 4 5 ", "123,456,789,", "0.000000001", "1e1e1e1e1e"}) {
            const QString text = QString::fromLatin1(piece).repeated(LongText / qsizetype(std::strlen(piece)));
            worst = std::max(worst, secondsFor(text, formats[0]) / double(text.size()));
        }
        return worst;
    }();
    return perCharacter;
}

void checkLinear(const QString &text, const NumberFormat &format)
{
    if (text.isEmpty())
        return;
    const QString longText = text.repeated(LongText / text.size() + 1);
    const double took = secondsFor(longText, format);
    const double allowed = 50 * secondsPerCharacter() * double(longText.size()) + 0.002;
    if (took > allowed)
        fail("linear in the text's length", text,
             QStringLiteral("%1 characters took %2 s, allowed %3 s").arg(longText.size()).arg(took).arg(allowed));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const NumberFormat &format = formats[data[0] % std::size(formats)];
    const auto *bytes = reinterpret_cast<const char *>(data + 1);
    const QString text = QString::fromUtf8(bytes, qsizetype(size - 1));

    checkStrict(text, format);
    checkLeading(text);
    checkAmountValue(text, format);

    if (const std::optional<double> strict = amounts::strictValue(text, format))
        checkGeneral(*strict, format);
    checkGeneral(amounts::leadingValue(text), format);
    if (size >= 9) {
        double raw = 0;
        std::memcpy(&raw, data + size - 8, sizeof raw);
        checkGeneral(raw, format);
    }

    // Timing every input would slow the search to a crawl; one in 64 is
    // plenty. FACEREEL_FUZZ_TIME_ALL times each one, to replay a finding.
    static const bool timeAll = std::getenv("FACEREEL_FUZZ_TIME_ALL") != nullptr;
    static unsigned long long count = 0;
    if (timeAll || ++count % 64 == 0)
        checkLinear(text, format);
    return 0;
}
