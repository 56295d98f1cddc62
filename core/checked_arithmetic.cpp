#include "checked_arithmetic.h"

#include "errors.h"

#include <cmath>
#include <limits>

namespace parabolix {

namespace {

// Finite operands give an infinite result only by leaving the double range.
double finiteOrOverflow(double result)
{
    if (!std::isfinite(result))
        throw OverflowError();
    return result;
}

template <typename Int>
Int narrowOrOverflow(auto value)
{
    if (!(value >= std::numeric_limits<Int>::min() && value <= std::numeric_limits<Int>::max()))
        throw OverflowError();
    return static_cast<Int>(value);
}

} // namespace

double add(double left, double right)
{
    return finiteOrOverflow(left + right);
}

double subtract(double left, double right)
{
    return finiteOrOverflow(left - right);
}

double multiply(double left, double right)
{
    return finiteOrOverflow(left * right);
}

std::int16_t roundToInt16(double value)
{
    // Checked before rounding so that floor() below works on small, exact values.
    if (!(value > -32769.0 && value < 32768.0))
        throw OverflowError();
    double nearest = std::floor(value);
    const double above = value - nearest; // exact: value is small
    if (above > 0.5 || (above == 0.5 && std::fmod(nearest, 2.0) != 0.0))
        nearest += 1.0;
    return narrowOrOverflow<std::int16_t>(nearest);
}

std::int16_t addInt16(std::int16_t left, std::int16_t right)
{
    return narrowOrOverflow<std::int16_t>(int{left} + int{right});
}

} // namespace parabolix
