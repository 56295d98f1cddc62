// Arithmetic that refuses to overflow silently: on doubles, and on the 16-bit
// integers of the draw.
#pragma once

#include "riddle/errors.h"

#include <cstdint>

namespace parabolix {

// A double whose IEEE 754 arithmetic notes the first step that leaves the
// double's range; every step after it carries that error on. Its operands
// start finite, so only such a step makes a result that is not finite.
class Checked {
public:
    // Implicit, so that formulas read as formulas: Checked(0.5) * p - n.
    // cppcheck-suppress noExplicitConstructor
    Checked(double value) // NOLINT(google-explicit-constructor)
        : m_value(value)
    {
    }

    friend Checked operator+(Checked left, Checked right);
    friend Checked operator-(Checked left, Checked right);
    friend Checked operator*(Checked left, Checked right);

    // The value, or Error::Overflow if a step on the way left the range.
    [[nodiscard]] Result<double> result() const;

private:
    double m_value;
};

// The nearest 16-bit integer, ties to even (12.5 gives 12, 37.5 gives 38);
// Error::Overflow when that lies outside -32768..32767 or value is NaN.
[[nodiscard]] Result<std::int16_t> roundToInt16(double value);

// left + right in 16-bit arithmetic; Error::Overflow when the sum lies
// outside -32768..32767.
[[nodiscard]] Result<std::int16_t> addInt16(std::int16_t left, std::int16_t right);

} // namespace parabolix
