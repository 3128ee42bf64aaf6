// Arithmetic on amounts is checked before its result is written to a text:
// an invalid operation or an overflow gives no value instead of inf or NaN.
#pragma once

#include <cmath>
#include <optional>

namespace checkedmath {

// The largest magnitude whose 15-digit text still reads back as a finite
// number: the largest double itself rounds up past the range.
inline constexpr double Largest = 1.79769313486231E+308;

inline std::optional<double> finite(double value)
{
    if (!(std::fabs(value) <= Largest)) // also false for NaN
        return std::nullopt;
    return value;
}

inline std::optional<double> sum(double a, double b)
{
    if (!std::isfinite(a) || !std::isfinite(b))
        return std::nullopt;
    return finite(a + b);
}

inline std::optional<double> difference(double a, double b)
{
    if (!std::isfinite(a) || !std::isfinite(b))
        return std::nullopt;
    return finite(a - b);
}

inline std::optional<double> product(double a, double b)
{
    if (!std::isfinite(a) || !std::isfinite(b))
        return std::nullopt;
    return finite(a * b);
}

} // namespace checkedmath
