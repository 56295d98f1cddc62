// Conversions between numbers and the texts a user types and reads.
#pragma once

#include <string>
#include <string_view>

namespace parabolix {

// The decimal separator numbers are read and written with. Its one way in
// takes the user's separator if a number can carry it unambiguously: one to
// three characters, none of them a digit, sign, exponent letter, blank or
// control character. Anything else gives the period; Windows lets a user type
// any separator.
class DecimalSeparator {
public:
    DecimalSeparator() = default; // the period
    explicit DecimalSeparator(std::string_view separator);
    [[nodiscard]] std::string_view text() const { return m_text; }

private:
    std::string m_text = ".";
};

// Reads the number at the start of `text`, the way a pocket calculator user
// expects: blanks (space, tab, U+00A0, U+202F) are skipped anywhere in it, then
// an optional sign, digits, one decimal separator ('.' or `separator`),
// digits, and an optional exponent (E or e, optional sign, digits). Reading
// stops at the first character that cannot continue the number; no number at
// the start gives 0. Correctly rounded; too small a value gives 0 or the
// nearest subnormal. Linear in the length of `text`, safe on any bytes.
// Raises OverflowError when the value lies beyond the range of a double.
[[nodiscard]] double textToNumber(std::string_view text, const DecimalSeparator& separator);

// Writes a finite double in general number format: at most 15 significant
// digits, no thousands separators, `separator` before any fraction.
// Plain digits while the value is below 1E+15 and needs at most 15 decimal
// places; otherwise a mantissa and an exponent such as 1,5E+20 or 5E-16.
// Negative zero is written 0.
[[nodiscard]] std::string doubleToText(double value, const DecimalSeparator& separator);

} // namespace parabolix
