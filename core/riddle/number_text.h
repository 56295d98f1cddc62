// Conversions between numbers and the texts a user types and reads.
#pragma once

#include "riddle/errors.h"

#include <cstdint>
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

// The number at the start of a text, as the user typed it: blanks (space,
// tab, U+00A0, U+202F) skipped anywhere in it, then an optional sign, digits,
// one decimal separator ('.' or the user's), digits, and an optional exponent
// (E or e, optional sign, digits). Reading stops at the first character that
// cannot continue the number.
struct TypedNumber {
    bool negative = false;
    std::string whole; // the digits before the separator
    std::string fraction; // the digits after it
    bool exponentTyped = false;
    std::int64_t exponent = 0; // kept within kExponentLimit
};

// Beyond any double's reach, and far inside int64, so that adding a digit
// count to an exponent can neither overflow nor change the outcome.
inline constexpr std::int64_t kExponentLimit = 1'000'000'000;

// Reads the number at the start of `text`; linear in its length, safe on any bytes.
[[nodiscard]] TypedNumber readTypedNumber(std::string_view text, const DecimalSeparator& separator);

// The value of the number at the start of `text`, the way a pocket calculator
// user expects: correctly rounded; no number at the start gives 0; too small a
// value gives 0 or the nearest subnormal. Error::Overflow when the value lies
// beyond the range of a double.
[[nodiscard]] Result<double> textToNumber(std::string_view text, const DecimalSeparator& separator);

// A decimal number by its digits: the first stands at 10^power, so digits
// "125" with power -1 are 0,125.
struct Decimal {
    bool negative = false;
    std::string digits; // no leading or trailing zeros; empty for zero
    int power = 0;
    // How many decimal places its plain text has.
    [[nodiscard]] int places() const;
};

// Values are written with at most this many significant digits.
inline constexpr int kSignificantDigits = 15;
// A value is written in plain digits below 10^kPlainPowerLimit and with at most
// kMostPlaces decimal places; otherwise with an exponent.
inline constexpr int kPlainPowerLimit = 15;
inline constexpr int kMostPlaces = 15;

// A finite double to kSignificantDigits significant digits, correctly rounded;
// negative zero gives zero.
[[nodiscard]] Decimal toDecimal(double value);

// `whole` × 10^scale, with its sign.
[[nodiscard]] Decimal decimalOf(bool negative, std::uint64_t whole, int scale);

// `decimal` rounded to `places` decimal places as a school rounds: a half goes
// away from zero. Requires that it has at most 19 digits before the cut.
[[nodiscard]] Decimal roundedTo(const Decimal& decimal, int places);

// "-0,125", "100": plain digits, `separator` before any fraction, no exponent.
[[nodiscard]] std::string plainText(const Decimal& decimal, const DecimalSeparator& separator);

// Writes a finite double in general number format: toDecimal(value), in plain
// digits while below 10^kPlainPowerLimit with at most kMostPlaces places;
// otherwise a mantissa and an exponent such as 1,5E+20 or 5E-16. No thousands
// separators; negative zero is written 0.
[[nodiscard]] std::string doubleToText(double value, const DecimalSeparator& separator);

} // namespace parabolix
