// libFuzzer target over the amount conversions. Each input is a number format
// (first byte) and a UTF-8 text (the rest). Checked: nothing crashes; the
// general number text of every value read reads back as that value rounded to
// 15 digits; reading stays linear in the text's length.
#include "core/amounts.h"

#include <QString>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

const amounts::NumberFormat formats[] = {{u'.', u','}, {u',', u'.'}, {u',', QChar(0x00A0)}, {u'.', u'.'}};

void require(bool holds, const char *what, const QString &text)
{
    if (holds)
        return;
    std::fprintf(stderr, "PROPERTY FAILED: %s\n  text: \"%s\"\n", what, qPrintable(text.left(300)));
    std::abort();
}

void checkRoundTrip(double value, const amounts::NumberFormat &format)
{
    const QString text = amounts::generalText(value, format);
    const double rounded = QString::number(value, 'g', 15).toDouble();
    if (std::isfinite(rounded) && value != 0)
        require(amounts::amountValue(text, format) == rounded, "general text reads back", text);
}

double secondsFor(const QString &text, const amounts::NumberFormat &format)
{
    const auto start = std::chrono::steady_clock::now();
    volatile double sink = amounts::leadingValue(text) + amounts::strictValue(text, format).value_or(0);
    (void)sink;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const amounts::NumberFormat &format = formats[data[0] % std::size(formats)];
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const std::optional<double> strict = amounts::strictValue(text, format);
    checkRoundTrip(strict.value_or(0), format);
    checkRoundTrip(amounts::leadingValue(text), format);

    // One input in 64, repeated to 64 Ki characters, against plain digits of
    // the same length; a wide margin for noise.
    static unsigned long long count = 0;
    if (text.isEmpty() || ++count % 64 != 0)
        return 0;
    const QString longText = text.repeated((1 << 16) / text.size() + 1);
    const double digits = secondsFor(QString(longText.size(), u'7'), format);
    require(secondsFor(longText, format) <= 50 * digits + 0.002, "linear in the text's length", text);
    return 0;
}
