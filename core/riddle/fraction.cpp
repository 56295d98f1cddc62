#include "riddle/fraction.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <utility>

namespace parabolix {

namespace {

// The one 128-bit integer whose negation overflows.
constexpr Integer kLeast = -(Integer{1} << 126) - (Integer{1} << 126);

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The number written by `digits`, which are at most 38 decimal digits.
Integer digitsValue(std::string_view digits)
{
    return std::accumulate(digits.begin(), digits.end(), Integer{0},
        [](Integer value, char digit) { return value * 10 + (digit - '0'); });
}

Integer power10(std::size_t exponent)
{
    Integer power = 1;
    for (std::size_t i = 0; i < exponent; ++i)
        power *= 10;
    return power;
}

// Whether `denominator` has no prime factor but 2 and 5, so that the value's
// decimal expansion ends.
bool endsInDecimal(Integer denominator)
{
    for (const Integer factor : {2, 5}) {
        while (denominator % factor == 0)
            denominator /= factor;
    }
    return denominator == 1;
}

// Takes an optional sign; returns whether it was a minus.
bool takeSign(std::string_view& text)
{
    for (const std::string_view sign : {"+", "-", "\xE2\x88\x92"}) {
        if (text.starts_with(sign)) {
            text.remove_prefix(sign.size());
            return sign != "+";
        }
    }
    return false;
}

// Takes the digits that come next, if at least one does.
std::optional<std::string_view> takeDigits(std::string_view& text)
{
    const auto* const end
        = std::find_if(text.begin(), text.end(), [](char c) { return !isDigit(c); });
    const auto count = static_cast<std::size_t>(end - text.begin());
    if (count == 0)
        return std::nullopt;
    const std::string_view digits = text.substr(0, count);
    text.remove_prefix(count);
    return digits;
}

// Blanks as a pupil leaves them around a number: spaces, tabs, no-break spaces.
std::string_view trimmed(std::string_view text)
{
    constexpr std::array<std::string_view, 4> kBlanks{" ", "\t", "\xC2\xA0", "\xE2\x80\xAF"};
    for (bool trimming = true; trimming;) {
        trimming = false;
        for (const std::string_view blank : kBlanks) {
            if (text.starts_with(blank) || text.ends_with(blank)) {
                text.remove_prefix(text.starts_with(blank) ? blank.size() : 0);
                text.remove_suffix(text.ends_with(blank) ? blank.size() : 0);
                trimming = true;
            }
        }
    }
    return text;
}

} // namespace

Fraction::Fraction(Integer numerator, Integer denominator)
{
    // A zero denominator has no value: marked, as is what lies beyond the range.
    if (numerator == kLeast || denominator == kLeast || denominator == 0) {
        *this = overflow();
        return;
    }
    // At least 1: the denominator is not 0.
    const Integer divisor
        = std::max<Integer>(gcd(numerator, denominator), 1) * (denominator < 0 ? -1 : 1);
    m_numerator = numerator / divisor;
    m_denominator = denominator / divisor;
}

Fraction Fraction::overflow()
{
    Fraction marked;
    marked.m_overflowed = true;
    return marked;
}

double Fraction::approximate() const
{
    return static_cast<double>(m_numerator) / static_cast<double>(m_denominator);
}

Fraction operator+(const Fraction& left, const Fraction& right)
{
    // Over the least common multiple of the denominators, so that values
    // stay as small as they can.
    const Integer divisor = gcd(left.m_denominator, right.m_denominator);
    Integer leftPart = 0;
    Integer rightPart = 0;
    Integer numerator = 0;
    Integer denominator = 0;
    if (left.m_overflowed || right.m_overflowed
        || __builtin_mul_overflow(left.m_numerator, right.m_denominator / divisor, &leftPart)
        || __builtin_mul_overflow(right.m_numerator, left.m_denominator / divisor, &rightPart)
        || __builtin_add_overflow(leftPart, rightPart, &numerator)
        || __builtin_mul_overflow(left.m_denominator / divisor, right.m_denominator, &denominator))
        return Fraction::overflow();
    return {numerator, denominator};
}

Fraction operator-(const Fraction& value)
{
    Fraction negated = value;
    if (__builtin_sub_overflow(Integer{0}, value.m_numerator, &negated.m_numerator))
        return Fraction::overflow();
    return negated;
}

Fraction operator-(const Fraction& left, const Fraction& right)
{
    return left + -right;
}

Fraction operator*(const Fraction& left, const Fraction& right)
{
    // Crosswise reduced first, so that nothing grows that would cancel.
    const Integer first = gcd(left.m_numerator, right.m_denominator);
    const Integer second = gcd(right.m_numerator, left.m_denominator);
    Integer numerator = 0;
    Integer denominator = 0;
    if (left.m_overflowed || right.m_overflowed
        || __builtin_mul_overflow(left.m_numerator / std::max<Integer>(first, 1),
            right.m_numerator / std::max<Integer>(second, 1), &numerator)
        || __builtin_mul_overflow(left.m_denominator / std::max<Integer>(second, 1),
            right.m_denominator / std::max<Integer>(first, 1), &denominator))
        return Fraction::overflow();
    return {numerator, denominator};
}

Fraction operator/(const Fraction& left, const Fraction& right)
{
    if (right.m_overflowed)
        return Fraction::overflow();
    return left * Fraction(right.m_denominator, right.m_numerator);
}

Integer gcd(Integer left, Integer right)
{
    left = left < 0 ? -left : left;
    right = right < 0 ? -right : right;
    while (right != 0)
        left = std::exchange(right, left % right);
    return left;
}

std::string integerText(Integer value)
{
    std::string digits;
    const bool negative = value < 0;
    do {
        const int digit = static_cast<int>(value % 10);
        digits += static_cast<char>('0' + (negative ? -digit : digit));
        value /= 10;
    } while (value != 0);
    if (negative)
        digits += '-';
    std::reverse(digits.begin(), digits.end());
    return digits;
}

std::string exactText(const Fraction& value, const DecimalSeparator& separator)
{
    const Integer numerator = value.numerator();
    const Integer denominator = value.denominator();
    if (!endsInDecimal(denominator))
        return integerText(numerator) + "/" + integerText(denominator);
    // The digits by long division; the remainder stays below the denominator.
    const Integer magnitude = numerator < 0 ? -numerator : numerator;
    std::string digits = integerText(magnitude / denominator);
    const int power = static_cast<int>(digits.size()) - 1; // of the first digit
    for (Integer rest = magnitude % denominator; rest != 0; rest %= denominator) {
        rest *= 10;
        digits += static_cast<char>('0' + static_cast<int>(rest / denominator));
    }
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return "0";
    Decimal decimal;
    decimal.negative = numerator < 0;
    decimal.digits = digits.substr(first, digits.find_last_not_of('0') + 1 - first);
    decimal.power = power - static_cast<int>(first);
    return plainText(decimal, separator);
}

std::optional<Fraction> exactValue(
    const TypedNumber& typed, std::size_t wholeDigits, std::size_t places)
{
    if (typed.exponentTyped || typed.whole.size() > wholeDigits || typed.fraction.size() > places)
        return std::nullopt;
    const Integer magnitude = digitsValue(typed.whole + typed.fraction);
    return Fraction(typed.negative ? -magnitude : magnitude, power10(typed.fraction.size()));
}

std::optional<Fraction> readAnswer(std::string_view text)
{
    text = trimmed(text);
    const bool negative = takeSign(text);
    const std::optional<std::string_view> first = takeDigits(text);
    if (!first || first->size() > kAnswerDigits)
        return std::nullopt;
    Integer numerator = digitsValue(*first);
    Integer denominator = 1;
    if (text.starts_with("/")) {
        text.remove_prefix(1);
        const std::optional<std::string_view> second = takeDigits(text);
        if (!second || second->size() > kAnswerDigits || digitsValue(*second) == 0)
            return std::nullopt;
        denominator = digitsValue(*second);
    } else if (text.starts_with(",") || text.starts_with(".")) {
        text.remove_prefix(1);
        const std::optional<std::string_view> places = takeDigits(text);
        if (!places || first->size() + places->size() > kAnswerDigits)
            return std::nullopt;
        numerator = digitsValue(std::string(*first) + std::string(*places));
        denominator = power10(places->size());
    }
    if (!text.empty())
        return std::nullopt;
    return Fraction(negative ? -numerator : numerator, denominator);
}

} // namespace parabolix
