// libFuzzer target over the amount conversions. Each input is a number format
// (first byte) and a UTF-8 text (the rest). Nothing may crash (ASan and UBSan
// watch), and the general number text of every value read must read back as
// that value rounded to 15 digits. How fast reading is, is for bench/.
#include "core/amounts.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

const amounts::NumberFormat formats[] = {{u'.', u','}, {u',', u'.'}, {u',', QChar(0x00A0)}, {u'.', u'.'}};

void checkRoundTrip(double value, const amounts::NumberFormat &format)
{
    const QString text = amounts::generalText(value, format);
    const double rounded = QString::number(value, 'g', 15).toDouble();
    if (std::isfinite(rounded) && value != 0 && amounts::amountValue(text, format) != rounded) {
        std::fprintf(stderr, "general text %s does not read back as %.17g\n", qPrintable(text), rounded);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const amounts::NumberFormat &format = formats[data[0] % std::size(formats)];
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    checkRoundTrip(amounts::strictValue(text, format).value_or(0), format);
    checkRoundTrip(amounts::leadingValue(text), format);
    return 0;
}
