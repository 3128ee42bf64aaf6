// Arithmetic on amounts is checked before its result is written to a text:
// an invalid operation or an overflow gives no value instead of inf or NaN.
// An infinite or NaN operand makes the result so too, so checking the result
// is enough: checked(a + b), checked(a * b).
#pragma once

#include <cmath>
#include <optional>

namespace checkedmath {

// The largest magnitude whose 15-digit text still reads back as a finite
// number: the largest double itself rounds up past the range.
inline constexpr double Largest = 1.79769313486231E+308;

inline std::optional<double> checked(double result)
{
    if (!(std::fabs(result) <= Largest)) // also false for NaN
        return std::nullopt;
    return result;
}

} // namespace checkedmath
