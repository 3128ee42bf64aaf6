// Independent answers for the conversion fuzzer: grammar checks written as
// splits rather than a scanner, C's strtod for values, Qt's own 15-digit
// rounding for texts. Slow and plain on purpose.
#pragma once

#include "core/amounts.h"

#include <QString>

#include <optional>

namespace oracle {

// The whole text as a number of the format, read by strtod once the
// separators are normalised; nothing outside the grammar or the range.
std::optional<double> strictValue(const QString &text, const amounts::NumberFormat &format);

// strtod on the text with blanks, tabs and line feeds taken out and every
// character it reads beyond the game's grammar made into a stop.
double leadingValue(const QString &text);

// The value rounded to 15 significant digits, as Qt writes it: 'E' for
// the exponent, the format's decimal separator.
QString generalText(double value, QChar decimal);
double roundedTo15(double value);

} // namespace oracle
