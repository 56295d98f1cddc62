// Exact arithmetic for the lesson: rational numbers as a school writes them,
// read from what a user typed and written as a teacher writes them.
#pragma once

#include "riddle/number_text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace parabolix {

// The integers a fraction is made of. __extension__: 128-bit integers are the
// compilers' own (GCC's and clang's, on every platform the program runs on).
__extension__ using Integer = __int128;

// An exact rational number in lowest terms with a positive denominator, on
// 128-bit integers. Each operation checks for overflow: a result beyond the
// range is marked as overflowed, and so is every result made from it.
class Fraction {
public:
    Fraction() = default; // zero
    // Implicit, so that formulas read as formulas: 4 * n - Fraction(5, 2) * m.
    // cppcheck-suppress noExplicitConstructor
    Fraction(Integer whole) // NOLINT(google-explicit-constructor)
        : m_numerator(whole)
    {
    }
    // numerator / denominator; marked as overflowed where the denominator is 0.
    Fraction(Integer numerator, Integer denominator);

    [[nodiscard]] Integer numerator() const { return m_numerator; }
    [[nodiscard]] Integer denominator() const { return m_denominator; }
    [[nodiscard]] bool overflowed() const { return m_overflowed; }
    [[nodiscard]] int sign() const { return m_numerator > 0 ? 1 : m_numerator < 0 ? -1 : 0; }
    // The nearest double, for an approximate value only.
    [[nodiscard]] double approximate() const;

    friend Fraction operator+(const Fraction& left, const Fraction& right);
    friend Fraction operator-(const Fraction& left, const Fraction& right);
    friend Fraction operator*(const Fraction& left, const Fraction& right);
    // Marked as overflowed where right is 0.
    friend Fraction operator/(const Fraction& left, const Fraction& right);
    friend Fraction operator-(const Fraction& value);
    friend bool operator==(const Fraction& left, const Fraction& right) = default;

private:
    static Fraction overflow();

    Integer m_numerator = 0;
    Integer m_denominator = 1;
    bool m_overflowed = false;
};

// The greatest common divisor of |left| and |right|; gcd(0, 0) is 0.
[[nodiscard]] Integer gcd(Integer left, Integer right);

// "-170141183460469231731687303715884105728": the digits of an integer.
[[nodiscard]] std::string integerText(Integer value);

// A value as a teacher writes it: where its decimal expansion ends, a decimal
// with `separator` and no trailing zeros (0,875); otherwise a reduced
// fraction (-1/6).
[[nodiscard]] std::string exactText(const Fraction& value, const DecimalSeparator& separator);

// The exact value of a typed number with at most `wholeDigits` digits before
// its separator, `places` after it and no exponent; none for any other.
[[nodiscard]] std::optional<Fraction> exactValue(
    const TypedNumber& typed, std::size_t wholeDigits, std::size_t places);

// A number as a pupil writes an answer: blanks around it, an optional sign
// (+, - or the minus sign U+2212), then a whole number, a decimal with a
// comma or a period, or a fraction of two whole numbers, such as -3/2; each
// number of at most kAnswerDigits digits. None for anything else, and for a
// zero denominator.
[[nodiscard]] std::optional<Fraction> readAnswer(std::string_view text);
inline constexpr std::size_t kAnswerDigits = 9;

} // namespace parabolix
