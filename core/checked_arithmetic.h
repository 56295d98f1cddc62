// Arithmetic that refuses to overflow silently: on doubles, and on the 16-bit
// integers of the draw.
#pragma once

#include <cstdint>

namespace parabolix {

// IEEE 754 double arithmetic on finite operands. Each raises OverflowError
// when the result lies beyond the range of a double.
[[nodiscard]] double add(double left, double right);
[[nodiscard]] double subtract(double left, double right);
[[nodiscard]] double multiply(double left, double right);

// The nearest 16-bit integer, ties to even (12.5 gives 12, 37.5 gives 38).
// Raises OverflowError when that lies outside -32768..32767 or value is NaN.
[[nodiscard]] std::int16_t roundToInt16(double value);

// left + right in 16-bit arithmetic. Raises OverflowError when the sum
// lies outside -32768..32767.
[[nodiscard]] std::int16_t addInt16(std::int16_t left, std::int16_t right);

} // namespace parabolix
