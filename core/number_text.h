// Conversions between numbers and the texts a user types and reads.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace parabolix {

// Returns `separator` if a number can carry it unambiguously: one to three
// characters, none of them a digit, sign, exponent letter, blank or control
// character. Otherwise returns ".". Windows lets a user type any separator.
[[nodiscard]] std::string_view usableDecimalSeparator(std::string_view separator);

// Reads the number at the start of `text`, the way a pocket calculator user
// expects: blanks (space, tab, U+00A0, U+202F) are skipped anywhere in it, then
// an optional sign, digits, one decimal separator ('.' or a usable
// `decimalSeparator`),
// digits, and an optional exponent (E or e, optional sign, digits). Reading
// stops at the first character that cannot continue the number; no number at
// the start gives 0. Correctly rounded; too small a value gives 0 or the
// nearest subnormal. Linear in the length of `text`, safe on any bytes.
// Raises OverflowError when the value lies beyond the range of a double.
[[nodiscard]] double textToNumber(std::string_view text, std::string_view decimalSeparator);

// Writes a finite double in general number format: at most 15 significant
// digits, no thousands separators, `decimalSeparator` before any fraction.
// Plain digits while the value is below 1E+15 and needs at most 15 decimal
// places; otherwise a mantissa and an exponent such as 1,5E+20 or 5E-16.
// Negative zero is written 0.
[[nodiscard]] std::string doubleToText(double value, std::string_view decimalSeparator);

// Writes a 16-bit integer as plain digits, with '-' when negative.
[[nodiscard]] std::string int16ToText(std::int16_t value);

} // namespace parabolix
