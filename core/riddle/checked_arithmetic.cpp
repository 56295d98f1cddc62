#include "riddle/checked_arithmetic.h"

#include <cmath>
#include <limits>

namespace parabolix {

namespace {

template <typename Int>
Result<Int> narrowed(auto value)
{
    if (!(value >= std::numeric_limits<Int>::min() && value <= std::numeric_limits<Int>::max()))
        return Error::Overflow;
    return static_cast<Int>(value);
}

} // namespace

// An infinity or NaN stays one through every later step (no step divides),
// so the result's finiteness tells whether any step overflowed.
Checked operator+(Checked left, Checked right)
{
    return left.m_value + right.m_value;
}

Checked operator-(Checked left, Checked right)
{
    return left.m_value - right.m_value;
}

Checked operator*(Checked left, Checked right)
{
    return left.m_value * right.m_value;
}

Result<double> Checked::result() const
{
    if (!std::isfinite(m_value))
        return Error::Overflow;
    return m_value;
}

Result<std::int16_t> roundToInt16(double value)
{
    // Checked before rounding so that floor() below works on small, exact values.
    if (!(value > -32769.0 && value < 32768.0))
        return Error::Overflow;
    double nearest = std::floor(value);
    const double above = value - nearest; // exact: value is small
    if (above > 0.5 || (above == 0.5 && std::fmod(nearest, 2.0) != 0.0))
        nearest += 1.0;
    return narrowed<std::int16_t>(nearest);
}

Result<std::int16_t> addInt16(std::int16_t left, std::int16_t right)
{
    return narrowed<std::int16_t>(int{left} + int{right});
}

} // namespace parabolix
